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
# "present" or "absent" for each value named "KEY|NAME", from one cmd.exe run (a Wine start
# costs more than the queries).
states() {
    local file=$scratch/query-$RANDOM.bat entry
    {
        printf '@echo off\r\n'
        for entry in "$@"; do
            printf 'reg query "%s" /v "%s" >nul 2>&1\r\necho %%ERRORLEVEL%%\r\n' \
                "${entry%|*}" "${entry#*|}"
        done
    } >"$file"
    { wine cmd /c "Z:${file//\//\\}" 2>/dev/null || true; } | tr -d '\r ' |
        awk '{ print ($0 == "0" ? "present" : "absent") }'
}
services='HKLM\System\CurrentControlSet\Services'
machine=(
    "$services\VxD\MSTCP|DefaultRcvWindow" "$services\VxD\MSTCP|DefaultTTL"
    "$services\VXD\MSTCP|Tcp1323Opts" "$services\Class\NetTrans\0000|MaxMTU"
    "$services\Class\NetTrans\0000|IPMTU" "$services\Class\NetTrans\0000\NDI\params\IPMTU|(Default)"
    "$services\Class\NetTrans\0000|MaxMSS" "$services\VxD\MSTCP|SackOpts"
    "$services\Tcpip\Parameters|TcpMaxDupAcks" "$services\AFD\Parameters|FastCopyReceiveThreshold"
    "$services\AFD\Parameters|FastSendDatagramThreshold"
    "$services\LanmanWorkstation\Parameters|SizReqBuf" "$services\LanmanWorkstation\Parameters|MaxCmds"
    "$services\LanmanWorkstation\Parameters|MaxThreads"
    "HKLM\SOFTWARE\Policies\Microsoft\Windows\Psched|NonBestEffortLimit"
)
internet='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
own=("$internet|MaxConnectionsPerServer" "$internet|MaxConnectionsPer1_0Server")
policy='Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
# Every listed value is in the named state.
expect() {
    local state=$1 what=$2 found i=0 entry
    shift 2
    found=$(states "$@")
    for entry in "$@"; do
        i=$((i + 1))
        [ "$(sed -n "${i}p" <<<"$found")" = "$state" ] ||
            fail "$what: ${entry#*|} (${entry%|*}) is not $state"
    done
}

# 1. Nothing to hand over to: the window's part alone.
out=$(split 'C:\nowhere\quorvex.com' token apply)
grep -q '^box: 16 of the 18 registry values could not be written' <<<"$out" ||
    fail "the refused hand-over was not reported: $out"
expect absent "without the elevated part" "${machine[@]}" "HKCU\\$policy|NoRecentDocsNetHood"
expect present "the window's own part" "${own[@]}"

# 2. Handed over for another user: that user's hive, created here as Windows has it loaded.
other='S-1-5-21-1000-2000-3000-4242'
wine reg add "HKU\\$other\\Software" /f >/dev/null 2>&1 || fail "could not make the other hive"
out=$(split "Z:${console//\//\\}" "$other" apply)
grep -qx 'restart offered' <<<"$out" || fail "the split apply did not end with the restart: $out"
expect present "the elevated part" "${machine[@]}" "HKU\\$other\\$policy|NoRecentDocsNetHood"
expect absent "the window's hive" "HKCU\\$policy|NoRecentDocsNetHood"
expect present "the window's own part" "${own[@]}"

# 3. For the user's own SID, then undone.
out=$(split "Z:${console//\//\\}" token apply)
sid=$(sed -n 's/^user //p' <<<"$out")
[[ "$sid" == S-1-* ]] || fail "no SID for the user: $out"
grep -qx 'restart offered' <<<"$out" || fail "the apply for the user did not end well: $out"
expect present "the user's policy" "HKU\\$sid\\$policy|NoRecentDocsNetHood" \
    "HKCU\\$policy|NoRecentDocsNetHood"
out=$(split "Z:${console//\//\\}" token undo)
grep -qx 'restart offered' <<<"$out" || fail "the split undo did not end well: $out"
# The record of step 3 holds step 2's values; the user's own policy value did not exist then.
expect present "after undo" "${machine[@]}" "${own[@]}"
expect absent "after undo" "HKCU\\$policy|NoRecentDocsNetHood"

echo "elevation-windows: the split holds ($((SECONDS - started)) s)"
