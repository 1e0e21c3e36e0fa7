#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora Software
# SPDX-License-Identifier: GPL-3.0-or-later
"""Signs what the test command has built, as a release is signed, with keys made for the run and
thrown away after it, and checks the signed files as a user would:

  keys       a test certificate authority and a code-signing certificate (openssl), whose key
             is kept in a PKCS#12 file with a passphrase and on a SoftHSM2 token; an OpenPGP key
             (gpg) in a home of its own
  windows    scripts/pack-windows signs with the PKCS#12 key: osslsigncode verify -CAfile
             accepts the program, the uninstaller and the installer, and refuses each of them
             changed by one byte; the program signed with the token's key (PKCS#11) too
  unsigned   scripts/check-signed: without its signature each file is the build's own
  checksums  gpg --verify accepts SHA256SUMS.asc, and refuses it for SHA256SUMS with a changed line
  debian     the Debian package's upload signed with debsign: dscverify accepts the .dsc
  wine       the signed installer installs, the signed program shows its window, and the signed
             uninstaller takes it away again (the uninstaller it installed is the one verified)

Usage: check_signed_release.py SOURCE_ROOT WINDOWS_BUILD DEBIAN_WORK WORK
  (under an X display: xvfb-run -a)
"""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import zipfile

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from check_packaging import expect, finish, release_info, run, say, step  # noqa: E402
from check_windows_packages import Wine, uninstall_command  # noqa: E402

WINDOW_TITLE = "Varnel Tosk"
PASSPHRASE = "throw-away passphrase"
PIN = "4321"
TOKEN, KEY_LABEL = "varneltosk-test", "code-signing"
SOFTHSM_MODULE = "/usr/lib/softhsm/libsofthsm2.so"

def make_keys(keys):
    """A certificate authority and a code-signing certificate it issued, the key as a PKCS#12
    file and on a SoftHSM2 token, and an OpenPGP key; returns the environment that names them."""
    openssl = ["openssl", "req", "-newkey", "rsa:2048", "-noenc", "-days", "2"]
    run(*openssl, "-x509", "-keyout", keys / "ca.key", "-out", keys / "ca.pem",
        "-subj", "/CN=VarnelTosk throw-away test CA",
        "-addext", "basicConstraints=critical,CA:TRUE",
        "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    run(*openssl, "-keyout", keys / "signer.key", "-out", keys / "signer.csr",
        "-subj", "/CN=VarnelTosk throw-away test signer")
    (keys / "signer.ext").write_text("basicConstraints=critical,CA:FALSE\n"
                                     "keyUsage=critical,digitalSignature\n"
                                     "extendedKeyUsage=codeSigning\n")
    run("openssl", "x509", "-req", "-in", keys / "signer.csr", "-CA", keys / "ca.pem",
        "-CAkey", keys / "ca.key", "-days", "2", "-extfile", keys / "signer.ext",
        "-out", keys / "signer.pem")
    (keys / "passphrase").write_text(PASSPHRASE + "\n")
    run("openssl", "pkcs12", "-export", "-inkey", keys / "signer.key",
        "-in", keys / "signer.pem", "-certfile", keys / "ca.pem",
        "-passout", f"file:{keys / 'passphrase'}", "-out", keys / "signer.p12")
    with (keys / "chain.pem").open("w") as chain:
        chain.write((keys / "signer.pem").read_text() + (keys / "ca.pem").read_text())

    tokens = keys / "tokens"
    tokens.mkdir()
    (keys / "softhsm2.conf").write_text(f"directories.tokendir = {tokens}\n"
                                        "objectstore.backend = file\nlog.level = ERROR\n")
    os.environ["SOFTHSM2_CONF"] = str(keys / "softhsm2.conf")
    run("softhsm2-util", "--init-token", "--free", "--label", TOKEN, "--pin", PIN,
        "--so-pin", PIN)
    run("openssl", "pkcs8", "-topk8", "-nocrypt", "-in", keys / "signer.key",
        "-out", keys / "signer.p8")
    run("softhsm2-util", "--import", keys / "signer.p8", "--token", TOKEN,
        "--label", KEY_LABEL, "--id", "01", "--pin", PIN)
    (keys / "pin").write_text(PIN + "\n")

    home = keys / "gnupg"
    home.mkdir(mode=0o700)
    os.environ["GNUPGHOME"] = str(home)
    run("gpg", "--batch", "--quiet", "--passphrase", "", "--quick-gen-key",
        "VarnelTosk throw-away test signer <signer@velmora.invalid>", "ed25519", "sign", "2d")
    listed = run("gpg", "--list-secret-keys", "--with-colons")
    fingerprint = next(line.split(":")[9] for line in listed.splitlines()
                       if line.startswith("fpr:"))
    with (keys / "openpgp-public.gpg").open("wb") as public:
        subprocess.run(["gpg", "--export", fingerprint], stdout=public, check=True)
    return {
        "VARNELTOSK_SIGN_PKCS12": str(keys / "signer.p12"),
        "VARNELTOSK_SIGN_PASSPHRASE_FILE": str(keys / "passphrase"),
        "VARNELTOSK_OPENPGP_KEY": fingerprint,
    }


