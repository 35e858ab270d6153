"""Checks one release's winget manifests (version, installer, default locale):
  check-manifests.py <folder of the three .yaml files> [<SHA256SUMS>]

Each file is validated with jsonschema against the rules below, which restate the published
manifest schema 1.6.0 for every field these manifests use (types, patterns, lengths, enums,
required fields) and refuse any other field. The three files must name the same package and
version, be named as winget's repository names them, and, given SHA256SUMS, carry its sums.
"""
import glob
import os
import re
import sys

import jsonschema
import yaml

IDENTIFIER = r"^[^\.\s\\/:\*\?\"<>\|\x01-\x1f]{1,32}(\.[^\.\s\\/:\*\?\"<>\|\x01-\x1f]{1,32}){1,7}$"
VERSION = r"^[^\\/:\*\?\"<>\|\x01-\x1f]+$"
LOCALE = r"^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$"
URL = {"type": "string", "pattern": r"^([Hh][Tt][Tt][Pp][Ss]?)://.+$", "maxLength": 2048}
SHA256 = {"type": "string", "pattern": r"^[A-Fa-f0-9]{64}$"}
MANIFEST_VERSION = {"type": "string", "pattern": r"^1\.([6-9]|[1-9][0-9])\.[0-9]+$"}


def text(low, high):
    return {"type": "string", "minLength": low, "maxLength": high}


def strings(low, high, items, unique=True):
    return {"type": "array", "items": text(low, high), "maxItems": items, "uniqueItems": unique}


def common(kind):
    return {
        "PackageIdentifier": {"type": "string", "pattern": IDENTIFIER, "maxLength": 128},
        "PackageVersion": {"type": "string", "pattern": VERSION, "maxLength": 128},
        "ManifestType": {"const": kind},
        "ManifestVersion": MANIFEST_VERSION,
    }


def closed(properties, required):
    return {"type": "object", "properties": properties, "required": required,
            "additionalProperties": False}


