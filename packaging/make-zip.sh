#!/usr/bin/env bash
# Builds the portable zip: one folder Quorvex-<version>-win64 with the executable and the two
# Firefox preference sets beside it, where the program looks for them.
#   make-zip.sh <Quorvex.exe> <folder with pipeline.js and unpipeline.js> <version> <out.zip>
# Byte for byte the same from the same inputs: sorted entries, no extra fields, fixed modes, and
# every time set to SOURCE_DATE_EPOCH (in UTC, since zip stores local times).
set -euo pipefail
if [ $# -ne 4 ]; then
    echo "usage: make-zip.sh <Quorvex.exe> <preferences folder> <version> <out.zip>" >&2
    exit 2
fi
exe=$1 preferences=$2 version=$3 out=$4
for f in "$exe" "$preferences/pipeline.js" "$preferences/unpipeline.js"; do
    [ -f "$f" ] || { echo "make-zip: $f is missing" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-zip.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
folder=Quorvex-$version-win64
mkdir "$scratch/$folder"
install -m 755 "$exe" "$scratch/$folder/Quorvex.exe"
install -m 644 "$preferences/pipeline.js" "$preferences/unpipeline.js" "$scratch/$folder/"
chmod 755 "$scratch/$folder"
export TZ=UTC
touch -d "@${SOURCE_DATE_EPOCH:-0}" "$scratch/$folder" "$scratch/$folder"/*

out_abs=$(realpath -m "$out")
mkdir -p "$(dirname "$out_abs")"
rm -f "$out_abs.part"
(cd "$scratch" && { echo "$folder/"; find "$folder" -type f | LC_ALL=C sort; } |
    zip -q -X -9 -@ "$out_abs.part")
mv -f "$out_abs.part" "$out_abs"
