#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what the packaging produces, reading it with Debian's own tools.

  icons      the icon files are what scripts/render-icons makes of the drawing, in the sizes and
             depths file(1) reads
  resource   the Windows resource script compiles with windres, and windres reads back exactly the
             version information of the build's release-info.json and a 32 x 32, 256-colour icon
  changelog  the Debian changelog, as dpkg-parsechangelog reads it, has the releases of
             CHANGELOG.md, newest first, each dated on its day and listing the same changes
  flags      debian/rules gives the compiler an x86-only option on x86 alone, as dpkg-buildflags
             reports the flags for each architecture

It is also the module every check shares: import run, expect, step and the rest from it.
"""

import argparse
import datetime
import difflib
import email.utils
import filecmp
import json
import pathlib
import re
import shlex
import shutil
import subprocess
import sys
import time

# The version resource as `windres -O rc` writes it back; windres leaves out fields that are 0.
VERSION_RESOURCE = """\
1 VERSIONINFO
 FILEVERSION {windows_version}
 PRODUCTVERSION {windows_version}
 FILEFLAGSMASK 0x3f
 FILEOS 0x4
 FILETYPE 0x1
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904B0"
    BEGIN
      VALUE "CompanyName", "{publisher}"
      VALUE "ProductName", "{package_id}"
      VALUE "FileVersion", "{version}"
      VALUE "ProductVersion", "{version}"
      VALUE "InternalName", "{package_id}"
      VALUE "OriginalFilename", "{package_id}.exe"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1200
  END
END
"""

CHECK = pathlib.Path(sys.argv[0]).stem  # the running check, which starts each line it says
failures = []


def say(text):
    print(f"{CHECK}: {text}", flush=True)


def expect(condition, message):
    """Notes and prints a failure unless the condition holds; returns the condition."""
    if not condition:
        failures.append(message)
        print(f"FAIL: {message}", flush=True)
    return condition


def finish(summary):
    """The exit status: 1 after any failure, else 0, with the summary printed."""
    if not failures:
        say(summary)
    return 1 if failures else 0


def run(*command, check=True, **options):
    """Checked, the command's output, ending the check when it fails; unchecked, its result."""
    try:
        result = subprocess.run([str(c) for c in command], capture_output=True, text=True,
                                **options)
    except FileNotFoundError:
        sys.exit(f"FAIL: {command[0]} is missing; scripts/install-deps --tests installs it")
    if check and result.returncode != 0:
        sys.exit(f"FAIL: {shlex.join(map(str, command))} exited with {result.returncode}:\n"
                 f"{result.stdout}{result.stderr}")
    return result.stdout if check else result


def step(name, action, *arguments):
    """Runs one step of a check, saying how long it took."""
    started = time.monotonic()
    say(f"{name} ...")
    result = action(*arguments)
    say(f"{name} took {time.monotonic() - started:.1f} s")
    return result


def fresh(folder):
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    return folder


def release_info(path):
    """What CMake writes of the build's release: release-info.json in the build folder."""
    return json.loads(pathlib.Path(path).read_text(encoding="utf-8"))


def describe(path):
    return run("file", "--brief", str(path)).strip()


def check_icons(args):
    icons = pathlib.Path(args.icons)
    wanted = {
        "varneltosk.png": "PNG image data, 32 x 32, 8-bit colormap, non-interlaced",
        "varneltosk.ico": "MS Windows icon resource - 1 icon, 32x32, 8 bits/pixel",
        "varneltosk-256.png": "PNG image data, 256 x 256, 8-bit/color RGBA, non-interlaced",
    }
    for name, description in wanted.items():
        found = describe(icons / name)
        expect(found == description, f"{name} is {found!r}, not {description!r}")
    # Every size holds the one drawing, as it stands now.
    rendered = fresh(pathlib.Path(args.work))
    run(args.render_icons, str(rendered))
    for name in wanted:
        expect(filecmp.cmp(icons / name, rendered / name, shallow=False),
               f"{name} is not what scripts/render-icons makes of varneltosk.svg: run it again")


