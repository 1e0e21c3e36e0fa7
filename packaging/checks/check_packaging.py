#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what the packaging produces, reading it with Debian's own tools.

  icons      the icon files are what scripts/make-icons draws, in the sizes and depths file(1) reads
  resource   the Windows resource script compiles with windres, and windres reads back exactly the
             expected version information and a 32 x 32, 256-colour icon
  install    `cmake --install` gives exactly the expected files, and they name each other right
  build-deb  CPack makes the one .deb, for the two checks below
  deb        the .deb's control data, its Depends against the libraries the program links, and
             its files, which must be those of `cmake --install`
  lintian    lintian finds no error and no warning in the .deb
"""

import argparse
import configparser
import difflib
import filecmp
import os
import pathlib
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

# The release, written out here rather than taken from the build, so that a wrong version in
# CMake fails the checks. Change both with each release.
RELEASE = "1.00"
FILE_VERSION = "1, 0, 0, 0"

# The version resource as `windres -O rc` writes it back; windres leaves out fields that are 0.
VERSION_RESOURCE = """\
1 VERSIONINFO
 FILEVERSION {file_version}
 PRODUCTVERSION {file_version}
 FILEFLAGSMASK 0x3f
 FILEOS 0x4
 FILETYPE 0x1
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904B0"
    BEGIN
      VALUE "CompanyName", "{maker}"
      VALUE "ProductName", "{product}"
      VALUE "FileVersion", "{release}"
      VALUE "ProductVersion", "{release}"
      VALUE "InternalName", "{product}"
      VALUE "OriginalFilename", "{product}.exe"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1200
  END
