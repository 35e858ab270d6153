#!/usr/bin/env bash
# The Windows program end to end, as a person uses it: Quorvex.exe runs under Wine on a virtual
# display from a bare folder (the executable and its two preference sets only), in a throwaway
# Wine prefix and home folder under /tmp (never ~/.wine). It picks a connection kind in Combo3,
# clicks "Everything Automatically", answers Yes to the confirmation and No to the restart, then
# checks with `reg query` the eighteen values, the Firefox profile's user.js and the settings
# under HKEY_CURRENT_USER\Software\Quorvex; then starts the program again and checks that the
# choice was restored. Every wait is bounded. Usage: e2e-windows.sh [windows build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}}")
# shellcheck source=scripts/wine-desktop.sh
. scripts/wine-desktop.sh
started=$SECONDS

# A Firefox profile with a user.js of the user's own, under the prefix's AppData.
appdata=$(timeout 30 "$loader" cmd /c echo %APPDATA% | tr -d '\r')
profiles=$(timeout 30 "$loader" winepath -u "$appdata" | tr -d '\r')/Mozilla/Firefox/Profiles
mkdir -p "$profiles/e2e.default"
echo 'user_pref("e2e.own", true);' >"$profiles/e2e.default/user.js"

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

# "Everything Automatically" with the pointer: moving onto the resting picture reveals the
# command picture under it, which takes the click.
icon=$(wait_for 5 ' QuorvexPicture 1 .* Everything Automatically$') ||
    fail "no Everything Automatically icon"
click_line "$icon"
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
        grep -E "^ +$(literal "$2") +REG_" || true)
    if ! grep -qE "^ +$(literal "$2") +$3 +$4\$" <<<"$line"; then
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
check_value 'HKCU\Software\Quorvex\Values' Connection REG_SZ "$(literal "$kind")"

# The profile got the optimized preference set; the user's own file was kept aside.
cmp -s "$profiles/e2e.default/user.js" "$scratch/app/pipeline.js" ||
    { echo "e2e-windows: the profile's user.js is not the optimized set" >&2; failures=$((failures + 1)); }
ls "$profiles/e2e.default" | grep -q '^user\.js\.backup' ||
    { echo "e2e-windows: the user's own user.js was not kept" >&2; failures=$((failures + 1)); }

# Closed and started again, the program shows the same choice.
"$server" -k >/dev/null 2>&1 || true
sleep 1
start_program
wait_for 10 " ComboBox 1 .* $(literal "$kind")\$" >/dev/null ||
    { echo "e2e-windows: the choice was not restored" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || fail "$failures checks"
echo "e2e-windows: passed in $((SECONDS - started)) s"
