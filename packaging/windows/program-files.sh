#!/usr/bin/env bash
# Prints the program's files (packaging/windows/program-files.txt), one a line.
set -euo pipefail
sed -e 's/#.*//' -e 's/[[:space:]]*$//' -e '/^$/d' "$(dirname "$0")/program-files.txt"