END
"""

failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(*command, check=True):
    try:
        result = subprocess.run(command, capture_output=True, text=True)
    except FileNotFoundError:
        sys.exit(f"FAIL: {command[0]} is missing; scripts/install-deps --tests installs it")
    if check and result.returncode != 0:
        sys.exit(f"FAIL: {' '.join(map(str, command))} exited with {result.returncode}\n"
                 f"{result.stdout}{result.stderr}")
    return result if not check else result.stdout


def fresh(folder):
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    return folder


def describe(path):
    return run("file", "--brief", str(path)).strip()


def files_under(folder):
    return {str(p.relative_to(folder)) for p in folder.rglob("*") if not p.is_dir()}


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
    # The window icon and the Windows icon hold one picture because one script draws them both.
    drawn = fresh(pathlib.Path(args.work))
    run(sys.executable, args.make_icons, str(drawn))
    for name in wanted:
        expect(filecmp.cmp(icons / name, drawn / name, shallow=False),
               f"{name} is not what scripts/make-icons draws: run it again")


def check_resource(args):
    work = fresh(pathlib.Path(args.work))
    compiled = work / "varneltosk.res"
    # Preprocessed with the host's cpp, or windres would look for a MinGW C compiler.
    run(args.windres, "--preprocessor=cpp", "--preprocessor-arg=-DRC_INVOKED",
        "--input", args.rc, "--output", str(compiled))
    script = run(args.windres, "--input", str(compiled), "--output-format=rc")
    found = re.search(r"^1 VERSIONINFO$.*?^END$\n", script, re.MULTILINE | re.DOTALL)
    wanted = VERSION_RESOURCE.format(file_version=FILE_VERSION, release=RELEASE,
                                     maker=args.maker, product=args.product)
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


def check_tree(prefix, args):
    """Checks an installed tree; prefix is the folder that holds bin/ and share/."""
    app_id = args.app_id
    icons = {size: f"share/icons/hicolor/{size}x{size}/apps/{app_id}.png" for size in (32, 256)}
    wanted = {
        f"bin/{args.executable}",
        f"share/applications/{app_id}.desktop",
        f"share/metainfo/{app_id}.metainfo.xml",
        f"share/man/man1/{args.executable}.1.gz",
        f"share/doc/{args.package}/copyright",
        f"share/doc/{args.package}/changelog.gz",
        *icons.values(),
    }
    present = files_under(prefix)
    expect(present == wanted, f"{prefix} holds extra {sorted(present - wanted)}, "
                              f"lacks {sorted(wanted - present)}")
    for size, icon in icons.items():
        if (prefix / icon).is_file():
            expect(f", {size} x {size}," in describe(prefix / icon),
                   f"{icon} is not {size} x {size}: {describe(prefix / icon)}")
    desktop_path = prefix / f"share/applications/{app_id}.desktop"
    metainfo_path = prefix / f"share/metainfo/{app_id}.metainfo.xml"
    if not (desktop_path.is_file() and metainfo_path.is_file()):
        return

    desktop = configparser.ConfigParser(interpolation=None, delimiters=("=",))
    desktop.optionxform = str
    desktop.read(desktop_path, encoding="utf-8")
    entry = desktop["Desktop Entry"]
    # Exec is looked up on PATH, so it must be a bare name installed in the prefix's bin/.
    program = entry.get("Exec", "").split(" ")[0]
    executable = prefix / "bin" / program
    expect(program and "/" not in program and os.access(executable, os.X_OK),
           f"desktop Exec {entry.get('Exec')!r} names no executable in {prefix / 'bin'}")
    expect(entry.get("Icon") == app_id, f"desktop Icon is {entry.get('Icon')!r}, not {app_id}")
    if executable.is_file() and (prefix / icons[32]).is_file():
        # Qt's resource compiler stores an already compressed PNG as it is, so the window icon
        # shows up in the executable byte for byte.
        expect((prefix / icons[32]).read_bytes() in executable.read_bytes(),
               f"{executable} does not carry {icons[32]} as its window icon")

    component = ElementTree.parse(metainfo_path).getroot()
    expect(component.findtext("id") == app_id, f"metainfo id is {component.findtext('id')!r}")
    expect(component.findtext("launchable[@type='desktop-id']") == desktop_path.name,
           "metainfo launchable does not name the installed desktop file")
    expect(component.findtext("provides/binary") == program,
           f"metainfo provides binary {component.findtext('provides/binary')!r}, "
           f"but the desktop file runs {program!r}")
    release = component.find("releases/release")
    expect(release is not None and release.get("version") == RELEASE,
           f"metainfo release is not {RELEASE}")


def cmake_install(args, prefix):
    run(args.cmake, "--install", args.build, "--prefix", str(fresh(prefix)))
    return prefix


def check_install(args):
    check_tree(cmake_install(args, pathlib.Path(args.work) / "prefix"), args)


def the_deb(work):
    debs = list((work / "cpack").glob("*.deb"))
    if len(debs) != 1:
        sys.exit(f"FAIL: CPack made {[deb.name for deb in debs]}, not one .deb")
    return debs[0]


def build_deb(args):
    output = fresh(pathlib.Path(args.work)) / "cpack"
    run(args.cpack, "-G", "DEB", "--config", args.config, "-B", str(output))
    print(run("dpkg-deb", "--info", str(the_deb(output.parent))))


def owners(library):
    """The installed Debian packages that ship this library (dpkg may record /lib or /usr/lib)."""
    packages = set()
    found = run("dpkg", "-S", f"*/{os.path.basename(library)}", check=False).stdout
    for line in found.splitlines():
        names, _, path = line.partition(": ")
        if path.removeprefix("/usr") == library.removeprefix("/usr"):
            packages |= {name.split(":")[0].strip() for name in names.split(",")}
    return packages


def check_deb(args):
    work = pathlib.Path(args.work)
    deb = the_deb(work)
    architecture = run("dpkg", "--print-architecture").strip()
    expect(deb.name == f"{args.package}_{RELEASE}_{architecture}.deb", f"the .deb is {deb.name}")
    fields = dict(zip(("Package", "Version", "Architecture", "Depends"),
                      run("dpkg-deb", "--showformat=${Package}\n${Version}\n${Architecture}\n"
                          "${Depends}", "--show", str(deb)).split("\n")))
    expect(fields["Package"] == args.package, f"Package is {fields['Package']!r}")
    expect(fields["Version"] == RELEASE, f"Version is {fields['Version']!r}, not {RELEASE}")
    expect(fields["Architecture"] == architecture, f"Architecture is {fields['Architecture']!r}")
    depends = set(re.findall(r"(?:^|[,|]\s*)([a-z0-9][a-z0-9.+-]+)", fields["Depends"]))
    # The xcb platform plugin is loaded at run time, so no library link asks for it.
    expect("qt6-qpa-plugins" in depends, "Depends lacks qt6-qpa-plugins")

    root = fresh(work / "root")
    run("dpkg-deb", "--extract", str(deb), str(root))
    check_tree(root / "usr", args)
    program = root / "usr/bin" / args.executable
    if program.is_file():
        needed = re.findall(r"^\s*NEEDED\s+(\S+)", run("objdump", "-p", str(program)), re.M)
        expect(any(name.startswith("libQt6") for name in needed), f"{program} links no Qt")
        loaded = dict(re.findall(r"^\s*(\S+) => (/\S+)", run("ldd", str(program)), re.M))
        for name in needed:
            expect(owners(loaded.get(name, name)) & depends,
                   f"{program} needs {name}, whose package Depends does not name")

    prefix = cmake_install(args, work / "prefix")
    installed, packaged = files_under(prefix), files_under(root / "usr")
    expect(installed == packaged, f"cmake --install and the .deb differ: only installed "
                                  f"{sorted(installed - packaged)}, only packaged "
                                  f"{sorted(packaged - installed)}")
    for path in installed & packaged - {f"bin/{args.executable}"}:
        expect(filecmp.cmp(prefix / path, root / "usr" / path, shallow=False),
               f"{path} differs between cmake --install and the .deb")


def check_lintian(args):
    deb = the_deb(pathlib.Path(args.work))
    result = run("lintian", "--fail-on", "error,warning", "--display-info", "--show-overrides",
                 str(deb), check=False)
    print(f"lintian {deb.name}:\n{result.stdout}{result.stderr}", end="")
    expect(result.returncode == 0, f"lintian finds errors or warnings in {deb.name}")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("check", choices=("icons", "resource", "install", "build-deb", "deb",
                                          "lintian"))
    parser.add_argument("--work", required=True, help="a scratch folder")
    for option in ("--icons", "--make-icons", "--windres", "--rc", "--maker", "--product",
                   "--cmake", "--build", "--cpack", "--config", "--app-id", "--executable",
                   "--package"):
        parser.add_argument(option)
    args = parser.parse_args()
    {"icons": check_icons, "resource": check_resource, "install": check_install,
     "build-deb": build_deb, "deb": check_deb, "lintian": check_lintian}[args.check](args)
    for failure in failures:
        print(f"FAIL: {failure}")
    if not failures:
        print(f"{args.check}: passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
