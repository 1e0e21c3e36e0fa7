#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the winget and Scoop manifests that write_manifests.py made: each validates against
its published JSON schema (packaging/schemas/), the three winget files name the same package and
version as their folder, and every SHA-256 in them is the one SHA256SUMS gives for that file.

With --from PACKAGES it first makes what a release makes, from the installer and zip there:
SHA256SUMS (with sha256sum) and the manifests (with write_manifests.py), into WORK.

Usage: check_manifests.py --schemas DIR --sums SHA256SUMS --manifests DIR
       check_manifests.py --schemas DIR --from PACKAGES --info INFO --work WORK
"""

import argparse
import json
import pathlib
import subprocess
import sys

import jsonschema
import yaml

WRITER = pathlib.Path(__file__).resolve().parent.parent / "write_manifests.py"


def make_release_files(packages, info, work):
    installers = sorted(packages.glob("*-win64.exe"))
    zips = sorted(packages.glob("*-win64.zip"))
    if len(installers) != 1 or len(zips) != 1:
        raise SystemExit(f"expected one installer and one zip in {packages}")
    work.mkdir(parents=True, exist_ok=True)
    sums = work / "SHA256SUMS"
    with sums.open("w") as out:
        subprocess.run(["sha256sum", installers[0].name, zips[0].name], cwd=packages, stdout=out,
                       check=True)
    manifests = work / "manifests"
    subprocess.run([sys.executable, WRITER, "--info", info, "--installer", installers[0],
                    "--zip", zips[0], "--out", manifests], check=True, stdout=subprocess.DEVNULL)
    return sums, manifests


def schema_errors(document, schema_path):
    schema = json.loads(schema_path.read_text(encoding="utf-8"))
    validator = jsonschema.Draft7Validator(schema, format_checker=jsonschema.FormatChecker())
    return [f"{'/'.join(map(str, error.absolute_path)) or '(top)'}: {error.message}"
            for error in validator.iter_errors(document)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--schemas", required=True, type=pathlib.Path)
    parser.add_argument("--sums", type=pathlib.Path)
    parser.add_argument("--manifests", type=pathlib.Path)
    parser.add_argument("--from", dest="packages", type=pathlib.Path)
    parser.add_argument("--info", type=pathlib.Path)
    parser.add_argument("--work", type=pathlib.Path)
    args = parser.parse_args()
    if args.packages:
        args.sums, args.manifests = make_release_files(args.packages, args.info, args.work)

    sums = {}
    for line in args.sums.read_text(encoding="utf-8").splitlines():
        digest, name = line.split(maxsplit=1)
        sums[name.lstrip("*")] = digest.lower()
    failures = []
    hashes = []  # (manifest, URL, SHA-256)

    winget = sorted(args.manifests.glob("winget/*/*/*/*/*.yaml"))
    if len(winget) != 3:
        failures.append(f"expected three winget manifests, found {[str(p) for p in winget]}")
    for path in winget:
        manifest = yaml.safe_load(path.read_text(encoding="utf-8"))
        kind = manifest.get("ManifestType", "")
        version = manifest.get("ManifestVersion", "")
        schema = args.schemas / f"winget-{version}" / f"manifest.{kind}.{version}.json"
        if not schema.is_file():
            failures.append(f"{path.name}: no schema {schema.name} for its type and version")
            continue
        failures += [f"{path.name}: {error}" for error in schema_errors(manifest, schema)]
        publisher, package, folder_version = path.parts[-4:-1]
        if manifest.get("PackageIdentifier") != f"{publisher}.{package}" \
                or manifest.get("PackageVersion") != folder_version:
            failures.append(f"{path.name} names {manifest.get('PackageIdentifier')} "
                            f"{manifest.get('PackageVersion')!r}, not its folder's")
        for installer in manifest.get("Installers", []):
            hashes.append((path.name, installer["InstallerUrl"], installer["InstallerSha256"]))

    scoop = sorted(args.manifests.glob("scoop/*.json"))
    if len(scoop) != 1:
        failures.append(f"expected one Scoop manifest, found {[str(p) for p in scoop]}")
    for path in scoop:
        manifest = json.loads(path.read_text(encoding="utf-8"))
        failures += [f"{path.name}: {error}"
                     for error in schema_errors(manifest, args.schemas / "scoop" / "schema.json")]
        for architecture in manifest.get("architecture", {}).values():
            hashes.append((path.name, architecture["url"], architecture["hash"]))

    for manifest, url, digest in hashes:
        name = url.rsplit("/", 1)[-1]
        if sums.get(name) != digest.lower():
            failures.append(f"{manifest}: SHA-256 {digest} of {name} is not SHA256SUMS' "
                            f"{sums.get(name)}")

    for failure in failures:
        print(f"FAIL: {failure}")
    if not failures:
        print(f"{len(winget)} winget and {len(scoop)} Scoop manifests follow their schemas; "
              f"{len(hashes)} SHA-256 agree with SHA256SUMS")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
