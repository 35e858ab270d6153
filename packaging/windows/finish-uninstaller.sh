#!/usr/bin/env bash
# Run by makensis on the uninstaller it has just made, before it goes into the installer:
#   finish-uninstaller.sh <uninstaller.exe>
# The uninstaller is the installer's own program, so it carries the installer's description:
# this describes it as the uninstaller, then signs it when a certificate is named.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
python3 "$here/describe-uninstaller.py" "$1"
[ -z "${QUORVEX_SIGN_CERT:-}" ] || bash "$here/../sign.sh" "$1"