def verify(path, ca):
    return run("osslsigncode", "verify", "-CAfile", ca, "-in", path, check=False)


def check_authenticode(files, ca, scratch):
    for name, path in files.items():
        result = verify(path, ca)
        if expect(result.returncode == 0, f"osslsigncode verify refuses {name}:\n"
                                          f"{result.stdout}{result.stderr}"):
            lines = [line.strip() for line in result.stdout.splitlines()]
            signer = next(line for line in lines if line.startswith("Subject:"))
            say(f"osslsigncode verify -CAfile ca.pem {name}: {signer}; {'; '.join(lines[-2:])}")
        changed = scratch / f"changed-{path.name}"
        data = bytearray(path.read_bytes())
        data[len(data) // 2] ^= 0x01
        changed.write_bytes(data)
        expect(verify(changed, ca).returncode != 0,
               f"osslsigncode verify accepts {name} changed by one byte after signing")
        changed.unlink()


def check_token(scripts, build, program, keys, scratch):
    copy = scratch / f"token-signed-{program}"
    shutil.copy(build / program, copy)
    environment = {key: value for key, value in os.environ.items()
                   if not key.startswith("VARNELTOSK_SIGN_")}
    environment.update(VARNELTOSK_SIGN_PKCS11_MODULE=SOFTHSM_MODULE,
                       VARNELTOSK_SIGN_PKCS11_KEY=f"pkcs11:token={TOKEN};object={KEY_LABEL};"
                                                  "type=private",
                       VARNELTOSK_SIGN_CERTIFICATE=str(keys / "chain.pem"),
                       VARNELTOSK_SIGN_PASSPHRASE_FILE=str(keys / "pin"))
    run(scripts / "sign", "windows", copy, env=environment)
    result = verify(copy, keys / "ca.pem")
    expect(result.returncode == 0, f"osslsigncode verify refuses the program signed with the "
                                   f"key on the token:\n{result.stdout}{result.stderr}")


def check_checksums(scripts, signed, info):
    names = [info["zip"], info["installer"]]
    sums = signed / "SHA256SUMS"
    sums.write_text(run("sha256sum", "--", *names, cwd=signed))
    run(scripts / "sign", "openpgp", sums)
    accepted = run("gpg", "--verify", sums.with_name("SHA256SUMS.asc"), sums, check=False)
    expect(accepted.returncode == 0, f"gpg --verify refuses SHA256SUMS.asc: {accepted.stderr}")
    original = sums.read_text()
    changed = original.replace(original[0], "0" if original[0] != "0" else "1", 1)
    sums.write_text(changed)
    refused = run("gpg", "--verify", sums.with_name("SHA256SUMS.asc"), sums, check=False)
    expect(refused.returncode != 0, "gpg --verify accepts SHA256SUMS.asc for a changed SHA256SUMS")
    sums.write_text(original)


def check_debian(scripts, debian_work, folder, keyring):
    """On a copy of the upload: the .changes, and the .dsc, source archive and .buildinfo it
    lists."""
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir()
    upload = [p for p in debian_work.glob("varneltosk_*")
              if p.name.endswith((".dsc", ".tar.xz", ".buildinfo", ".changes"))]
    dscs = [p for p in upload if p.suffix == ".dsc"]
    changes = [p for p in upload if p.suffix == ".changes"]
    if not expect(len(dscs) == 1 and len(changes) == 1,
                  f"{debian_work} holds no upload to sign: run the linux_debian_package stage"):
        return
    for path in upload:
        shutil.copy(path, folder)
    run(scripts / "sign", "debian", folder / changes[0].name)
    result = run("dscverify", "--no-default-keyrings", "--keyring", keyring,
                 folder / dscs[0].name, check=False)
    expect(result.returncode == 0, f"dscverify refuses the signed .dsc:\n{result.stdout}"
                                   f"{result.stderr}")


def check_unsigned(scripts, signed, build):
    result = run(scripts / "check-signed", signed, build, check=False)
    print(result.stdout, end="")
    expect(result.returncode == 0, f"scripts/check-signed fails:\n{result.stderr}")


def check_wine(source, build, signed, info):
    """Installs with the signed installer for the current user, starts the signed program and
    waits for its window, and uninstalls with the signed uninstaller, which it returns a copy of."""
    wine = Wine(str(source / "cmake" / "wine-run"), str(build / "wine"))
    for entry in wine.entries().values():  # left behind by an earlier, failed run
        wine.run(*uninstall_command(entry), check=False)
    wine.run(str(signed / info["installer"]), "/S")
    entries = list(wine.entries().values())
    if not expect(len(entries) == 1, f"the signed installer made {len(entries)} entries in "
                                     "Apps & features, not one"):
        return None
    program, uninstaller = entries[0]["DisplayIcon"], uninstall_command(entries[0])[0]
    expect(wine.unix_path(program).read_bytes() == (signed / info["program"]).read_bytes(),
           "the installed program is not the signed one")
    kept = signed / "installed-uninstaller.exe"
    shutil.copy(wine.unix_path(uninstaller), kept)

    wine.start(program)
    try:
        subprocess.run(["xdotool", "search", "--sync", "--name", f"^{WINDOW_TITLE}$"],
                       capture_output=True, timeout=120, check=True)
    except subprocess.SubprocessError:
        expect(False, "the signed program showed no window")
    wine.stop_all()

    wine.run(*uninstall_command(entries[0]))
    expect(not wine.unix_path(program).exists(), f"the signed uninstaller left {program}")
    return kept


def unsigned_packages(build, info):
    """The build folder's own packages, which scripts/check-signed compares with; the Windows
    tests make them, and a program built since makes them again."""
    packages = [pathlib.Path(info["packages"]) / info[kind] for kind in ("zip", "installer")]
    built = (build / info["program"]).stat().st_mtime
    if not all(p.is_file() and p.stat().st_mtime >= built for p in packages):
        say("packing the unsigned zip and installer in the build folder")
        run("cpack", "--config", build / "CPackConfig.cmake")


def main():
    source, build, debian_work, work = (pathlib.Path(a).resolve() for a in sys.argv[1:5])
    signed = work / "windows"
    scripts = source / "scripts"
    info = release_info(build / "release-info.json")
    program, installer = info["program"], signed / info["installer"]
    unsigned_packages(build, info)
    with tempfile.TemporaryDirectory(prefix="varneltosk-keys-") as temporary:
        keys = pathlib.Path(temporary)
        ca = keys / "ca.pem"
        try:
            os.environ.update(step("making throw-away keys", make_keys, keys))
            step("packing the signed zip and installer (scripts/pack-windows)",
                 run, scripts / "pack-windows", build, signed)
            uninstaller = step("installing, starting and uninstalling under Wine", check_wine,
                               source, build, signed, info)
            in_zip = work / program
            with zipfile.ZipFile(signed / info["zip"]) as archive:
                in_zip.write_bytes(archive.read(f"{info['download_name']}/{program}"))
            files = {"the program from the zip": in_zip, "the installer": installer}
            if uninstaller:
                files["the uninstaller it installed"] = uninstaller
            step("osslsigncode verify, and a byte changed after signing", check_authenticode,
                 files, ca, work)
            step("signing with the key on a PKCS#11 token", check_token, scripts, build, program,
                 keys, work)
            step("removing the signatures (scripts/check-signed)", check_unsigned, scripts,
                 signed, build)
            step("signing SHA256SUMS, gpg --verify", check_checksums, scripts, signed, info)
            step("signing the Debian upload, dscverify", check_debian, scripts, debian_work,
                 work / "debian", keys / "openpgp-public.gpg")
        finally:
            if os.environ.get("GNUPGHOME", "").startswith(temporary):
                subprocess.run(["gpgconf", "--kill", "gpg-agent"], check=False)
    return finish("the signed release verifies, and its files are the build's unsigned ones "
                  "with signatures added")

if __name__ == "__main__":
    sys.exit(main())
