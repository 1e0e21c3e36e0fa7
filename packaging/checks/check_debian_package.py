#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the Debian package from a copy of the source tree and checks it with Debian's tools.

  build      dpkg-buildpackage -us -uc in a copy of the tree: the source package, then the
             binary packages, running the tests on the way
  package    the .deb's control data, its Depends against the libraries the program links and
             the platform plugin it loads, and its files, which must name each other right
  hardening  hardening-check finds every protection in the packaged program, or the debug
             symbols show it built in where the tool cannot see it
  lintian    lintian -EvIL +pedantic on the .changes shows no tag but overridden ones
  reprotest  two builds of the source package, under different clocks, paths, time zones,
             locales, umasks, environments, homes, PATHs and numbers of CPUs, give the same bytes

Usage: check_debian_package.py [--no-reprotest] SOURCE_ROOT WORK_FOLDER
"""

import configparser
import os
import pathlib
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from check_packaging import describe, expect, finish, fresh, run, say, step  # noqa: E402

PACKAGE = "varneltosk"
RELEASE = None  # the version the package is built as: debian/changelog's, read first
EXECUTABLE = "varneltosk"
APP_ID = "example.velmora.VarnelTosk"
ARCHITECTURE = subprocess.run(["dpkg", "--print-architecture"], capture_output=True,
                              text=True).stdout.strip()
# Lintian's tags that do not apply to this package, on any release it is built for:
LINTIAN_NOT_APPLICABLE = (
    # One source builds for Debian 12 and 13; it keeps the policy of the older, Debian 12's.
    "out-of-date-standards-version",
    # The program holds its translations compressed, whose bytes the spelling check reads as
    # words ("NAm", say), differently with each change of a text.
    "spelling-error-in-binary",
)
# What this machine can vary. Left out: user_group, which needs spare user accounts and sudo
# rules for them; fileordering, which needs disorderfs (FUSE); domain_host, not tried yet.
VARIATIONS = ("environment", "build_path", "kernel", "aslr", "num_cpus", "time", "home",
              "locales", "exec_path", "timezone", "umask")
# reprotest's own builds leave the tests out (the first build ran them) and use both cores.
REPROTEST_BUILD = ('_.str_replace.build_command("dpkg-buildpackage", '
                   '"DEB_BUILD_OPTIONS=\'nocheck parallel=2\' dpkg-buildpackage -Pnocheck")')


def copy_tree(source, destination):
    """The files git tracks (with their changes) and the new ones it does not ignore; without
    git, everything but the build folders."""
    fresh(destination)
    listed = subprocess.run(["git", "-C", source, "ls-files", "-z", "--cached", "--others",
                             "--exclude-standard"], capture_output=True, text=True)
    if listed.returncode == 0:
        for name in filter(None, listed.stdout.split("\0")):
            path = source / name
            if path.is_file() or path.is_symlink():
                (destination / name).parent.mkdir(parents=True, exist_ok=True)
                shutil.copy2(path, destination / name, follow_symlinks=False)
    else:
        shutil.copytree(source, destination, symlinks=True, dirs_exist_ok=True,
                        ignore=shutil.ignore_patterns(".git", "build", ".cache"))


def build(source, work):
    tree = work / f"{PACKAGE}-{RELEASE}"
    copy_tree(source, tree)
    environment = dict(os.environ, DEB_BUILD_OPTIONS="parallel=2")
    if shutil.which("ccache"):
        # CMake takes the launcher from the environment; the package does not depend on it.
        environment["CMAKE_CXX_COMPILER_LAUNCHER"] = "ccache"
    log = work / "build.log"
    with log.open("w") as output:
        result = subprocess.run(["dpkg-buildpackage", "-us", "-uc"], cwd=tree, env=environment,
                                stdout=output, stderr=subprocess.STDOUT)
    text = log.read_text(errors="replace")
    for line in re.findall(r"^.*tests passed.*$|^Total Test time.*$", text, re.MULTILINE):
        say(line)
    if result.returncode != 0:
        tail = "\n".join(text.splitlines()[-60:])
        sys.exit(f"FAIL: dpkg-buildpackage exited with {result.returncode}; the end of {log}:\n"
                 f"{tail}")


def owners(library):
    """The installed Debian packages that ship this file (dpkg may record /lib or /usr/lib)."""
    packages = set()
    found = run("dpkg", "-S", f"*/{os.path.basename(library)}", check=False).stdout
    for line in found.splitlines():
        names, _, path = line.partition(": ")
        if path.removeprefix("/usr") == library.removeprefix("/usr"):
            packages |= {name.split(":")[0].strip() for name in names.split(",")}
    return packages


def check_tree(prefix):
    """The installed tree under prefix (the folder that holds bin/ and share/)."""
    icons = {size: f"share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png" for size in (32, 256)}
    scalable = f"share/icons/hicolor/scalable/apps/{APP_ID}.svg"
    wanted = {
        f"bin/{EXECUTABLE}",
        f"share/applications/{APP_ID}.desktop",
        f"share/metainfo/{APP_ID}.metainfo.xml",
        f"share/man/man1/{EXECUTABLE}.1.gz",
        f"share/doc/{PACKAGE}/copyright",
        f"share/doc/{PACKAGE}/changelog.gz",
        *icons.values(),
        scalable,
    }
    present = {str(p.relative_to(prefix)) for p in prefix.rglob("*") if not p.is_dir()}
    expect(present == wanted, f"{prefix} holds extra {sorted(present - wanted)}, "
                              f"lacks {sorted(wanted - present)}")
    for size, icon in icons.items():
        if (prefix / icon).is_file():
            expect(f", {size} x {size}," in describe(prefix / icon),
                   f"{icon} is not {size} x {size}: {describe(prefix / icon)}")
    if (prefix / scalable).is_file():
        expect(describe(prefix / scalable).startswith("SVG Scalable Vector Graphics image"),
               f"{scalable} is {describe(prefix / scalable)}")
    desktop_path = prefix / f"share/applications/{APP_ID}.desktop"
    metainfo_path = prefix / f"share/metainfo/{APP_ID}.metainfo.xml"
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
    expect(entry.get("Icon") == APP_ID, f"desktop Icon is {entry.get('Icon')!r}, not {APP_ID}")
    if executable.is_file() and (prefix / icons[32]).is_file():
        # Qt's resource compiler stores an already compressed PNG as it is, so the window icon
        # shows up in the executable byte for byte.
        expect((prefix / icons[32]).read_bytes() in executable.read_bytes(),
               f"{executable} does not carry {icons[32]} as its window icon")

    component = ElementTree.parse(metainfo_path).getroot()
    expect(component.findtext("id") == APP_ID, f"metainfo id is {component.findtext('id')!r}")
    expect(component.findtext("launchable[@type='desktop-id']") == desktop_path.name,
           "metainfo launchable does not name the installed desktop file")
    expect(component.findtext("provides/binary") == program,
           f"metainfo provides binary {component.findtext('provides/binary')!r}, "
           f"but the desktop file runs {program!r}")
    release = component.find("releases/release")
    expect(release is not None and release.get("version") == RELEASE,
           f"metainfo release is not {RELEASE}")


def check_package(work):
    architecture = run("dpkg", "--print-architecture").strip()
    deb = work / f"{PACKAGE}_{RELEASE}_{architecture}.deb"
    if not expect(deb.is_file(), f"dpkg-buildpackage made no {deb.name}"):
        return None
    package, version, depends, maintainer, homepage = run(
        "dpkg-deb", "--showformat=${Package}\n${Version}\n${Depends}\n${Maintainer}\n${Homepage}",
        "--show", str(deb)).split("\n")
    expect((package, version) == (PACKAGE, RELEASE), f"{deb.name} holds {package} {version}")
    depends = set(re.findall(r"(?:^|[,|]\s*)([a-z0-9][a-z0-9.+-]+)", depends))

    root = fresh(work / "root")
    run("dpkg-deb", "--extract", str(deb), str(root))
    check_tree(root / "usr")
    # debian/control names the maker and the home page that the build takes from CMake.
    metainfo = root / f"usr/share/metainfo/{APP_ID}.metainfo.xml"
    if metainfo.is_file():
        component = ElementTree.parse(metainfo).getroot()
        maker = component.findtext("developer_name")
        home = component.findtext("url[@type='homepage']")
        expect(maintainer.startswith(f"{maker} <") and homepage == home,
               f"{deb.name} is maintained by {maintainer!r} with home page {homepage!r}, "
               f"the metainfo names {maker!r} and {home!r}")
    program = root / "usr/bin" / EXECUTABLE
    if program.is_file():
        needed = re.findall(r"^\s*NEEDED\s+(\S+)", run("objdump", "-p", str(program)), re.M)
        expect(any(name.startswith("libQt6") for name in needed), f"{program} links no Qt")
        loaded = dict(re.findall(r"^\s*(\S+) => (/\S+)", run("ldd", str(program)), re.M))
        # Qt loads its platform plugin at run time; no link names it.
        plugins = run("qtpaths6", "--query", "QT_INSTALL_PLUGINS").strip()
        for name in [*needed, f"{plugins}/platforms/libqxcb.so"]:
            expect(owners(loaded.get(name, name)) & depends,
                   f"{program} needs {name}, whose package Depends does not name")
    return program


def compile_flags(work):
    """The options each compile unit of the program was built with, from its debug symbols."""
    debug = fresh(work / "dbgsym")
    run("dpkg-deb", "--extract", str(next(work.glob(f"{PACKAGE}-dbgsym_{RELEASE}_*.deb"))),
        str(debug))
    units = []
    for symbols in debug.rglob("*.debug"):
        info = run("readelf", "--debug-dump=info", str(symbols))
        units += [set(p.split()) for p in re.findall(r"DW_AT_producer\s*:.*?: (.*)$", info, re.M)]
    return units


def cet_in_start_files():
    start = run("gcc", "-print-file-name=Scrt1.o").strip()
    return "IBT, SHSTK" in run("readelf", "--notes", start)


def check_hardening(program, work):
    report = run("hardening-check", "--verbose", str(program), check=False).stdout
    print(report, end="")
    found = dict(re.findall(r"^ (.+?): (.*)$", report, re.MULTILINE))
    unprotected = set(re.findall(r"^\tunprotected: (\S+)$", report, re.MULTILINE))
    units = compile_flags(work)
    expect(units, "the debug symbols name no compile unit")
    built_with = lambda flag: units and all(flag in unit for unit in units)
    # What hardening-check cannot find in this program although it was built with every
    # protection, each accepted only while its reason holds.
    limits = {
        # Qt's containers copy and move their elements (a QList growing, for one) with memcpy and
        # memmove over lengths known only at run time, where _FORTIFY_SOURCE has no size to
        # check against.
        ("Fortify Source functions", "no, only unprotected functions found!"):
            unprotected <= {"memcpy", "memmove"},
        # Nothing in the program allocates on the stack at run time, so there is no probe loop.
        ("Stack clash protection", "unknown, no -fstack-clash-protection instructions found"):
            built_with("-fstack-clash-protection"),
        # The linker marks a program only when every object is marked, the C library's start
        # files included.
        ("Control flow integrity", "no, not found!"):
            built_with("-fcf-protection=full") and not cet_in_start_files(),
        # Debian 13's hardening-check also looks for arm64's branch protection.
        ("Branch Protection", "no, not found!"): ARCHITECTURE != "arm64",
    }
    expect(len(found) >= 7, f"hardening-check reports {len(found)} protections, not 7 or more")
    for protection, answer in found.items():
        expect(answer.startswith("yes") or limits.get((protection, answer)),
               f"hardening-check: {protection}: {answer}")


def check_lintian(work):
    changes = next(work.glob(f"{PACKAGE}_{RELEASE}_*.changes"))
    result = run("lintian", "-EvIL", "+pedantic", "--fail-on", "error,warning",
                 "--suppress-tags", ",".join(LINTIAN_NOT_APPLICABLE), str(changes), check=False)
    print(f"{result.stdout}{result.stderr}", end="")
    tags = re.findall(r"^[EWIPX]: .*$", result.stdout, re.MULTILINE)
    expect(result.returncode == 0 and not tags,
           f"lintian shows tags that are not overridden in {changes.name}")


def check_reproducible(work):
    dsc = work / f"{PACKAGE}_{RELEASE}.dsc"
    store = work / "reprotest"
    shutil.rmtree(store, ignore_errors=True)
    log = work / "reprotest.log"
    with log.open("w") as output:
        result = subprocess.run(
            ["reprotest", f"--variations=-all,{','.join('+' + v for v in VARIATIONS)}",
             f"--store-dir={store}", f"--auto-preset-expr={REPROTEST_BUILD}", dsc.name,
             "--", "null"], cwd=work, stdout=output, stderr=subprocess.STDOUT)
    text = log.read_text(errors="replace")
    print("\n".join(text.splitlines()[-12 if result.returncode == 0 else -80:]))
    expect(result.returncode == 0, f"reprotest finds the two builds differ; see {log}")


def main():
    arguments = sys.argv[1:]
    reprotest = "--no-reprotest" not in arguments
    if not reprotest:
        arguments.remove("--no-reprotest")
    if len(arguments) != 2:
        sys.exit(__doc__)
    source, work = pathlib.Path(arguments[0]).resolve(), pathlib.Path(arguments[1]).resolve()
    global RELEASE
    RELEASE = run("dpkg-parsechangelog", "-l", source / "debian/changelog", "-S", "Version").strip()
    fresh(work)
    step("build", build, source, work)
    program = step("package", check_package, work)
    if program is not None and program.is_file():
        step("hardening", check_hardening, program, work)
    step("lintian", check_lintian, work)
    if reprotest:
        step("reprotest", check_reproducible, work)
    return finish("passed")


if __name__ == "__main__":
    sys.exit(main())
