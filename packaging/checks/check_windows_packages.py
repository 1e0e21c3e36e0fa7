#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the Windows zip and installer with CPack, then checks them as a Windows user would meet
them: the zip holds the program, its licence and the third-party notice; the installer, run
silently under Wine, puts the program into Program Files, a "Varnel Tosk" shortcut into the
Start menu and an entry into Add/Remove Programs, and its uninstaller, run silently, takes all of
it away again.

Usage: check_windows_packages.py --cpack CPACK --config CPackConfig.cmake --packages DIR
           --wine-run WINE_RUN STATE_DIR --exe VarnelTosk.exe
"""

import argparse
import os
import pathlib
import subprocess
import sys
import zipfile

BASE_NAME = "VarnelTosk-1.00-win64"
PROGRAM = "VarnelTosk.exe"
FOLDER = "VarnelTosk"
MENU_FOLDER = "Varnel Tosk"
SHORTCUT = "Varnel Tosk.lnk"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VarnelTosk"
UNINSTALL_ENTRY = {
    "DisplayName": "Varnel Tosk",
    "DisplayVersion": "1.00",
    "Publisher": "Velmora Software",
    "DisplayIcon": r"C:\Program Files\VarnelTosk\VarnelTosk.exe",
}
FILES = sorted([PROGRAM, "LICENSE.txt", "THIRD-PARTY.txt"])


class Wine:
    def __init__(self, wine_run, state):
        self.command = [wine_run, state]
        self.drive_c = pathlib.Path(state) / "prefix" / "drive_c"

    def run(self, *arguments, check=True):
        result = subprocess.run(self.command + list(arguments), capture_output=True, text=True,
                                timeout=300)
        # The installer and uninstaller hand their work on to other processes: wait for all.
        self.wait()
        if check and result.returncode != 0:
            raise RuntimeError(f"{arguments} exited with {result.returncode}: {result.stderr}")
        return result

    def wait(self):
        subprocess.run(["wineserver", "--wait"], env=dict(os.environ, WINEPREFIX=str(self.drive_c.parent)),
                       check=True)

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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cpack", required=True)
    parser.add_argument("--config", required=True)
    parser.add_argument("--packages", required=True)
    parser.add_argument("--wine-run", nargs=2, required=True)
    parser.add_argument("--exe", required=True)
    args = parser.parse_args()
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    packages = pathlib.Path(args.packages)
    for old in packages.glob(BASE_NAME + ".*"):
        old.unlink()
    subprocess.run([args.cpack, "--config", args.config], check=True, capture_output=True)
    program = pathlib.Path(args.exe).read_bytes()

    with zipfile.ZipFile(packages / f"{BASE_NAME}.zip") as archive:
        names = sorted(archive.namelist())
        expect(names == [f"{BASE_NAME}/{name}" for name in FILES], f"the zip holds {names}")
        if f"{BASE_NAME}/{PROGRAM}" in names:
            expect(archive.read(f"{BASE_NAME}/{PROGRAM}") == program,
                   "the zip's program is not the one built")

    wine = Wine(*args.wine_run)
    installed = wine.drive_c / "Program Files" / FOLDER
    start_menu = wine.drive_c / "ProgramData/Microsoft/Windows/Start Menu/Programs" / MENU_FOLDER
    uninstaller = rf"C:\Program Files\{FOLDER}\Uninstall.exe"
    if installed.exists():  # left behind by an earlier, failed run
        wine.run(uninstaller, "/S", check=False)

    wine.run(str(packages / f"{BASE_NAME}.exe"), "/S")
    for name in FILES:
        expect((installed / name).is_file(), f"{name} is not installed in {installed}")
    if (installed / PROGRAM).is_file():
        expect((installed / PROGRAM).read_bytes() == program, "the installed program differs")
    shortcut = start_menu / SHORTCUT
    expect(shortcut.is_file(), f"no shortcut {shortcut}")
    if shortcut.is_file():
        target = rf"C:\Program Files\{FOLDER}\{PROGRAM}"
        expect(target.encode("utf-16-le") in shortcut.read_bytes()
               or target.encode() in shortcut.read_bytes(),
               f"the shortcut does not start {target}")
    entry = wine.registry(UNINSTALL_KEY)
    expect(entry is not None, f"no Add/Remove Programs entry {UNINSTALL_KEY}")
    for name, value in UNINSTALL_ENTRY.items():
        expect((entry or {}).get(name) == value,
               f"Add/Remove Programs shows {name} {(entry or {}).get(name)!r}, not {value!r}")
    expect((entry or {}).get("UninstallString", "").strip('"') == uninstaller,
           f"UninstallString is {(entry or {}).get('UninstallString')!r}")

    wine.run(uninstaller, "/S")
    expect(not installed.exists(), f"{installed} is left after uninstalling")
    expect(not start_menu.exists(), f"{start_menu} is left after uninstalling")
    expect(wine.registry(UNINSTALL_KEY) is None, f"{UNINSTALL_KEY} is left after uninstalling")

    for failure in failures:
        print(f"FAIL: {failure}")
    if not failures:
        print(f"{BASE_NAME}.zip and {BASE_NAME}.exe install, show and uninstall as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
