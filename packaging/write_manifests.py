#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the winget and Scoop manifests of a release from the installer and the zip it made,
with their real SHA-256, and prints the path of each manifest written:

  OUT/winget/<letter>/<Publisher>/<Name>/<version>/   the multi-file manifest (version, installer,
                                                      default locale), ManifestVersion 1.10.0
  OUT/scoop/<moniker>.json                            the Scoop manifest

Every name comes from INFO, which CMake writes from the top CMakeLists (release-info.json in the
build folder); the files are looked for under DOWNLOADS/VERSION/, as the release publishes them.

Usage: write_manifests.py --info INFO --installer SETUP.exe --zip PORTABLE.zip --out OUT
"""

import argparse
import hashlib
import json
import pathlib
import sys
import zipfile

import yaml

WINGET_MANIFEST_VERSION = "1.10.0"
LOCALE = "en-US"


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest().upper()


def program_in_zip(path, program):
    """The program's path inside the zip, with its folders."""
    with zipfile.ZipFile(path) as archive:
        found = [name for name in archive.namelist() if name.split("/")[-1] == program]
    if len(found) != 1:
        raise SystemExit(f"write_manifests: {path} holds {len(found)} copies of {program}")
    return found[0]


def winget_manifests(info, installer, portable):
    common = {"PackageIdentifier": info["identifier"], "PackageVersion": info["version"]}
    folder_url = f"{info['downloads']}/{info['version']}"
    installer_url = f"{folder_url}/{installer.name}"
    program_path = program_in_zip(portable, info["program"])
    entry = {
        "DisplayName": info["name"],
        "Publisher": info["publisher"],
        "DisplayVersion": info["version"],
        "ProductCode": info["product_code"],
    }

    def nullsoft(scope, switch, **elevation):
        return {
            "Architecture": "x64",
            "InstallerType": "nullsoft",
            "Scope": scope,
            "InstallerUrl": installer_url,
            "InstallerSha256": sha256(installer),
            "InstallerSwitches": {"Custom": switch},
            **elevation,
            "ProductCode": info["product_code"],
            "AppsAndFeaturesEntries": [dict(entry)],
        }

    installers = {
        **common,
        "InstallerLocale": LOCALE,
        "InstallModes": ["interactive", "silent", "silentWithProgress"],
        "UpgradeBehavior": "install",
        "ReleaseDate": info["release_date"],
        "Installers": [
            nullsoft("user", "/CurrentUser"),
            # Asks for an administrator itself, only for this scope.
            nullsoft("machine", "/AllUsers", ElevationRequirement="elevatesSelf"),
            {
                "Architecture": "x64",
                "InstallerType": "zip",
                "NestedInstallerType": "portable",
                "NestedInstallerFiles": [{
                    "RelativeFilePath": program_path.replace("/", "\\"),
                    "PortableCommandAlias": info["moniker"],
                }],
                "InstallerUrl": f"{folder_url}/{portable.name}",
                "InstallerSha256": sha256(portable),
            },
        ],
        "ManifestType": "installer",
        "ManifestVersion": WINGET_MANIFEST_VERSION,
    }
    default_locale = {
        **common,
        "PackageLocale": LOCALE,
        "Publisher": info["publisher"],
        "PublisherUrl": info["homepage"],
        "PackageName": info["name"],
        "PackageUrl": info["homepage"],
        "License": info["license"],
        "Copyright": info["copyright"],
        "ShortDescription": info["description"],
        "Moniker": info["moniker"],
        "Tags": info["tags"],
        "ManifestType": "defaultLocale",
        "ManifestVersion": WINGET_MANIFEST_VERSION,
    }
    version = {
        **common,
        "DefaultLocale": LOCALE,
        "ManifestType": "version",
        "ManifestVersion": WINGET_MANIFEST_VERSION,
    }
    identifier = info["identifier"]
    return {
        f"{identifier}.yaml": version,
        f"{identifier}.installer.yaml": installers,
        f"{identifier}.locale.{LOCALE}.yaml": default_locale,
    }


def scoop_manifest(info, portable):
    program_path = program_in_zip(portable, info["program"])
    folder = program_path.rsplit("/", 1)[0] if "/" in program_path else ""
    program = program_path.rsplit("/", 1)[-1]
    version = info["version"]

    def templated(text):
        return text.replace(version, "$version")

    return {
        "version": version,
        "description": info["description"],
        "homepage": info["homepage"],
        "license": info["license"],
        "architecture": {"64bit": {
            "url": f"{info['downloads']}/{version}/{portable.name}",
            "hash": sha256(portable).lower(),
            "extract_dir": folder,
        }},
        "bin": program,
        "shortcuts": [[program, info["name"]]],
        # The downloads folder's index links a folder for each version, the newest last.
        "checkver": {"url": f"{info['downloads']}/", "regex": 'href="([\\d.]+)/"', "reverse": True},
        "autoupdate": {
            "architecture": {"64bit": {
                "url": f"{info['downloads']}/$version/{templated(portable.name)}",
                "extract_dir": templated(folder),
            }},
            "hash": {"url": "$baseurl/SHA256SUMS", "regex": "$sha256\\s+\\*?$basename"},
        },
    }


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--info", required=True, type=pathlib.Path)
    parser.add_argument("--installer", required=True, type=pathlib.Path)
    parser.add_argument("--zip", required=True, type=pathlib.Path)
    parser.add_argument("--out", required=True, type=pathlib.Path)
    args = parser.parse_args()
    info = json.loads(args.info.read_text(encoding="utf-8"))
    info["identifier"] = f"{info['publisher_id']}.{info['package_id']}"

    winget = (args.out / "winget" / info["publisher_id"][0].lower() / info["publisher_id"]
              / info["package_id"] / info["version"])
    winget.mkdir(parents=True, exist_ok=True)
    for name, manifest in winget_manifests(info, args.installer, args.zip).items():
        path = winget / name
        schema = f"https://aka.ms/winget-manifest.{manifest['ManifestType'].lower()}" \
                 f".{WINGET_MANIFEST_VERSION}.schema.json"
        text = yaml.safe_dump(manifest, sort_keys=False, allow_unicode=True, width=100)
        path.write_text(f"# yaml-language-server: $schema={schema}\n\n{text}", encoding="utf-8")
        print(path)

    scoop = args.out / "scoop"
    scoop.mkdir(parents=True, exist_ok=True)
    path = scoop / f"{info['moniker']}.json"
    path.write_text(json.dumps(scoop_manifest(info, args.zip), indent=4) + "\n", encoding="utf-8")
    print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
