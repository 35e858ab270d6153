#!/usr/bin/env bash
# Builds the Windows installer with NSIS:
#   make-installer.sh <program folder> <version> <out.exe> [<quorvex.ico>]
# The program folder holds the files that packaging/windows/program-files.txt lists. They are
# copied into a scratch folder with their times set to SOURCE_DATE_EPOCH, so that the times
# stored in the installer do not depend on when or where they were built. With a certificate
# named in the environment (see packaging/sign.sh) the uninstaller is signed as it is made.
set -euo pipefail
if [ $# -lt 3 ] || [ $# -gt 4 ]; then
    echo "usage: make-installer.sh <program folder> <version> <out.exe> [icon]" >&2
    exit 2
fi
program=$1 version=$2 out=$3 icon=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
command -v makensis >/dev/null || { echo "make-installer: makensis (nsis) is not installed" >&2; exit 2; }
mapfile -t files < <(bash "$here/windows/program-files.sh")
for f in "${files[@]/#/$program/}" ${icon:+"$icon"}; do
    [ -f "$f" ] || { echo "make-installer: $f is missing" >&2; exit 2; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-nsis.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/program"
for f in "${files[@]}"; do cp "$program/$f" "$scratch/program/$f"; done
[ -z "$icon" ] || cp "$icon" "$scratch/quorvex.ico"
touch -h -d "@${SOURCE_DATE_EPOCH:-0}" "$scratch"/program/* ${icon:+"$scratch/quorvex.ico"}

# The three lists the script needs, from the one list of files.
{
    echo '!macro QUORVEX_INSTALL_FILES'
    for f in "${files[@]}"; do echo "  File \"/oname=$f\" \"\${PROGRAM}\\$f\""; done
    echo '!macroend'
    echo '!macro QUORVEX_DELETE_FILES'
    for f in "${files[@]}"; do
        echo '  ClearErrors'
        echo "  Delete \"\$INSTDIR\\$f\""
        echo "  \${If} \${Errors}"
        echo "    StrCpy \$R9 \"\$R9\$\\r\$\\n\$INSTDIR\\$f\""
        echo '  ${EndIf}'
    done
    echo '!macroend'
    echo '!macro QUORVEX_FOR_EACH_PROGRAM action'
    for f in "${files[@]}"; do
        case $f in *.exe | *.com) echo "  !insertmacro \${action} \"$f\"" ;; esac
    done
    echo '!macroend'
} >"$scratch/files.nsh"

out_abs=$(realpath -m "$out")
mkdir -p "$(dirname "$out_abs")"
makensis -V2 -NOCD -INPUTCHARSET UTF8 \
    "-DVERSION=$version" "-DPROGRAM=$scratch/program" "-DFILES=$scratch/files.nsh" \
    "-DLICENSE=$here/../LICENSE" "-DOUTFILE=$out_abs.part" ${icon:+"-DICON=$scratch/quorvex.ico"} \
    "-DFINALIZE_UNINSTALLER=bash \"$here/windows/finish-uninstaller.sh\" \"%1\"" \
    "$here/windows/quorvex.nsi"
mv -f "$out_abs.part" "$out_abs"
