#!/usr/bin/env bash
# Fails, naming the files, when the committed .clang-format (clang-format 14) would change any
# C++ file of the repository. `bash scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=$(command -v clang-format-14 || true)
if [ -z "$formatter" ]; then
    echo "check-format: needs clang-format-14 (scripts/deps.sh installs it)" >&2
    exit 2
fi
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
# One run over every file; each change it would make is reported as "<file>:<line>:<col>: error".
status=0
report=$("$formatter" --dry-run --Werror "${files[@]}" 2>&1 >/dev/null) || status=$?
mapfile -t unformatted < <(printf '%s\n' "$report" |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "check-format: clang-format-14 would change ${#unformatted[@]} file(s):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    echo "Run: bash scripts/check-format.sh --fix" >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    printf 'check-format: clang-format-14 failed:\n%s\n' "$report" >&2
    exit 1
fi
echo "check-format: ${#files[@]} files formatted"
