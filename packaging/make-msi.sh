#!/usr/bin/env bash
# Builds the Windows Installer package (per-machine, for Intune, SCCM and Group Policy) with wixl:
#   make-msi.sh <program folder> <version> <out.msi> [<quorvex.ico>]
# The program folder holds the files that packaging/windows/program-files.txt lists; they go to
# Program Files\Quorvex with a Start-menu shortcut. The UpgradeCode never changes, so a newer
# package replaces an older one; the product and package codes follow from the version and the
# files, so that the same inputs give the same codes.
set -euo pipefail
if [ $# -lt 3 ] || [ $# -gt 4 ]; then
    echo "usage: make-msi.sh <program folder> <version> <out.msi> [icon]" >&2
    exit 2
fi
program=$(realpath "$1") version=$2 out=$3 icon=${4:+$(realpath "$4")}
here=$(cd "$(dirname "$0")" && pwd)
command -v wixl >/dev/null || { echo "make-msi: wixl (msitools) is not installed" >&2; exit 2; }
mapfile -t files < <(bash "$here/windows/program-files.sh")
for f in "${files[@]/#/$program/}" ${icon:+"$icon"}; do
    [ -f "$f" ] || { echo "make-msi: $f is missing" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-msi.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
# wixl reads sources relative to the .wxs file.
mkdir "$scratch/program"
for f in "${files[@]}"; do cp "$program/$f" "$scratch/program/$f"; done
[ -z "$icon" ] || cp "$icon" "$scratch/quorvex.ico"
uuid() { python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' "$@"; }
namespace=6f1d2c3e-8a4b-5c6d-9e0f-7a8b9c0d1e2f
upgrade_code=8C4E2A61-3B7D-4F19-A5E2-6D0B9C1F7A34
product_code=$(uuid "$namespace" "product $version")
package_code=$(uuid "$namespace" "package $version $(cd "$program" && sha256sum "${files[@]}" | sha256sum)")

{
    cat <<XML
<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id="$product_code" UpgradeCode="$upgrade_code" Name="Quorvex" Version="$version"
           Manufacturer="Quorvex" Language="1033" Codepage="1252">
    <Package Id="$package_code" InstallerVersion="500" Compressed="yes" InstallScope="perMachine"
             Description="Quorvex $version"
             Comments="Copyright (c) 2026 The Quorvex developers. MIT License (LICENSE.txt)."
             Manufacturer="Quorvex"/>
    <MajorUpgrade DowngradeErrorMessage="A newer version of Quorvex is already installed."/>
    <Media Id="1" Cabinet="quorvex.cab" EmbedCab="yes"/>
XML
    if [ -n "$icon" ]; then
        echo '    <Icon Id="quorvex.ico" SourceFile="quorvex.ico"/>'
        echo '    <Property Id="ARPPRODUCTICON" Value="quorvex.ico"/>'
    fi
    cat <<XML
    <Property Id="ARPNOMODIFY" Value="1"/>
    <Property Id="ARPNOREPAIR" Value="1"/>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFiles64Folder">
        <Directory Id="INSTALLDIR" Name="Quorvex">
XML
    for f in "${files[@]}"; do
        id=$(printf '%s' "$f" | tr -c 'A-Za-z0-9\n' '_')
        echo "          <Component Id=\"c_$id\" Guid=\"$(uuid "$namespace" "component $f")\" Win64=\"yes\">"
        echo "            <File Id=\"f_$id\" Name=\"$f\" Source=\"program/$f\" KeyPath=\"yes\"/>"
        echo '          </Component>'
    done
    cat <<XML
        </Directory>
      </Directory>
      <Directory Id="ProgramMenuFolder">
        <Component Id="c_shortcut" Guid="$(uuid "$namespace" "component shortcut")" Win64="yes">
          <Shortcut Id="s_quorvex" Name="Quorvex" Target="[INSTALLDIR]Quorvex.exe"
                    WorkingDirectory="INSTALLDIR"/>
          <RegistryValue Root="HKLM" Key="Software\Quorvex\Installer" Name="Shortcut"
                         Type="integer" Value="1" KeyPath="yes"/>
        </Component>
      </Directory>
    </Directory>
    <Feature Id="Program" Title="Quorvex" Level="1">
XML
    for f in "${files[@]}"; do
        echo "      <ComponentRef Id=\"c_$(printf '%s' "$f" | tr -c 'A-Za-z0-9\n' '_')\"/>"
    done
    cat <<XML
      <ComponentRef Id="c_shortcut"/>
    </Feature>
  </Product>
</Wix>
XML
} >"$scratch/quorvex.wxs"

out_abs=$(realpath -m "$out")
mkdir -p "$(dirname "$out_abs")"
(cd "$scratch" && wixl -a x64 -o "$out_abs.part" quorvex.wxs)
mv -f "$out_abs.part" "$out_abs"
