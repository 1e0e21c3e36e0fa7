#!/usr/bin/env python3
"""Installs the program the way a user or a package would and checks what lands on disk.

  check_package.py install ...  runs `cmake --install` into a scratch prefix and checks the tree
  check_package.py deb ...      builds the .deb with CPack, reads its control data and file list,
                                unpacks it into a scratch root and checks that tree, and compares
                                it with the tree `cmake --install` gives

A tree passes when it holds exactly the expected files, its desktop file and AppStream metadata
validate, the desktop file's Exec names the installed executable, its Icon names installed hicolor
icons of the sizes their folders claim, and the metadata names the desktop file and executable.
"""

import argparse
import configparser
import os
import pathlib
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

from images import png_header

ICON_SIZES = (32, 256)


class Checker:
    def __init__(self):
        self.failures = []

    def expect(self, condition, message):
        if not condition:
            self.failures.append(message)
        return condition

    def finish(self, summary):
        for failure in self.failures:
            print(f"FAIL: {failure}")
        if self.failures:
            return 1
        print(summary)
        return 0


def run(command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        raise SystemExit(
            f"FAIL: {' '.join(map(str, command))} exited with {result.returncode}\n"
            f"{result.stdout}{result.stderr}"
        )
    return result.stdout


def tool(name, package):
    path = shutil.which(name)
    if not path:
        raise SystemExit(f"FAIL: {name} is missing (Debian package {package}); run scripts/install-deps")
    return path


def fresh(folder):
    folder = pathlib.Path(folder)
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    return folder


def expected_files(args):
    app_id = args.app_id
    files = {
        f"bin/{args.executable}",
        f"share/applications/{app_id}.desktop",
        f"share/metainfo/{app_id}.metainfo.xml",
        f"share/man/man1/{args.executable}.1.gz",
        f"share/doc/{args.executable}/copyright",
        f"share/doc/{args.executable}/changelog.gz",
    }
    files |= {f"share/icons/hicolor/{n}x{n}/apps/{app_id}.png" for n in ICON_SIZES}
    return files


def files_under(folder):
    folder = pathlib.Path(folder)
    return {
        str(path.relative_to(folder))
        for path in folder.rglob("*")
        if path.is_file() or path.is_symlink()
    }


def read_desktop_file(path):
    parser = configparser.ConfigParser(interpolation=None, delimiters=("=",))
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def check_tree(check, prefix, args):
    """Checks an installed tree; prefix is the folder that holds bin/ and share/."""
    prefix = pathlib.Path(prefix)
    present = files_under(prefix)
    wanted = expected_files(args)
    check.expect(not wanted - present, f"missing from {prefix}: {sorted(wanted - present)}")
    check.expect(not present - wanted, f"unexpected in {prefix}: {sorted(present - wanted)}")

    desktop_path = prefix / f"share/applications/{args.app_id}.desktop"
    metainfo_path = prefix / f"share/metainfo/{args.app_id}.metainfo.xml"
    if not (desktop_path.is_file() and metainfo_path.is_file()):
        return

    validator = subprocess.run(
        [tool("desktop-file-validate", "desktop-file-utils"), str(desktop_path)],
        capture_output=True,
        text=True,
    )
    check.expect(
        validator.returncode == 0
        and not re.search(r"(error|warning):", validator.stdout + validator.stderr),
        f"desktop-file-validate rejects {desktop_path}:\n{validator.stdout}{validator.stderr}",
    )
    appstream = subprocess.run(
        [tool("appstreamcli", "appstream"), "validate", "--no-net", str(metainfo_path)],
        capture_output=True,
        text=True,
    )
    check.expect(
        appstream.returncode == 0,
        f"appstreamcli validate rejects {metainfo_path}:\n{appstream.stdout}{appstream.stderr}",
    )

    entry = read_desktop_file(desktop_path)
    check.expect(entry.get("Type") == "Application", "desktop file's Type is not Application")
    check.expect(entry.get("Name") == args.display_name, f"desktop Name is {entry.get('Name')!r}")
    check.expect(entry.get("Terminal") == "false", "desktop file does not say Terminal=false")
    categories = entry.get("Categories", "").split(";")
    check.expect(
        "Office" in categories and "Finance" in categories,
        f"desktop Categories {entry.get('Categories')!r} lack Office or Finance",
    )
    # Exec is looked up on PATH, so it must be a bare name installed in the prefix's bin/.
    exec_program = entry.get("Exec", "").split()[0] if entry.get("Exec") else ""
    installed = prefix / "bin" / exec_program
    check.expect(
        exec_program and "/" not in exec_program,
        f"desktop Exec {entry.get('Exec')!r} is not a bare program name",
    )
    check.expect(
        installed.is_file() and os.access(installed, os.X_OK),
        f"desktop Exec names {exec_program!r}, which is not an executable in {prefix / 'bin'}",
    )
    if installed.is_file():
        with open(installed, "rb") as program:
            check.expect(program.read(4) == b"\x7fELF", f"{installed} is not an ELF program")
        missing = [line for line in run(["ldd", str(installed)]).splitlines() if "not found" in line]
        check.expect(not missing, f"{installed} needs libraries that are not found: {missing}")

    icon = entry.get("Icon", "")
    check.expect(icon == args.app_id, f"desktop Icon is {icon!r}, not the application id")
    small_icon = prefix / f"share/icons/hicolor/32x32/apps/{icon}.png"
    if installed.is_file() and small_icon.is_file():
        # Qt's resource compiler stores an already compressed PNG as it is, so the window icon
        # that the executable carries shows up byte for byte.
        check.expect(
            small_icon.read_bytes() in installed.read_bytes(),
            f"{installed} does not carry {small_icon} as its window icon",
        )
    for n in ICON_SIZES:
        icon_path = prefix / f"share/icons/hicolor/{n}x{n}/apps/{icon}.png"
        if check.expect(icon_path.is_file(), f"no {n}x{n} icon named {icon!r} in hicolor"):
            width, height, _, _ = png_header(icon_path.read_bytes())
            check.expect(
                (width, height) == (n, n),
                f"{icon_path} is {width} x {height} but sits in the {n}x{n} folder",
            )

    component = ElementTree.parse(metainfo_path).getroot()
    check.expect(
        component.findtext("id") == desktop_path.stem,
        f"metainfo id {component.findtext('id')!r} is not the desktop file's name",
    )
    launchable = component.find("launchable[@type='desktop-id']")
    check.expect(
        launchable is not None and launchable.text == desktop_path.name,
        "metainfo launchable does not name the installed desktop file",
    )
    check.expect(
        component.findtext("provides/binary") == exec_program,
        f"metainfo provides binary {component.findtext('provides/binary')!r}, "
        f"but the desktop file runs {exec_program!r}",
    )
    release = component.find("releases/release")
    check.expect(
        release is not None and release.get("version") == args.version,
        f"metainfo release is not {args.version}",
    )
    check.expect(
        release is not None and re.fullmatch(r"\d{4}-\d{2}-\d{2}", release.get("date", "")),
        "metainfo release has no date",
    )


def cmake_install(args, prefix):
    run([args.cmake, "--install", args.build, "--prefix", str(prefix)])


def command_install(args):
    check = Checker()
    prefix = fresh(pathlib.Path(args.work) / "prefix")
    cmake_install(args, prefix)
    check_tree(check, prefix, args)
    return check.finish(f"install tree: {len(files_under(prefix))} files under {prefix}, all valid")


def control_fields(deb):
    fields = {}
    name = None
    for line in run(["dpkg-deb", "--field", str(deb)]).splitlines():
        if line.startswith((" ", "\t")) and name:
            fields[name] += "\n" + line.strip()
        else:
            name, _, value = line.partition(":")
            fields[name] = value.strip()
    return fields


def depends_names(depends):
    names = set()
    for clause in depends.split(","):
        for alternative in clause.split("|"):
            alternative = alternative.strip()
            if alternative:
                names.add(re.split(r"[\s(:]", alternative, maxsplit=1)[0])
    return names


def without_usr(path):
    # Debian merges /lib into /usr/lib, so dpkg may record either spelling of a library's path.
    return path.removeprefix("/usr")


def loaded_libraries(program):
    """Each library the dynamic loader would load for the program, by soname, with its path."""
    libraries = {}
    for line in run(["ldd", str(program)]).splitlines():
        match = re.match(r"\s*(\S+) => (/\S+)", line)
        if match:
            libraries[match.group(1)] = match.group(2)
    return libraries


def owning_package(path):
    """The installed Debian packages that ship this shared library file."""
    soname = os.path.basename(path)
    result = subprocess.run(["dpkg", "-S", f"*/{soname}"], capture_output=True, text=True)
    packages = set()
    for line in result.stdout.splitlines():
        owners, _, recorded = line.partition(": ")
        if without_usr(recorded) == without_usr(path):
            packages |= {owner.split(":")[0].strip() for owner in owners.split(",")}
    return packages


def needed_libraries(program):
    return re.findall(r"^\s*NEEDED\s+(\S+)", run(["objdump", "-p", str(program)]), re.MULTILINE)


def command_deb(args):
    check = Checker()
    tool("dpkg-deb", "dpkg")
    tool("dpkg-shlibdeps", "dpkg-dev")
    tool("objdump", "binutils")
    work = pathlib.Path(args.work)
    output = fresh(work / "cpack")
    run([args.cpack, "-G", "DEB", "--config", args.config, "-B", str(output)])
    debs = sorted(output.glob("*.deb"))
    if not check.expect(len(debs) == 1, f"CPack made {[d.name for d in debs]}, not one .deb"):
        return check.finish("")
    deb = debs[0]
    architecture = run(["dpkg", "--print-architecture"]).strip()
    check.expect(
        deb.name == f"{args.package}_{args.version}_{architecture}.deb",
        f"package file is named {deb.name}",
    )

    info = run(["dpkg-deb", "--info", str(deb)])
    fields = control_fields(deb)
    check.expect(fields.get("Package") == args.package, f"Package is {fields.get('Package')!r}")
    check.expect(fields.get("Version") == args.version, f"Version is {fields.get('Version')!r}")
    check.expect(
        fields.get("Architecture") == architecture,
        f"Architecture is {fields.get('Architecture')!r}, not {architecture}",
    )
    for name in ("Maintainer", "Description", "Section", "Homepage", "Installed-Size"):
        check.expect(fields.get(name), f"control field {name} is missing or empty")
    depends = depends_names(fields.get("Depends", ""))
    # The xcb platform plugin is loaded at run time, so no library link asks for it.
    check.expect("qt6-qpa-plugins" in depends, "Depends lacks qt6-qpa-plugins")

    listing = run(["dpkg-deb", "--contents", str(deb)]).splitlines()
    deb_files = {}
    for line in listing:
        mode, owner, _, _, _, path = line.split(None, 5)
        check.expect(owner == "root/root", f"{path} is owned by {owner}")
        if not mode.startswith("d"):
            deb_files[path.removeprefix("./")] = mode
    expected = {f"usr/{path}" for path in expected_files(args)}
    check.expect(
        set(deb_files) == expected,
        f"package files differ from the expected ones: extra {sorted(set(deb_files) - expected)},"
        f" missing {sorted(expected - set(deb_files))}",
    )
    program = f"usr/bin/{args.executable}"
    check.expect(deb_files.get(program) == "-rwxr-xr-x", f"{program} has mode {deb_files.get(program)}")
    for path, mode in deb_files.items():
        if path != program:
            check.expect(mode == "-rw-r--r--", f"{path} has mode {mode}")

    root = fresh(work / "root")
    run(["dpkg", "--extract", str(deb), str(root)])
    check_tree(check, root / "usr", args)

    executable = root / program
    if executable.is_file():
        libraries = needed_libraries(executable)
        qt = [soname for soname in libraries if soname.startswith("libQt6")]
        check.expect(qt, f"{program} links no Qt library: {libraries}")
        loaded = loaded_libraries(executable)
        for soname in libraries:
            owners = owning_package(loaded.get(soname, soname))
            check.expect(
                owners & depends,
                f"{program} needs {soname} from {sorted(owners) or 'no known package'}, "
                f"which Depends does not name",
            )
        sections = run(["objdump", "--section-headers", str(executable)])
        check.expect(
            ".debug_info" not in sections,
            f"{program} in the package still carries debug information",
        )

    prefix = fresh(work / "prefix")
    cmake_install(args, prefix)
    installed = files_under(prefix)
    unpacked = files_under(root / "usr")
    check.expect(
        installed == unpacked,
        f"cmake --install and the package differ: only installed {sorted(installed - unpacked)}, "
        f"only packaged {sorted(unpacked - installed)}",
    )
    for path in installed & unpacked:
        if not path.startswith("bin/"):
            check.expect(
                (prefix / path).read_bytes() == (root / "usr" / path).read_bytes(),
                f"{path} differs between cmake --install and the package",
            )

    print(info)
    size = deb.stat().st_size
    return check.finish(
        f"deb package: {deb.name}, {size} bytes ({size / 1024:.1f} KiB), "
        f"Installed-Size {fields.get('Installed-Size')} KiB, Depends: {fields.get('Depends')}"
    )


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("mode", choices=("install", "deb"))
    parser.add_argument("--cmake", required=True)
    parser.add_argument("--cpack")
    parser.add_argument("--build", required=True, help="the build folder to install from")
    parser.add_argument("--config", help="CPackConfig.cmake of that build")
    parser.add_argument("--work", required=True, help="a scratch folder, emptied first")
    parser.add_argument("--app-id", required=True)
    parser.add_argument("--executable", required=True)
    parser.add_argument("--display-name", required=True)
    parser.add_argument("--package", help="the Debian package name")
    parser.add_argument("--version", required=True, help="the version text, as in the package")
    args = parser.parse_args()
    if args.mode == "install":
        return command_install(args)
    if not (args.cpack and args.config and args.package):
        parser.error("deb needs --cpack, --config and --package")
    return command_deb(args)


if __name__ == "__main__":
    sys.exit(main())
