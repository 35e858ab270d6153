"""Writes the winget manifests of one release (schema 1.6.0): the version, installer and
default-locale files, in <out>/<version>/, from the version and the release's SHA256SUMS.

  make-manifests.py --version X.Y.Z --sums SHA256SUMS --setup <setup.exe name>
                    --msi <.msi name> --out <folder> [--url <download folder URL>]
                    [--product-code {GUID}]

The MSI's product code is read from the package beside SHA256SUMS (msiinfo) unless given.
"""
import argparse
import os
import re
import subprocess
import sys

IDENTIFIER = "Quorvex.Quorvex"
MANIFEST_VERSION = "1.6.0"
HOMEPAGE = "https://github.com/quorvex/quorvex"
UPGRADE_CODE = "{8C4E2A61-3B7D-4F19-A5E2-6D0B9C1F7A34}"


def quoted(text):
    """A YAML double-quoted scalar."""
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def header(kind):
    return (f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{kind}."
            f"{MANIFEST_VERSION}.schema.json\n\n"
            f"PackageIdentifier: {IDENTIFIER}\n")


def read_sums(path):
    sums = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            match = re.fullmatch(r"([0-9a-f]{64}) [ *](.+)", line.rstrip("\n"))
            if not match:
                sys.exit(f"make-manifests: {path}: not a SHA256SUMS line: {line!r}")
            sums[match.group(2)] = match.group(1).upper()
    return sums


def msi_product_code(path):
    table = subprocess.run(["msiinfo", "export", path, "Property"], check=True,
                           capture_output=True, text=True).stdout
    for line in table.splitlines():
        name, _, value = line.partition("\t")
        if name == "ProductCode":
            return value.strip()
    sys.exit(f"make-manifests: {path} has no ProductCode")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--version", required=True)
    parser.add_argument("--sums", required=True)
    parser.add_argument("--setup", required=True)
    parser.add_argument("--msi", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--url")
    parser.add_argument("--product-code")
    args = parser.parse_args()
    version = args.version
    if not re.fullmatch(r"[0-9]+(\.[0-9]+){1,3}", version):
        sys.exit(f"make-manifests: {version!r} is not a release version")
    sums = read_sums(args.sums)
    for name in (args.setup, args.msi):
        if name not in sums:
            sys.exit(f"make-manifests: {args.sums} has no sum for {name}")
    url = (args.url or f"{HOMEPAGE}/releases/download/v{version}").rstrip("/")
    product_code = args.product_code or msi_product_code(
        os.path.join(os.path.dirname(args.sums), args.msi))

    files = {}
    files[f"{IDENTIFIER}.yaml"] = header("version") + (
        f"PackageVersion: {quoted(version)}\n"
        "DefaultLocale: en-US\n"
        "ManifestType: version\n"
        f"ManifestVersion: {MANIFEST_VERSION}\n")

    installers = ""
    for scope, switch in (("user", "/CurrentUser"), ("machine", "/AllUsers")):
        installers += (
            "- Architecture: x64\n"
            "  InstallerType: nullsoft\n"
            f"  Scope: {scope}\n"
            f"  InstallerUrl: {url}/{args.setup}\n"
            f"  InstallerSha256: {sums[args.setup]}\n"
            "  InstallerSwitches:\n"
            f"    Custom: {switch}\n"
            "  UpgradeBehavior: install\n")
    installers += (
        "- Architecture: x64\n"
        "  InstallerType: wix\n"
        "  Scope: machine\n"
        f"  InstallerUrl: {url}/{args.msi}\n"
        f"  InstallerSha256: {sums[args.msi]}\n"
        f"  ProductCode: {quoted(product_code)}\n"
        "  AppsAndFeaturesEntries:\n"
        f"  - DisplayVersion: {quoted(version)}\n"
        f"    ProductCode: {quoted(product_code)}\n"
        f"    UpgradeCode: {quoted(UPGRADE_CODE)}\n"
        "  UpgradeBehavior: install\n")
    files[f"{IDENTIFIER}.installer.yaml"] = header("installer") + (
        f"PackageVersion: {quoted(version)}\n"
        "Platform:\n- Windows.Desktop\n"
        "MinimumOSVersion: 10.0.0.0\n"
        "InstallModes:\n- interactive\n- silent\n"
        "ExpectedReturnCodes:\n"
        "- InstallerReturnCode: 2\n"
        "  ReturnResponse: packageInUse\n"
        f"Installers:\n{installers}"
        "ManifestType: installer\n"
        f"ManifestVersion: {MANIFEST_VERSION}\n")

    files[f"{IDENTIFIER}.locale.en-US.yaml"] = header("defaultLocale") + (
        f"PackageVersion: {quoted(version)}\n"
        "PackageLocale: en-US\n"
        "Publisher: Quorvex\n"
        f"PublisherUrl: {HOMEPAGE}\n"
        f"PublisherSupportUrl: {HOMEPAGE}/issues\n"
        "PackageName: Quorvex\n"
        f"PackageUrl: {HOMEPAGE}\n"
        "License: MIT\n"
        f"LicenseUrl: {HOMEPAGE}/blob/v{version}/LICENSE\n"
        "Copyright: Copyright (c) 2026 The Quorvex developers\n"
        "ShortDescription: Writes the classic TCP/IP tuning values for your kind of connection"
        " and shows your traffic.\n"
        "Description: |-\n"
        "  Quorvex writes the classic set of TCP/IP and network tuning values into the registry\n"
        "  for the kind of internet or network connection you have, keeps undo records of what\n"
        "  it changed, switches Firefox profiles to an optimized or default preference set and\n"
        "  shows current, average and best transfer speeds with two live graphs.\n"
        "Moniker: quorvex\n"
        "Tags:\n- network\n- tcp-ip\n- tuning\n- registry\n- traffic-monitor\n"
        f"ReleaseNotesUrl: {HOMEPAGE}/releases/tag/v{version}\n"
        "ManifestType: defaultLocale\n"
        f"ManifestVersion: {MANIFEST_VERSION}\n")

    folder = os.path.join(args.out, version)
    os.makedirs(folder, exist_ok=True)
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)


if __name__ == "__main__":
    main()
