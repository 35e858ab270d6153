#!/usr/bin/env bash
# Builds the portable zip: one folder Quorvex-<version>-win64 with the program's files
# (packaging/windows/program-files.txt: the Firefox preference sets beside the executable, where
# the program looks for them).
#   make-zip.sh <program folder> <version> <out.zip>
# Byte for byte the same from the same inputs: sorted entries, no extra fields, fixed modes, and
# every time set to SOURCE_DATE_EPOCH (in UTC, since zip stores local times).
set -euo pipefail
if [ $# -ne 3 ]; then
    echo "usage: make-zip.sh <program folder> <version> <out.zip>" >&2
    exit 2
fi
program=$1 version=$2 out=$3
mapfile -t files < <(bash "$(dirname "$0")/windows/program-files.sh")
for f in "${files[@]/#/$program/}"; do
    [ -f "$f" ] || { echo "make-zip: $f is missing" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-zip.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
folder=Quorvex-$version-win64
mkdir "$scratch/$folder"
for f in "${files[@]}"; do
    case $f in
        *.exe | *.com) install -m 755 "$program/$f" "$scratch/$folder/$f" ;;
        *) install -m 644 "$program/$f" "$scratch/$folder/$f" ;;
    esac
done
chmod 755 "$scratch/$folder"
export TZ=UTC
touch -d "@${SOURCE_DATE_EPOCH:-0}" "$scratch/$folder" "$scratch/$folder"/*

out_abs=$(realpath -m "$out")
mkdir -p "$(dirname "$out_abs")"
rm -f "$out_abs.part"
(cd "$scratch" && { echo "$folder/"; find "$folder" -type f | LC_ALL=C sort; } |
    zip -q -X -9 -@ "$out_abs.part")
mv -f "$out_abs.part" "$out_abs"
