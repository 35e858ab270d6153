#!/usr/bin/env bash
# The window's writes split between the user's process and quorvex.com started elevated ("runas"),
# under Wine in a throwaway prefix and home folder (never ~/.wine). Wine shows no consent prompt
# and runs every process elevated, so the driver (tests/win32/elevation_split_driver.cpp) runs the
# window's commands as an unelevated window would, and reg query shows who wrote what:
#   1. with no quorvex.com to hand over to, the window's own part writes only the two per-user
#      Internet Settings values: the fifteen machine values and the Explorer policy stay absent;
#   2. handed over for another user's SID, the fifteen machine values are written and the policy
#      value lands in HKEY_USERS\<that SID>, not in the window's own HKEY_CURRENT_USER;
#   3. for the user's own SID the policy value is the user's; undo hands the deletions over and
#      every value is gone again.
# Usage: elevation-windows.sh [windows build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}}")
console=$build/src/win32/quorvex.com
driver=$build/tests/win32/quorvex_elevation_split.exe
for file in "$console" "$driver"; do
    [ -f "$file" ] || { echo "elevation-windows: $file is missing" >&2; exit 2; }
done
server=$(command -v wineserver64 || command -v wineserver || true)
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    [ -n "$server" ] || [ ! -x "$candidate" ] || server=$candidate
done
started=$SECONDS
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-elevation.XXXXXX")
export WINEPREFIX="$scratch/prefix" HOME="$scratch/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
cleanup() {
    "$server" -k >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "elevation-windows: $*" >&2
    exit 1
}
wine() { timeout 60 "$root/cmake/wine-run.sh" "$@"; }
wine wineboot --init >/dev/null 2>&1 || fail "could not create the prefix"

# The driver's output without carriage returns; its status is checked by the caller.
split() { { wine "$driver" "$@" 2>/dev/null || echo "status $?"; } | tr -d '\r'; }
# The checks of one step, "present|KEY|NAME" or "absent|KEY|NAME", run by expect in one cmd.exe
# (a Wine start costs more than all the queries); "run|COMMAND" runs a command there too.
checks=()
mark() {
    local state=$1 entry
    shift
    for entry in "$@"; do checks+=("$state|$entry"); done
}
expect() {
    local what=$1 file=$scratch/check-$RANDOM.bat entry rest found i=0
    {
        printf '@echo off\r\n'
        for entry in "${checks[@]}"; do
            rest=${entry#*|}
            if [ "${entry%%|*}" = run ]; then
                printf '%s >nul 2>&1\r\n' "$rest"
            else
                printf 'reg query "%s" /v "%s" >nul 2>&1\r\necho %%ERRORLEVEL%%\r\n' \
                    "${rest%|*}" "${rest#*|}"
            fi
        done
    } >"$file"
    found=$({ wine cmd /c "Z:${file//\//\\}" 2>/dev/null || true; } | tr -d '\r ' |
        awk '{ print ($0 == "0" ? "present" : "absent") }')
    for entry in "${checks[@]}"; do
        [ "${entry%%|*}" != run ] || continue
        i=$((i + 1))
        rest=${entry#*|}
        [ "$(sed -n "${i}p" <<<"$found")" = "${entry%%|*}" ] ||
            fail "$what: ${rest#*|} (${rest%|*}) is not ${entry%%|*}"
    done
    checks=()
}
# shellcheck source=scripts/tuned-values.sh
. scripts/tuned-values.sh
# 1. Nothing to hand over to: the window's part alone.
other='S-1-5-21-1000-2000-3000-4242'
out=$(split 'C:\nowhere\quorvex.com' token apply)
grep -q '^box: 16 of the 18 registry values could not be written' <<<"$out" ||
    fail "the refused hand-over was not reported: $out"
mark absent "${machine[@]}" "HKCU\\$policy|NoRecentDocsNetHood"
mark present "${own[@]}"
# Another user's hive for step 2, as Windows has it loaded.
checks+=("run|reg add \"HKU\\$other\\Software\" /f")
expect "without the elevated part"

# 2. Handed over for another user: the policy value goes to that user's hive.
out=$(split "Z:${console//\//\\}" "$other" apply)
grep -qx 'restart offered' <<<"$out" || fail "the split apply did not end with the restart: $out"
mark present "${machine[@]}" "HKU\\$other\\$policy|NoRecentDocsNetHood" "${own[@]}"
mark absent "HKCU\\$policy|NoRecentDocsNetHood"
expect "handed over for another user"

# 3. For the user's own SID, then undone.
out=$(split "Z:${console//\//\\}" token apply)
sid=$(sed -n 's/^user //p' <<<"$out")
[[ "$sid" == S-1-* ]] || fail "no SID for the user: $out"
grep -qx 'restart offered' <<<"$out" || fail "the apply for the user did not end well: $out"
mark present "HKU\\$sid\\$policy|NoRecentDocsNetHood" "HKCU\\$policy|NoRecentDocsNetHood"
expect "the user's own policy"
out=$(split "Z:${console//\//\\}" token undo)
grep -qx 'restart offered' <<<"$out" || fail "the split undo did not end well: $out"
# The record of step 3 holds step 2's values; the user's own policy value did not exist then.
mark present "${machine[@]}" "${own[@]}"
mark absent "HKCU\\$policy|NoRecentDocsNetHood"
expect "after undo"

echo "elevation-windows: the split holds ($((SECONDS - started)) s)"