def check_resource(args):
    work = fresh(pathlib.Path(args.work))
    compiled = work / "varneltosk.res"
    # Preprocessed with the host's cpp, or windres would look for a MinGW C compiler.
    run(args.windres, "--preprocessor=cpp", "--preprocessor-arg=-DRC_INVOKED",
        "--input", args.rc, "--output", str(compiled))
    script = run(args.windres, "--input", str(compiled), "--output-format=rc")
    found = re.search(r"^1 VERSIONINFO$.*?^END$\n", script, re.MULTILINE | re.DOTALL)
    info = release_info(args.info)
    windows_version = info["file_version"].replace(".", ", ")
    wanted = VERSION_RESOURCE.format(**info, windows_version=windows_version)
    if expect(found, "the compiled resources hold no version information named 1"):
        difference = "".join(difflib.unified_diff(wanted.splitlines(True),
                                                  found.group(0).splitlines(True),
                                                  "expected", "compiled"))
        expect(not difference, f"the version information differs:\n{difference}")
    expect(re.search(r"^LANGUAGE 9, 1$", script, re.MULTILINE), "the language is not US English")
    # One icon group holding one image of 32 x 32 (octal 040) pixels with 8 bits per pixel.
    expect(re.search(r"^1 14 /\* RT_GROUP_ICON \*/", script, re.MULTILINE)
           and "Has 1 elements" in script
           and re.search(r'"\\040\\040\\000\\000", 1, 8,', script),
           "the icon group is not one 32 x 32, 256-colour image")


def release_notes(path):
    """[(version, day, [change, ...])] of CHANGELOG.md: "## VERSION (YYYY-MM-DD)" opens a release,
    "- " a change, which may run on over indented lines."""
    releases = []
    for line in pathlib.Path(path).read_text(encoding="utf-8").splitlines():
        heading = re.match(r"## +(\S+) +\((\d{4}-\d{2}-\d{2})\)", line)
        if heading:
            releases.append((heading[1], heading[2], []))
        elif releases and line.startswith("- "):
            releases[-1][2].append(line[2:].strip())
        elif releases and releases[-1][2] and line.startswith(" ") and line.strip():
            releases[-1][2][-1] += " " + line.strip()
    return releases


def debian_releases(path):
    """The same list, as dpkg-parsechangelog reads the Debian changelog."""
    parsed = run("dpkg-parsechangelog", "--file", path, "--all", "--format", "rfc822")
    releases = []
    for entry in filter(str.strip, parsed.split("\n\n")):
        fields = dict(re.findall(r"^(\S+): ?(.*(?:\n .*)*)", entry, re.MULTILINE))
        day = email.utils.parsedate_to_datetime(fields["Date"]).astimezone(datetime.timezone.utc)
        changes = []
        for line in fields["Changes"].splitlines()[1:]:
            text = line.strip()
            if text.startswith("* "):
                changes.append(text[2:])
            elif changes and text not in ("", "."):
                changes[-1] += " " + text
        releases.append((fields["Version"], day.date().isoformat(), changes))
    return releases


def check_changelog(args):
    wanted = release_notes(args.release_notes)
    found = debian_releases(args.changelog)
    expect(wanted, f"{args.release_notes} holds no release heading \"## VERSION (YYYY-MM-DD)\"")
    expect([r[:2] for r in found] == [r[:2] for r in wanted],
           f"{args.changelog} has the releases {[r[:2] for r in found]}, "
           f"but {args.release_notes} {[r[:2] for r in wanted]}")
    for (version, _, written), (_, _, packaged) in zip(wanted, found):
        difference = "".join(difflib.unified_diff([c + "\n" for c in written],
                                                  [c + "\n" for c in packaged],
                                                  args.release_notes, args.changelog))
        expect(not difference, f"the changes of {version} differ:\n{difference}")


# Options GCC rejects when it compiles for another processor.
X86_ONLY = ("-fcf-protection",)


def check_flags(args):
    for architecture, x86 in (("amd64", True), ("i386", True), ("arm64", False),
                              ("armhf", False), ("ppc64el", False), ("s390x", False)):
        # --force: the package build's own architecture, in the environment, must not win.
        flags = run("dpkg-architecture", "--force", f"--host-arch={architecture}", "--command",
                    "make", "--silent", "--no-print-directory", "--file", args.rules,
                    "--eval=print-cxxflags: ; @dpkg-buildflags --get CXXFLAGS",
                    "print-cxxflags").split()
        given = [f for f in flags if f.startswith(X86_ONLY)]
        expect(bool(given) == x86,
               f"debian/rules gives CXXFLAGS {' '.join(flags)} on {architecture}")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("check", choices=("icons", "resource", "changelog", "flags"))
    parser.add_argument("--work", required=True, help="a scratch folder")
    for option in ("--icons", "--render-icons", "--windres", "--rc", "--info", "--release-notes",
                   "--changelog", "--rules"):
        parser.add_argument(option)
    args = parser.parse_args()
    {"icons": check_icons, "resource": check_resource,
     "changelog": check_changelog, "flags": check_flags}[args.check](args)
    return finish(f"{args.check}: passed")


if __name__ == "__main__":
    sys.exit(main())
