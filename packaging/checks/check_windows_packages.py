#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the Windows zip and installer with CPack, then checks them as a Windows user meets them.
The zip holds the program, its licence and the third-party notice. The installer, run silently
under Wine, goes through a whole journey for each scope: it installs (for the current user with
no option, for everyone with /AllUsers, into another folder with /D=), puts the program, the
Start-menu shortcut and the Apps & features entry where that scope keeps them and nowhere else,
installs over itself in place, starts the program through the shortcut, and its uninstaller,
run as the entry's QuietUninstallString says, leaves the drive and the registry as they were.
Last, the installer of the first release (CPack's own template, for all users) is installed and
ours is run over it: one entry remains, and uninstalling it leaves nothing of either.

The names of the files and the version come from the build's release-info.json.

Usage: check_windows_packages.py --cpack CPACK --config CPackConfig.cmake --info release-info.json
           --wine-run WINE_RUN STATE_DIR --exe VarnelTosk.exe --work DIR
"""

import argparse
import os
import pathlib
import shlex
import subprocess
import sys
import zipfile

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from check_packaging import expect, finish, release_info  # noqa: E402

WINDOW_TITLE = "Varnel Tosk"
SHORTCUT = "Varnel Tosk.lnk"
UNINSTALLER = "Uninstall.exe"
ENTRY_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\VarnelTosk"
ROOTS = ("HKCU", "HKLM")
# What the registry and the drive may mention of the program once it is gone: nothing.
TRACES = ("varneltosk", "varnel tosk", "velmora")

# The first release's installer: CPack's own NSIS template with the settings it was made with
# (but the quicker compressor, which changes nothing it does).
FIRST_RELEASE_SETTINGS = {
    "CPACK_MODULE_PATH": "",
    "CPACK_NSIS_COMPRESSOR": "zlib",
    "CPACK_NSIS_DEFINES": "Target amd64-unicode\n  SetDateSave off",
    "CPACK_NSIS_INSTALL_ROOT": "$PROGRAMFILES64",
    "CPACK_NSIS_PACKAGE_NAME": "Varnel Tosk",
    "CPACK_NSIS_UNINSTALL_NAME": "Uninstall",
    "CPACK_NSIS_CREATE_ICONS_EXTRA":
        r"CreateShortCut '$SMPROGRAMS\$STARTMENU_FOLDER\Varnel Tosk.lnk' '$INSTDIR\VarnelTosk.exe'",
    "CPACK_NSIS_DELETE_ICONS_EXTRA": r"Delete '$SMPROGRAMS\$MUI_TEMP\Varnel Tosk.lnk'",
}


class Wine:
    def __init__(self, wine_run, state):
        self.command = [wine_run, state]
        self.prefix = pathlib.Path(state) / "prefix"
        self.environment = dict(os.environ, WINEPREFIX=str(self.prefix))

    def run(self, *arguments, check=True):
        result = subprocess.run(self.command + list(arguments), capture_output=True, text=True,
                                timeout=300)
        # The installer and uninstaller hand their work on to other processes: wait for all.
        self.wait()
        if check and result.returncode != 0:
            raise RuntimeError(f"{arguments} exited with {result.returncode}: {result.stderr}")
        return result

    def start(self, *arguments):
        """Starts a program and leaves it running."""
        # Not through pipes, which the program would hold open while it runs.
        subprocess.run(self.command + ["start"] + list(arguments), stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60, check=True)

    def wait(self):
        subprocess.run(["wineserver", "--wait"], env=self.environment, check=True)

    def stop_all(self):
        subprocess.run(["wineserver", "--kill"], env=self.environment, check=False)
        self.wait()

    def unix_path(self, windows_path):
        drive, _, rest = windows_path.partition(":\\")
        return self.prefix / f"drive_{drive.lower()}" / rest.replace("\\", "/")

    def folders(self):
        """The user's and the computer's folders, by the names of their variables."""
        names = ["LOCALAPPDATA", "APPDATA", "ProgramData", "ProgramFiles"]
        shown = self.run("cmd", "/c", "echo " + "^|".join(f"%{name}%" for name in names)).stdout
        return dict(zip(names, shown.strip().split("|")))

    def registry(self, key):
        """The values of a registry key as {name: text}, or None when the key does not exist."""
        result = self.run("reg", "query", key, check=False)
        if result.returncode != 0:
            return None
        values = {}
        for line in result.stdout.splitlines():
            parts = line.strip().split(None, 2)
            if len(parts) == 3 and parts[1].startswith("REG_"):
                values[parts[0]] = parts[2]
        return values

    def entries(self):
        return {root: entry for root in ROOTS
                if (entry := self.registry(rf"{root}\{ENTRY_KEY}")) is not None}

    def traces(self):
        """The files and folders of drive C (but Windows' own and temporary ones), and the lines
        of the registry that mention the program or its maker."""
        drive = self.prefix / "drive_c"
        files = set()
        for path in drive.rglob("*"):
            parts = [part.lower() for part in path.relative_to(drive).parts]
            if parts[0] != "windows" and "temp" not in parts:
                files.add("/".join(parts))
        lines = set()
        for hive in ("user.reg", "system.reg"):
            for line in (self.prefix / hive).read_text(encoding="utf-8", errors="replace").splitlines():
                if any(trace in line.lower() for trace in TRACES):
                    lines.add(f"{hive}: {line}")
        return files, lines


def uninstall_command(entry):
    """The entry's QuietUninstallString as an argument list (the first release wrote none)."""
    quiet = entry.get("QuietUninstallString")
    if quiet is None:
        return [entry["UninstallString"].strip('"'), "/S"]
    return shlex.split(quiet.replace("\\", "\\\\"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--config", required=True)
    parser.add_argument("--info", required=True)
    parser.add_argument("--wine-run", nargs=2, required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    info = release_info(args.info)
    base, exe = info["download_name"], info["program"]
    packed = sorted([exe, "LICENSE.txt", "THIRD-PARTY.txt"])

    packages = pathlib.Path(info["packages"])
    for old in packages.glob(base + ".*"):
        old.unlink()
    subprocess.run([args.cpack, "--config", args.config], check=True, capture_output=True)
    installer = packages / info["installer"]
    program = pathlib.Path(args.exe).read_bytes()

    with zipfile.ZipFile(packages / info["zip"]) as archive:
        names = sorted(archive.namelist())
        expect(names == [f"{base}/{name}" for name in packed], f"the zip holds {names}")
        if f"{base}/{exe}" in names:
            expect(archive.read(f"{base}/{exe}") == program,
                   "the zip's program is not the one built")

    wine = Wine(*args.wine_run)
    # Left behind by an earlier, failed run.
    for entry in wine.entries().values():
        wine.run(*uninstall_command(entry), check=False)
    folders = wine.folders()
    user_menu = rf"{folders['APPDATA']}\Microsoft\Windows\Start Menu\Programs"
    common_menu = rf"{folders['ProgramData']}\Microsoft\Windows\Start Menu\Programs"

    def check_installed(scope, folder, root, menu):
        entries = wine.entries()
        if not expect(list(entries) == [root],
                      f"{scope}: Apps & features entries in {list(entries)}, not in {root} alone"):
            return None
        entry = entries[root]
        uninstaller = rf"{folder}\{UNINSTALLER}"
        expected = {
            "DisplayName": "Varnel Tosk", "DisplayVersion": info["version"],
            "Publisher": "Velmora Software", "DisplayIcon": rf"{folder}\{exe}",
            "InstallLocation": folder, "UninstallString": f'"{uninstaller}"',
            "QuietUninstallString": f'"{uninstaller}" /S', "NoModify": "0x1", "NoRepair": "0x1",
            "URLInfoAbout": "http://www.velmora.example/",
        }
        for name, value in expected.items():
            expect(entry.get(name) == value,
                   f"{scope}: the entry's {name} is {entry.get(name)!r}, not {value!r}")
        size = int(entry.get("EstimatedSize", "0"), 16)
        expect(abs(size - len(program) / 1024) < 1024,
               f"{scope}: EstimatedSize {size} KB for a program of {len(program) // 1024} KB")
        installed = wine.unix_path(folder)
        present = sorted(path.name for path in installed.iterdir()) if installed.is_dir() else []
        expect(present == sorted(packed + [UNINSTALLER]), f"{scope}: {installed} holds {present}")
        expect((installed / exe).is_file() and (installed / exe).read_bytes() == program,
               f"{scope}: the installed program is not the one built")
        shortcut = wine.unix_path(rf"{menu}\{SHORTCUT}")
        target = rf"{folder}\{exe}"
        expect(shortcut.is_file() and any(target.encode(encoding) in shortcut.read_bytes()
                                          for encoding in ("utf-16-le", "ascii")),
               f"{scope}: no shortcut {shortcut} to {target}")
        return entry

    def start_program(scope, menu):
        """Opens the shortcut as Explorer would and waits for the program's window."""
        wine.start(rf"{menu}\{SHORTCUT}")
        try:
            subprocess.run(["xdotool", "search", "--sync", "--name", f"^{WINDOW_TITLE}$"],
                           capture_output=True, timeout=120, check=True)
        except subprocess.SubprocessError:
            expect(False, f"{scope}: the program showed no window")
        wine.stop_all()

    def uninstall_leaves_nothing(scope, entry, before):
        wine.run(*uninstall_command(entry))
        files, lines = wine.traces()
        expect(files == before[0], f"{scope}: uninstalling left {sorted(files - before[0])} "
                                   f"and took {sorted(before[0] - files)}")
        expect(lines == before[1], f"{scope}: uninstalling left {sorted(lines - before[1])} "
                                   f"in the registry and took {sorted(before[1] - lines)}")

    journeys = [
        ("for the current user", [], rf"{folders['LOCALAPPDATA']}\Programs\VarnelTosk", "HKCU",
         user_menu),
        ("for all users", ["/AllUsers"], rf"{folders['ProgramFiles']}\VarnelTosk", "HKLM",
         common_menu),
        ("into another folder", [r"/D=C:\Tools\VarnelTosk"], r"C:\Tools\VarnelTosk", "HKCU",
         user_menu),
    ]
    # A folder the user picks is one that exists.
    wine.unix_path(r"C:\Tools").mkdir(exist_ok=True)
    for number, (scope, options, folder, root, menu) in enumerate(journeys):
        before = wine.traces()
        wine.run(str(installer), "/S", *options)
        entry = check_installed(scope, folder, root, menu)
        if entry is None:
            break
        if number == 0:
            wine.run(str(installer), "/S", *options)
            entry = check_installed(f"{scope}, installed again", folder, root, menu)
            if entry is None:
                break
            start_program(scope, menu)
        uninstall_leaves_nothing(scope, entry, before)

    # The first release's installer, made from the same files, then ours over it.
    scope = "over the first release"
    first_release = pathlib.Path(args.work) / "first-release"
    command = [args.cpack, "--config", args.config, "-G", "NSIS", "-B", str(first_release)]
    for name, value in FIRST_RELEASE_SETTINGS.items():
        command += ["-D", f"{name}={value}"]
    subprocess.run(command, check=True, capture_output=True)
    before = wine.traces()
    wine.run(str(first_release / info["installer"]), "/S")
    folder = rf"{folders['ProgramFiles']}\VarnelTosk"
    if expect(list(wine.entries()) == ["HKLM"], f"{scope}: the first release did not install"):
        wine.run(str(installer), "/S")
        entry = check_installed(scope, folder, "HKLM", common_menu)
        if entry is not None:
            uninstall_leaves_nothing(scope, entry, before)

    return finish(f"{info['zip']} holds the program; {installer.name} installs for the current "
                  "user, for all users and into another folder, in place over itself and over the "
                  "first release, and uninstalls leaving nothing behind")


if __name__ == "__main__":
    sys.exit(main())