VERSION_SCHEMA = closed(
    {**common("version"), "DefaultLocale": {"type": "string", "pattern": LOCALE, "maxLength": 20}},
    ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType", "ManifestVersion"])

INSTALLER_TYPE = {"enum": ["msix", "msi", "appx", "exe", "zip", "inno", "nullsoft", "wix", "burn",
                           "pwa", "portable"]}
SWITCH = text(1, 512)
INSTALLER = closed({
    "Architecture": {"enum": ["x86", "x64", "arm", "arm64", "neutral"]},
    "InstallerType": INSTALLER_TYPE,
    "Scope": {"enum": ["user", "machine"]},
    "InstallerUrl": URL,
    "InstallerSha256": SHA256,
    "InstallerSwitches": closed({
        "Silent": SWITCH, "SilentWithProgress": SWITCH, "Interactive": SWITCH,
        "InstallLocation": SWITCH, "Log": SWITCH, "Upgrade": SWITCH, "Custom": text(1, 2048),
    }, []),
    "UpgradeBehavior": {"enum": ["install", "uninstallPrevious", "deny"]},
    "ProductCode": text(1, 255),
    "AppsAndFeaturesEntries": {"type": "array", "maxItems": 128, "items": closed({
        "DisplayName": text(1, 256), "Publisher": text(1, 256), "DisplayVersion": text(1, 128),
        "ProductCode": text(1, 255), "UpgradeCode": text(1, 255), "InstallerType": INSTALLER_TYPE,
    }, [])},
}, ["Architecture", "InstallerType", "InstallerUrl", "InstallerSha256"])
INSTALLER_SCHEMA = closed({
    **common("installer"),
    "Platform": {"type": "array", "items": {"enum": ["Windows.Desktop", "Windows.Universal"]},
                 "maxItems": 2, "uniqueItems": True},
    "MinimumOSVersion": {"type": "string", "pattern": r"^[0-9]{1,5}(\.[0-9]{1,5}){0,3}$"},
    "InstallModes": {"type": "array", "items": {"enum": ["interactive", "silent",
                                                         "silentWithProgress"]},
                     "maxItems": 3, "uniqueItems": True},
    "ExpectedReturnCodes": {"type": "array", "maxItems": 128, "items": closed({
        "InstallerReturnCode": {"type": "integer", "not": {"enum": [0]},
                                "minimum": -2147483648, "maximum": 4294967295},
        "ReturnResponse": {"enum": [
            "packageInUse", "packageInUseByApplication", "installInProgress", "fileInUse",
            "missingDependency", "diskFull", "insufficientMemory", "invalidParameter",
            "noNetwork", "contactSupport", "rebootRequiredToFinish", "rebootRequiredForInstall",
            "rebootInitiated", "cancelledByUser", "alreadyInstalled", "downgrade",
            "blockedByPolicy", "systemNotSupported", "custom"]},
    }, ["InstallerReturnCode", "ReturnResponse"])},
    "Installers": {"type": "array", "items": INSTALLER, "minItems": 1, "maxItems": 1024},
}, ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType", "ManifestVersion"])

LOCALE_SCHEMA = closed({
    **common("defaultLocale"),
    "PackageLocale": {"type": "string", "pattern": LOCALE, "maxLength": 20},
    "Publisher": text(2, 256),
    "PublisherUrl": URL,
    "PublisherSupportUrl": URL,
    "PackageName": text(2, 256),
    "PackageUrl": URL,
    "License": text(3, 512),
    "LicenseUrl": URL,
    "Copyright": text(3, 512),
    "ShortDescription": text(3, 256),
    "Description": text(3, 10000),
    "Moniker": {"type": "string", "pattern": r"^\S+$", "minLength": 1, "maxLength": 40},
    "Tags": {"type": "array", "maxItems": 16, "uniqueItems": True,
             "items": {"type": "string", "pattern": r"^\S+$", "minLength": 1, "maxLength": 40}},
    "ReleaseNotes": text(1, 10000),
    "ReleaseNotesUrl": URL,
}, ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName",
    "License", "ShortDescription", "ManifestType", "ManifestVersion"])


def main(folder, sums_path=None):
    problems = []
    manifests = {}
    for path in sorted(glob.glob(os.path.join(folder, "*.yaml"))):
        with open(path, encoding="utf-8") as f:
            # Strings stay strings: a version such as 1.10 must not become a number.
            manifests[os.path.basename(path)] = yaml.load(f, Loader=yaml.BaseLoader)
    kinds = {m.get("ManifestType") if isinstance(m, dict) else None: name
             for name, m in manifests.items()}
    if len(manifests) != 3 or set(kinds) != {"version", "installer", "defaultLocale"}:
        problems.append(f"{folder} must hold exactly a version, an installer and a "
                        f"defaultLocale manifest, not {sorted(manifests)}")
        return problems
    schemas = {"version": VERSION_SCHEMA, "installer": INSTALLER_SCHEMA,
               "defaultLocale": LOCALE_SCHEMA}
    for kind, name in kinds.items():
        manifest = manifests[name]
        # The loader keeps every scalar as text; the schema's integers are integers.
        for code in manifest.get("ExpectedReturnCodes") or []:
            if isinstance(code, dict) and re.fullmatch(r"-?[0-9]+", code.get("InstallerReturnCode", "")):
                code["InstallerReturnCode"] = int(code["InstallerReturnCode"])
        validator = jsonschema.Draft202012Validator(schemas[kind])
        for error in sorted(validator.iter_errors(manifest), key=str):
            where = "/".join(str(p) for p in error.absolute_path) or "(top)"
            problems.append(f"{name}: {where}: {error.message}")
    version = manifests[kinds["version"]]
    identifier, package_version = version.get("PackageIdentifier"), version.get("PackageVersion")
    for name, manifest in manifests.items():
        if (manifest.get("PackageIdentifier"), manifest.get("PackageVersion")) != (
                identifier, package_version):
            problems.append(f"{name} names another package or version")
    locale = version.get("DefaultLocale")
    expected = {"version": f"{identifier}.yaml", "installer": f"{identifier}.installer.yaml",
                "defaultLocale": f"{identifier}.locale.{locale}.yaml"}
    for kind, name in kinds.items():
        if name != expected[kind]:
            problems.append(f"the {kind} manifest is {name}, not {expected[kind]}")
    if manifests[kinds["defaultLocale"]].get("PackageLocale") != locale:
        problems.append("the default locale manifest is not in the version's DefaultLocale")
    if os.path.basename(os.path.normpath(folder)) != package_version:
        problems.append(f"the manifests of {package_version} lie in {folder}")
    if sums_path:
        sums = {}
        with open(sums_path, encoding="utf-8") as f:
            for line in f:
                digest, _, name = line.rstrip("\n").partition("  ")
                sums[name] = digest.upper()
        for installer in manifests[kinds["installer"]].get("Installers", []):
            name = installer.get("InstallerUrl", "").rsplit("/", 1)[-1]
            if sums.get(name) != installer.get("InstallerSha256"):
                problems.append(f"the sum given for {name} is not the one in {sums_path}")
    return problems


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: check-manifests.py <manifest folder> [<SHA256SUMS>]")
    found = main(*sys.argv[1:])
    for problem in found:
        print(f"check-manifests: {problem}", file=sys.stderr)
    sys.exit(1 if found else 0)
