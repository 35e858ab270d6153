#!/usr/bin/env bash
# Builds the Windows installer with NSIS:
#   make-installer.sh <Quorvex.exe> <folder with pipeline.js and unpipeline.js> <version> <out.exe>
#                     [<quorvex.ico>]
# The inputs are copied into a scratch folder with their times set to SOURCE_DATE_EPOCH, so that
# the times stored in the installer do not depend on when or where they were built.
set -euo pipefail
if [ $# -lt 4 ] || [ $# -gt 5 ]; then
    echo "usage: make-installer.sh <Quorvex.exe> <preferences folder> <version> <out.exe> [icon]" >&2
    exit 2
fi
exe=$1 preferences=$2 version=$3 out=$4 icon=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
command -v makensis >/dev/null || { echo "make-installer: makensis (nsis) is not installed" >&2; exit 2; }
for f in "$exe" "$preferences/pipeline.js" "$preferences/unpipeline.js" ${icon:+"$icon"}; do
    [ -f "$f" ] || { echo "make-installer: $f is missing" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-nsis.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cp "$exe" "$scratch/Quorvex.exe"
cp "$preferences/pipeline.js" "$preferences/unpipeline.js" "$scratch/"
[ -z "$icon" ] || cp "$icon" "$scratch/quorvex.ico"
touch -h -d "@${SOURCE_DATE_EPOCH:-0}" "$scratch"/*

out_abs=$(realpath -m "$out")
mkdir -p "$(dirname "$out_abs")"
makensis -V2 -NOCD -INPUTCHARSET UTF8 \
    "-DVERSION=$version" "-DEXE=$scratch/Quorvex.exe" "-DPREFERENCES=$scratch" \
    "-DOUTFILE=$out_abs.part" ${icon:+"-DICON=$scratch/quorvex.ico"} \
    "$here/windows/quorvex.nsi"
mv -f "$out_abs.part" "$out_abs"
