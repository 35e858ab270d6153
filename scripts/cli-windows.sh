#!/usr/bin/env bash
# The console program quorvex.com as an administrator's script uses it, from cmd.exe under Wine,
# in two throwaway prefixes and a home folder under /tmp (never ~/.wine): apply prints one line
# per value and sets %ERRORLEVEL%, reg query finds the values, verify passes, then names a value
# changed with reg add and fails, undo puts the values back, and the file export writes is
# accepted by reg import in a fresh prefix and yields the same eighteen values.
# Usage: cli-windows.sh [windows build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}}")
program=$build/src/win32
[ -f "$program/quorvex.com" ] || { echo "cli-windows: $program/quorvex.com is missing" >&2; exit 2; }
server=$(command -v wineserver64 || command -v wineserver || true)
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    [ -n "$server" ] || [ ! -x "$candidate" ] || server=$candidate
done
started=$SECONDS
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-cli.XXXXXX")
cleanup() {
    for prefix in first fresh; do
        WINEPREFIX="$scratch/$prefix" "$server" -k >/dev/null 2>&1 || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
export HOME="$scratch/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
fail() {
    echo "cli-windows: $*" >&2
    exit 1
}
# Runs a Windows command in the named prefix, from the program's folder (cmd looks there first).
in_prefix() {
    local prefix=$1
    shift
    (cd "$program" && WINEPREFIX="$scratch/$prefix" timeout 60 "$root/cmake/wine-run.sh" "$@")
}
# Runs the lines of a batch file in the named prefix; its output without carriage returns (its
# status, that of the last line, is left to the lines that echo it).
batch() {
    local prefix=$1 file=$scratch/$1-$RANDOM.bat
    shift
    printf '%s\r\n' "@echo off" "$@" >"$file"
    { in_prefix "$prefix" cmd /c "Z:${file//\//\\}" 2>/dev/null || true; } | tr -d '\r'
}
# Both prefixes are made at once: each has a Wine server of its own.
in_prefix fresh wineboot --init >/dev/null 2>&1 &
booting=$!
in_prefix first wineboot --init >/dev/null 2>&1 || fail "could not create the first prefix"
wait "$booting" || fail "could not create the fresh prefix"
booted=$SECONDS

# shellcheck source=scripts/tuned-values.sh
. scripts/tuned-values.sh
# The batch lines that query each of the eighteen values.
queries=()
for entry in "${all_values[@]}"; do queries+=("reg query \"${entry%|*}\" /v \"${entry#*|}\""); done
# The lines of one section of a batch's output, after its "== name" line.
section() { awk -v name="== $1" '/^== / { on = ($0 == name); next } on' <<<"$2"; }
# "name TYPE data" for each of the eighteen values that exists, in plan order.
found_values() { awk 'NF >= 3 && $2 ~ /^REG_/ { $1 = $1; print }'; }

# Apply, typed at the prompt as a person would, with the status read after the command.
applied=$({ in_prefix first cmd /c "quorvex apply dsl-16m & echo %ERRORLEVEL%" 2>/dev/null ||
    true; } | tr -d '\r')
[ "$(grep -c ', written$' <<<"$applied")" -eq 18 ] || fail "apply did not print 18 written values: $applied"
[ "$(tail -n 1 <<<"$applied")" = 0 ] || fail "apply's status line is not 0: $applied"

# The rest in one batch (a Wine start each would cost seconds), each step after a marker.
services_key="$services\Class\NetTrans\0000"
export_file=$scratch/dsl-16m.reg
out=$(batch first \
    "echo == apply" "call quorvex apply dsl-16m --no-firefox >nul 2>nul" "echo %ERRORLEVEL%" \
    "echo == live" "${queries[@]}" \
    "echo == verify" "call quorvex verify >nul" "echo %ERRORLEVEL%" \
    "echo == drift" "reg add \"$services_key\" /v MaxMTU /t REG_SZ /d 1400 /f >nul" \
    "call quorvex verify" "echo status %ERRORLEVEL%" \
    "echo == undo" "call quorvex undo >nul" "echo %ERRORLEVEL%" \
    "echo == undone" "call quorvex verify >nul" "echo %ERRORLEVEL%" \
    "reg query \"$services_key\" /v MaxMTU" \
    "echo == export" "call quorvex export dsl-16m \"Z:${export_file//\//\\}\" >nul" \
    "echo %ERRORLEVEL%")
[ "$(section apply "$out")" = 0 ] || fail "apply ended with status $(section apply "$out")"
live=$(section live "$out" | found_values)
[ "$(wc -l <<<"$live")" -eq 18 ] || fail "reg query found $(wc -l <<<"$live") of the 18 values: $live"
grep -qx 'MaxMTU REG_SZ 1492' <<<"$live" || fail "MaxMTU is not 1492: $live"
[ "$(section verify "$out")" = 0 ] || fail "verify after apply ended with status $(section verify "$out")"
drift=$(section drift "$out")
grep -q 'MaxMTU: expected 1492, found 1400' <<<"$drift" || fail "verify did not name MaxMTU: $drift"
grep -qx 'status 1' <<<"$drift" || fail "verify did not fail on the changed value: $drift"
# The record undo puts back was taken before the second apply, when MaxMTU was 1492.
[ "$(section undo "$out")" = 0 ] || fail "undo ended with status $(section undo "$out")"
undone=$(section undone "$out")
[ "$(head -n 1 <<<"$undone")" = 0 ] || fail "verify after undo failed: $undone"
grep -qx 'MaxMTU REG_SZ 1492' <<<"$(found_values <<<"$undone")" || fail "undo did not put MaxMTU back: $undone"
[ "$(section export "$out")" = 0 ] && [ -s "$export_file" ] || fail "export failed: $(section export "$out")"

imported=$(batch fresh "echo == import" "reg import \"Z:${export_file//\//\\}\" >nul 2>nul" \
    "echo %ERRORLEVEL%" "echo == values" "${queries[@]}")
[ "$(section import "$imported")" = 0 ] || fail "reg import refused the exported file: $imported"
imported=$(section values "$imported" | found_values)
[ "$imported" = "$live" ] || fail "the imported values differ from the applied ones:
$(diff <(echo "$live") <(echo "$imported"))"
echo "cli-windows: passed in $((SECONDS - started)) s ($((booted - started)) s of them making the prefixes)"
