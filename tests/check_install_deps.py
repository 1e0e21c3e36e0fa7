#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs scripts/install-deps on the machines a newcomer starts from, made of stand-in commands.

Each state is a machine: a fresh minimal Debian (no dpkg-dev), a developer's Debian 12 or 13
with build-essential (dpkg-dev, which words its report differently in each) but none of the
project's packages, or one with everything; and a user:
root, a user with sudo, or a user with neither. Stand-ins for dpkg-query, dpkg-checkbuilddeps,
apt-get, sudo and id answer as such a machine would and write down what they were asked. In every
state the script either installs what is missing, through sudo where it is not root, or says in
one line what is missing and how to get it: it never ends without a word.

Usage: check_install_deps.py SOURCE_ROOT
"""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

# The tools the script itself runs, taken from this machine.
REAL_TOOLS = ("bash", "env", "dirname", "sed", "grep", "tr", "cat", "sort")

STAND_INS = {
    # Answers from the file "installed", one package a line.
    "dpkg-query": """#!/bin/bash
package=${@: -1}
if grep -qx "$package" "$MACHINE/installed"; then echo -n 'install ok installed'; exit 0; fi
echo "dpkg-query: no packages found matching $package" >&2; exit 1
""",
    # As dpkg-dev's: exits 1 and names the unmet Build-Depends, in its release's words.
    "dpkg-checkbuilddeps": """#!/bin/bash
if [ -f "$MACHINE/build-depends-met" ]; then exit 0; fi
echo "dpkg-checkbuilddeps: $(cat "$MACHINE/unmet-words") qt6-base-dev (>= 6.4) scdoc" >&2
exit 1
""",
    "apt-get": """#!/bin/bash
if [ "$(id -u)" -ne 0 ]; then echo "E: permission denied" >&2; exit 100; fi
echo "apt-get ${*: -$#}" | sed -E 's/ -[-a-zA-Z=]+//g' >> "$MACHINE/log"
""",
    "sudo": """#!/bin/bash
echo "sudo $1" >> "$MACHINE/log"
ID_U=0 exec "$@"
""",
    "id": """#!/bin/bash
echo "${ID_U:-0}"
""",
}

# machine: (dpkg-dev there, Build-Depends met, other packages there)
MACHINES = {
    "fresh minimal": (False, False, False),
    "Debian 12 with build-essential": (True, False, False),
    "Debian 13 with build-essential": (True, False, False),
    "everything installed": (True, True, True),
}
UNMET_WORDS = {"Debian 13 with build-essential": "error: unmet build dependencies:"}
# user: (id -u, sudo there)
USERS = {"root": (0, False), "user with sudo": (1000, True), "user without sudo": (1000, False)}


def run_state(source, machine, user, workspace):
    has_dpkg_dev, met, everything = MACHINES[machine]
    uid, has_sudo = USERS[user]
    home = workspace / f"{machine}-{user}".replace(" ", "-").replace("'", "")
    tools = home / "bin"
    tools.mkdir(parents=True)
    for tool in REAL_TOOLS:
        (tools / tool).symlink_to(shutil.which(tool))
    for name, script in STAND_INS.items():
        if (name == "dpkg-checkbuilddeps" and not has_dpkg_dev) or (name == "sudo" and not has_sudo):
            continue
        (tools / name).write_text(script)
        (tools / name).chmod(0o755)
    (home / "log").write_text("")
    (home / "unmet-words").write_text(UNMET_WORDS.get(machine, "Unmet build dependencies:"))
    if met:
        (home / "build-depends-met").write_text("")
    # Every package the script may ask about counts as installed where everything is.
    names = ""
    if everything:
        text = (source / "scripts" / "install-deps").read_text()
        names = "\n".join(word for word in text.replace("(", " ").replace(")", " ").split()
                          if word[:1].isalnum())
    (home / "installed").write_text(names + "\n")
    environment = {"PATH": str(tools), "MACHINE": str(home), "ID_U": str(uid)}
    result = subprocess.run([tools / "bash", source / "scripts" / "install-deps", "--tests"],
                            env=environment, capture_output=True, text=True, timeout=60)
    return result, (home / "log").read_text()


def main():
    source = pathlib.Path(sys.argv[1]).resolve()
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for machine in MACHINES:
            for user in USERS:
                result, log = run_state(source, machine, user, pathlib.Path(folder))
                said = (result.stdout + result.stderr).strip()
                installs = "apt-get install" in log or "apt-get build-dep" in log
                if machine == "everything installed":
                    good = result.returncode == 0 and not installs and "already installed" in said
                elif user == "user without sudo":
                    good = result.returncode != 0 and not installs and "sudo" in said
                else:
                    good = (result.returncode == 0 and "apt-get build-dep" in log
                            and "apt-get install" in log and said)
                    if user == "user with sudo":
                        good = good and "sudo" in log
                print(f"{'ok  ' if good else 'FAIL'} {machine}, {user}: exit {result.returncode}:"
                      f" {said.splitlines()[-1] if said else '(nothing said)'}")
                if not good:
                    failures.append(f"{machine}, {user}")
    if failures:
        print("install-deps misbehaves on: " + "; ".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
