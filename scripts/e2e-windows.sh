#!/usr/bin/env bash
# The Windows program end to end, as a person uses it: Quorvex.exe runs under Wine on a virtual
# display from a bare folder (the executable and its two preference sets only), in a throwaway
# Wine prefix and home folder under /tmp (never ~/.wine). It picks a connection kind in Combo3,
# runs "Everything Automatically", answers Yes to the confirmation and No to the restart, then
# checks with `reg query` the eighteen values, the Firefox profile's user.js and the settings
# under HKEY_CURRENT_USER\Software\Quorvex; then starts the program again and checks that the
# choice was restored. Every wait is bounded. Usage: e2e-windows.sh [windows build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}}")
program=$build/src/win32/Quorvex.exe
probe_exe=$build/tools/win32_probe/quorvex_win32_probe.exe
for file in "$program" "$probe_exe"; do
    [ -f "$file" ] || { echo "e2e-windows: $file is missing: build the Windows stage first" >&2; exit 2; }
done
loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
server=$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-e2e.XXXXXX")
export WINEPREFIX=$scratch/prefix HOME=$scratch/home WINEARCH=win64 WINEDEBUG=-all
export WINELOADER=$loader WINESERVER=$server
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME" "$scratch/app" "$scratch/tools"
cleanup() {
    "$server" -k >/dev/null 2>&1 || true
    [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "e2e-windows: FAILED: $*" >&2; probe >&2 || true; exit 1; }

# A display of its own, picked by Xvfb and reported back.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' <"$scratch/display")"

started=$SECONDS
timeout 180 "$loader" wineboot --init >"$scratch/wineboot.log" 2>&1 ||
    { cat "$scratch/wineboot.log" >&2; fail "creating the Wine prefix"; }

# The bare folder: nothing beside the executable but the two preference sets.
cp "$program" "$build/src/win32/pipeline.js" "$build/src/win32/unpipeline.js" "$scratch/app/"
cp "$probe_exe" "$scratch/tools/probe.exe"
probe() { timeout 30 "$loader" "$scratch/tools/probe.exe" "$@" | tr -d '\r'; }

# A Firefox profile with a user.js of the user's own, under the prefix's AppData.
appdata=$(timeout 30 "$loader" cmd /c echo %APPDATA% | tr -d '\r')
profiles=$(timeout 30 "$loader" winepath -u "$appdata" | tr -d '\r')/Mozilla/Firefox/Profiles
mkdir -p "$profiles/e2e.default"
echo 'user_pref("e2e.own", true);' >"$profiles/e2e.default/user.js"

# Waits up to $1 seconds for a probe line matching $2; prints it.
wait_for() {
    local deadline=$((SECONDS + $1)) line
    while [ $SECONDS -lt $deadline ]; do
        line=$(probe | grep -E -m1 -- "$2" || true)
        [ -n "$line" ] && { echo "$line"; return 0; }
        sleep 0.3
    done
    return 1
}
# Clicks the middle of the window a probe line describes, like a pointer would.
click_line() {
    local x1 y1 x2 y2
    read -r x1 y1 x2 y2 < <(awk '{print $5, $6, $7, $8}' <<<"$1")
    xdotool mousemove $(((x1 + x2) / 2)) $(((y1 + y2) / 2)) sleep 0.2 click 1
}
start_program() {
    (cd "$scratch/app" && exec timeout 300 "$loader" ./Quorvex.exe) >"$scratch/quorvex.log" 2>&1 &
    wait_for 60 '^0 [0-9a-f]+ QuorvexForm1 1 ' >/dev/null || fail "the main window never appeared"
}

kind="DSL Or Cable Modem (16 Megabit And Up)"
start_program
combo=$(wait_for 10 ' ComboBox 1 ') || fail "no connection list"
click_line "$combo"
sleep 0.5
# The list opens; walk to the entry with the keys, as the list offers them, and take it.
xdotool key Home
for _ in $(seq 40); do
    probe | grep -q " ComboBox 1 .* $kind\$" && break
    xdotool key Down
done
xdotool key Return
sleep 0.3
probe | grep -q " ComboBox 1 .* $kind\$" || fail "could not choose \"$kind\""

# "Everything Automatically" comes just before the list in the tab order; Enter runs it.
xdotool key shift+Tab sleep 0.2 key Return
wait_for 20 '^0 [0-9a-f]+ #32770 1 .* Quorvex$' >/dev/null || fail "no confirmation"
click_line "$(wait_for 5 ' Button 1 .* &Yes$')"
# The shell's restart prompt: No.
wait_for 60 '^0 [0-9a-f]+ #32770 1 .* (Restart|Quorvex)$' >/dev/null || fail "no restart prompt"
no=$(wait_for 5 ' Button 1 .* &No$') || fail "the restart prompt has no No"
click_line "$no"
deadline=$((SECONDS + 20))
while probe | grep -q ' #32770 1 '; do [ $SECONDS -lt $deadline ] || fail "a prompt stays open"; sleep 0.3; done

# The eighteen values, with their types and data for the chosen kind.
failures=0
check_value() {  # hive\key, value name, type, data
    local line
    line=$(timeout 30 "$loader" reg query "$1" 2>/dev/null | tr -d '\r' |
        grep -E "^ +$(sed 's/[()]/\\&/g' <<<"$2") +REG_" || true)
    if ! grep -qE "^ +$(sed 's/[()]/\\&/g' <<<"$2") +$3 +$4\$" <<<"$line"; then
        echo "e2e-windows: $1 \"$2\" is \"${line## }\", not $3 $4" >&2
        failures=$((failures + 1))
    fi
}
services='HKLM\System\CurrentControlSet\Services'
internet='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
check_value "$services\\VxD\\MSTCP" DefaultRcvWindow REG_SZ 374616
check_value "$services\\VxD\\MSTCP" DefaultTTL REG_SZ 64
check_value "$services\\VXD\\MSTCP" Tcp1323Opts REG_SZ 1
check_value "$services\\Class\\NetTrans\\0000" MaxMTU REG_SZ 1492
check_value "$services\\Class\\NetTrans\\0000" IPMTU REG_SZ 1492
check_value "$services\\Class\\NetTrans\\0000\\NDI\\params\\IPMTU" "(Default)" REG_SZ 1492
check_value "$services\\Class\\NetTrans\\0000" MaxMSS REG_SZ 1452
check_value "$services\\VxD\\MSTCP" SackOpts REG_SZ 1
check_value "$services\\Tcpip\\Parameters" TcpMaxDupAcks REG_DWORD 0x2
check_value "$services\\AFD\\Parameters" FastCopyReceiveThreshold REG_SZ 1500
check_value "$services\\AFD\\Parameters" FastSendDatagramThreshold REG_SZ 1500
check_value "$services\\LanmanWorkstation\\Parameters" SizReqBuf REG_DWORD 0x4000
check_value "$services\\LanmanWorkstation\\Parameters" MaxCmds REG_DWORD 0x40
check_value "$services\\LanmanWorkstation\\Parameters" MaxThreads REG_DWORD 0x40
check_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer' \
    NoRecentDocsNetHood REG_DWORD 0x1
check_value 'HKLM\SOFTWARE\Policies\Microsoft\Windows\Psched' NonBestEffortLimit REG_DWORD 0x0
check_value "$internet" MaxConnectionsPerServer REG_DWORD 0xa
check_value "$internet" MaxConnectionsPer1_0Server REG_DWORD 0xa
# The settings, under the current user, with the chosen kind among them.
check_value 'HKCU\Software\Quorvex\Values' Connection REG_SZ "$(sed 's/[()]/\\&/g' <<<"$kind")"

# The profile got the optimized preference set; the user's own file was kept aside.
cmp -s "$profiles/e2e.default/user.js" "$scratch/app/pipeline.js" ||
    { echo "e2e-windows: the profile's user.js is not the optimized set" >&2; failures=$((failures + 1)); }
ls "$profiles/e2e.default" | grep -q '^user\.js\.backup' ||
    { echo "e2e-windows: the user's own user.js was not kept" >&2; failures=$((failures + 1)); }

# Closed and started again, the program shows the same choice.
"$server" -k >/dev/null 2>&1 || true
sleep 1
start_program
wait_for 10 " ComboBox 1 .* $(sed 's/[()]/\\&/g' <<<"$kind")\$" >/dev/null ||
    { echo "e2e-windows: the choice was not restored" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || fail "$failures checks"
echo "e2e-windows: passed in $((SECONDS - started)) s"
