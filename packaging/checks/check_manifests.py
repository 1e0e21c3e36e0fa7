#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the winget and Scoop manifests that write_manifests.py made: each validates against
its published JSON schema (packaging/schemas/), the three winget files name the same package and
version as their folder, and every SHA-256 in them is the one SHA256SUMS gives for that file.

With --info it first makes what a release makes, from the installer and zip that the build's
release-info.json names: SHA256SUMS (with sha256sum) and the manifests (with
write_manifests.py), into WORK.

Usage: check_manifests.py --schemas DIR --sums SHA256SUMS --manifests DIR
       check_manifests.py --schemas DIR --info release-info.json --work WORK
"""

import argparse
import json
import pathlib
import sys

import jsonschema
import yaml

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from check_packaging import expect, finish, release_info, run  # noqa: E402

WRITER = pathlib.Path(__file__).resolve().parent.parent / "write_manifests.py"


def make_release_files(info_path, work):
    info = release_info(info_path)
    packages = pathlib.Path(info["packages"])
    work.mkdir(parents=True, exist_ok=True)
    sums = work / "SHA256SUMS"
    sums.write_text(run("sha256sum", info["installer"], info["zip"], cwd=packages))
    manifests = work / "manifests"
    run(sys.executable, WRITER, "--info", info_path, "--installer", packages / info["installer"],
        "--zip", packages / info["zip"], "--out", manifests)
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
    parser.add_argument("--info", type=pathlib.Path)
    parser.add_argument("--work", type=pathlib.Path)
    args = parser.parse_args()
    if args.info:
        args.sums, args.manifests = make_release_files(args.info, args.work)

    sums = {}
    for line in args.sums.read_text(encoding="utf-8").splitlines():
        digest, name = line.split(maxsplit=1)
        sums[name.lstrip("*")] = digest.lower()
    hashes = []  # (manifest, URL, SHA-256)

    winget = sorted(args.manifests.glob("winget/*/*/*/*/*.yaml"))
    expect(len(winget) == 3, f"expected three winget manifests, found {list(map(str, winget))}")
    for path in winget:
        manifest = yaml.safe_load(path.read_text(encoding="utf-8"))
        kind = manifest.get("ManifestType", "")
        version = manifest.get("ManifestVersion", "")
        schema = args.schemas / f"winget-{version}" / f"manifest.{kind}.{version}.json"
        if not expect(schema.is_file(), f"{path.name}: no schema {schema.name} for its type and "
                                        "version"):
            continue
        for error in schema_errors(manifest, schema):
            expect(False, f"{path.name}: {error}")
        publisher, package, folder_version = path.parts[-4:-1]
        expect(manifest.get("PackageIdentifier") == f"{publisher}.{package}"
               and manifest.get("PackageVersion") == folder_version,
               f"{path.name} names {manifest.get('PackageIdentifier')} "
               f"{manifest.get('PackageVersion')!r}, not its folder's")
        for installer in manifest.get("Installers", []):
            hashes.append((path.name, installer["InstallerUrl"], installer["InstallerSha256"]))

    scoop = sorted(args.manifests.glob("scoop/*.json"))
    expect(len(scoop) == 1, f"expected one Scoop manifest, found {list(map(str, scoop))}")
    for path in scoop:
        manifest = json.loads(path.read_text(encoding="utf-8"))
        for error in schema_errors(manifest, args.schemas / "scoop" / "schema.json"):
            expect(False, f"{path.name}: {error}")
        for architecture in manifest.get("architecture", {}).values():
            hashes.append((path.name, architecture["url"], architecture["hash"]))

    for manifest, url, digest in hashes:
        name = url.rsplit("/", 1)[-1]
        expect(sums.get(name) == digest.lower(),
               f"{manifest}: SHA-256 {digest} of {name} is not SHA256SUMS' {sums.get(name)}")
    return finish(f"{len(winget)} winget and {len(scoop)} Scoop manifests follow their schemas; "
                  f"{len(hashes)} SHA-256 agree with SHA256SUMS")

if __name__ == "__main__":
    sys.exit(main())
