#!/usr/bin/env bash
# The Windows program end to end, as a person uses it: Quorvex.exe runs under Wine on a virtual
# display from a bare folder (the executable alone, without its two preference sets), in a throwaway
# Wine prefix and home folder under /tmp (never ~/.wine). It picks a connection kind in Combo3,
# clicks "Everything Automatically", answers Yes to the confirmation and No to the restart, then
# checks with `reg query` the eighteen values, the Firefox profile's user.js and the settings
# under HKEY_CURRENT_USER\Software\Quorvex; then starts the program again and checks that the
# choice was restored; then runs "Undo Last Change…" from the window's system menu and checks
# that every value either tuning command can write is back as it was before the optimization.
# Every wait is bounded. Usage: e2e-windows.sh [windows build folder]
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

services='HKLM\System\CurrentControlSet\Services'
internet='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
# Every value either tuning command can write, as "key|name".
tracked=(
    "$services\VxD\MSTCP|DefaultRcvWindow"
    "$services\VxD\MSTCP|DefaultTTL"
    "$services\VXD\MSTCP|Tcp1323Opts"
    "$services\Class\NetTrans\0000|MaxMTU"
    "$services\Class\NetTrans\0000|IPMTU"
    "$services\Class\NetTrans\0000\NDI\params\IPMTU|(Default)"
    "$services\Class\NetTrans\0000|MaxMSS"
    "$services\VxD\MSTCP|SackOpts"
    "$services\Tcpip\Parameters|TcpMaxDupAcks"
    "$services\AFD\Parameters|FastCopyReceiveThreshold"
    "$services\AFD\Parameters|FastSendDatagramThreshold"
    "$services\LanmanWorkstation\Parameters|SizReqBuf"
    "$services\LanmanWorkstation\Parameters|MaxCmds"
    "$services\LanmanWorkstation\Parameters|MaxThreads"
    "HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer|NoRecentDocsNetHood"
    "HKLM\SOFTWARE\Policies\Microsoft\Windows\Psched|NonBestEffortLimit"
    "$internet|MaxConnectionsPerServer"
    "$internet|MaxConnectionsPer1_0Server"
    "$services\VXD\MSTCP\Parameters|MaxDupAcks"
)
# One line per tracked value: "key|name|type data", or "key|name|absent". One Wine process
# queries every key, each after a marker line.
tracked_state() {
    local entry batch=$scratch/query.bat
    : >"$batch"
    for entry in "${tracked[@]}"; do
        printf '@echo ==%s\r\n@reg query "%s"\r\n' "${entry/|/^|}" "${entry%|*}" >>"$batch"
    done
    # reg fails on a missing key: its message goes nowhere and the marker tells the rest.
    { timeout 60 "$loader" cmd /c "$(timeout 30 "$loader" winepath -w "$batch" | tr -d '\r')" \
        2>/dev/null || true; } | tr -d '\r' | awk '
        function flush() { if (entry != "") print entry "|" (found == "" ? "absent" : found) }
        /^==/ { flush(); entry = substr($0, 3); split(entry, part, "|"); found = ""; next }
        { line = $0; sub(/^ +/, "", line)
          if (index(line, part[2] " ") == 1 && substr(line, length(part[2]) + 1) ~ /^ +REG_/) {
              rest = substr(line, length(part[2]) + 1); sub(/^ +/, "", rest); gsub(/ +/, " ", rest)
              found = rest } }
        END { flush() }'
}
# Two values the user had already: one of the type the optimization writes, one of another type,
# so that the undo has to bring back data and type as well as remove what was absent.
printf '@reg add "%s" /v TcpMaxDupAcks /t REG_SZ /d 7 /f\r\n@reg add "%s" /v %s /t REG_DWORD /d 4 /f\r\n' \
    "$services\\Tcpip\\Parameters" "$internet" MaxConnectionsPerServer >"$scratch/seed.bat"
timeout 60 "$loader" cmd /c "$(timeout 30 "$loader" winepath -w "$scratch/seed.bat" | tr -d '\r')" \
    >/dev/null 2>&1 || fail "could not set the user's own values"
before_optimization=$(tracked_state)
grep -qx ".*|TcpMaxDupAcks|REG_SZ 7" <<<"$before_optimization" &&
    grep -qx ".*|MaxConnectionsPerServer|REG_DWORD 0x4" <<<"$before_optimization" ||
    fail "could not read the values before the optimization: $before_optimization"

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
question=$(wait_for 20 '^0 [0-9a-f]+ #32770 1 .* Quorvex$') || fail "no confirmation"
click_line "$(wait_for 5 ' Button 1 .* &Yes$')"
# The next box also has a No: wait for this one to go first.
wait_gone 20 "^0 $(awk '{print $2}' <<<"$question") " || fail "the confirmation stays open"
# The shell's restart prompt: No. A box saying Firefox was not tuned would come before it.
wait_for 60 '^0 [0-9a-f]+ #32770 1 .* (Restart|Quorvex)$' >/dev/null || fail "no restart prompt"
! probe | grep -E ' (No Firefox profile|Firefox could not be tuned)' >&2 || fail "Firefox was not tuned"
no=$(wait_for 5 ' Button 1 .* &No$') || fail "the restart prompt has no No"
click_line "$no"
wait_gone 20 ' #32770 1 ' || fail "a prompt stays open"

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

# Every tracked value is now there (the optimization's eighteen and the one only the advanced
# page writes, absent as before): the listing reads what the undo is checked against.
after_optimization=$(tracked_state)
[ "$(grep -c '|absent$' <<<"$after_optimization")" -eq 1 ] ||
    { echo "e2e-windows: after the optimization: $after_optimization" >&2; failures=$((failures + 1)); }

# The profile got the optimized preference set, byte for byte, from the program alone (the
# shipped file is the compiled-in set, which a unit test holds it to); the user's own file was
# kept aside; the program's folder still holds nothing but the program.
cmp -s "$profiles/e2e.default/user.js" src/browser/pipeline.js ||
    { echo "e2e-windows: the profile's user.js is not the optimized set" >&2; failures=$((failures + 1)); }
[ "$(ls -A "$scratch/app")" = Quorvex.exe ] ||
    { echo "e2e-windows: the program's folder holds $(ls -A "$scratch/app" | tr '\n' ' ')" >&2; failures=$((failures + 1)); }
ls "$profiles/e2e.default" | grep -q '^user\.js\.backup' ||
    { echo "e2e-windows: the user's own user.js was not kept" >&2; failures=$((failures + 1)); }

# Closed and started again, the program shows the same choice.
"$server" -k >/dev/null 2>&1 || true
sleep 1
start_program
wait_for 10 " ComboBox 1 .* $(literal "$kind")\$" >/dev/null ||
    { echo "e2e-windows: the choice was not restored" >&2; failures=$((failures + 1)); }

# "Undo Last Change…" from the system menu (Alt+Space, then up from the bottom past "Open
# Records Folder", "Check Applied Values…" and "Restore Original Settings…"), Yes to its
# question, No to the restart.
xdotool key alt+space
sleep 0.7
xdotool key Up Up Up Up
sleep 0.3
xdotool key Return
wait_for 20 ' Put back the 19 tuning values as they were on [0-9-]+ [0-9:]+\?$' >/dev/null ||
    fail "no undo question"
click_line "$(wait_for 5 ' Button 1 .* &Yes$')"
wait_gone 20 ' Put back the 19 tuning values ' || fail "the undo question stays open"
wait_for 60 '^0 [0-9a-f]+ #32770 1 .* (Restart|Quorvex)$' >/dev/null ||
    fail "no restart prompt after the undo"
click_line "$(wait_for 5 ' Button 1 .* &No$')"
wait_gone 20 ' #32770 1 ' || fail "a prompt stays open"
after_undo=$(tracked_state)
if [ "$after_undo" != "$before_optimization" ]; then
    echo "e2e-windows: after the undo the values differ from before the optimization:" >&2
    diff <(echo "$before_optimization") <(echo "$after_undo") >&2 || true
    failures=$((failures + 1))
fi

# The hand-chosen settings with the pointer: "Apply Settings", Yes, No to the restart; then the
# value only the advanced page writes is there too.
click_line "$(wait_for 5 ' QuorvexPicture 1 .* Apply Settings$')" || fail "no Apply Settings"
wait_for 20 ' Are you sure you want to proceed with applying these optimizations\?$' >/dev/null ||
    fail "no question before the advanced apply"
click_line "$(wait_for 5 ' Button 1 .* &Yes$')"
wait_gone 20 ' applying these optimizations' || fail "the apply question stays open"
wait_for 60 '^0 [0-9a-f]+ #32770 1 .* (Restart|Quorvex)$' >/dev/null ||
    fail "no restart prompt after the advanced apply"
click_line "$(wait_for 5 ' Button 1 .* &No$')"
wait_gone 20 ' #32770 1 ' || fail "a prompt stays open"
after_apply=$(tracked_state)
grep -q '|absent$' <<<"$after_apply" &&
    { echo "e2e-windows: after the advanced apply: $after_apply" >&2; failures=$((failures + 1)); }

# Both Firefox buttons on their page: each copies its set over the profile's user.js and hands
# over to the other.
click_line "$(wait_for 5 ' QuorvexPicture 1 .* Mozilla Firefox$')" || fail "no Mozilla Firefox icon"
wait_for 5 '^1 [0-9a-f]+ QuorvexPage 1 .* Picture15$' >/dev/null || fail "no Firefox page"
for step in "Disable Optimized Configuration:unpipeline.js" \
    "Enable Optimized Configuration:pipeline.js" "Disable Optimized Configuration:unpipeline.js"; do
    IFS=: read -r caption set <<<"$step"
    button=$(wait_for 5 " QuorvexPushButton 1 .* $caption\$") || continue
    click_line "$button"
    sleep 1
    if ! cmp -s "$profiles/e2e.default/user.js" "src/browser/$set"; then
        echo "e2e-windows: \"$caption\" did not copy $set" >&2
        failures=$((failures + 1))
    fi
    clicked_firefox=$((${clicked_firefox:-0} + 1))
done
[ "${clicked_firefox:-0}" -ge 2 ] ||
    { echo "e2e-windows: the Firefox buttons were not both enabled in turn" >&2; failures=$((failures + 1)); }

# The monitor over a few seconds of loopback traffic, then back: the back button takes the
# window home and flattens both graphs, which shows when the monitor opens again at once.
# Brightest pixel inside both graphs (0 to 65535): the flat graph is black with a dark grid.
graph_brightness() {
    local origin x y
    origin=$(probe | awk '$3 == "QuorvexPicture" && $7 - $5 == 500 && $8 - $6 == 600 {print $5, $6; exit}')
    read -r x y <<<"$origin"
    # Inside the graphs' frames: the monitor page at 8,112, the graphs at 8,24 and 240,24, 191 x 201.
    for left in 18 250; do
        import -window root -crop "187x197+$((x + left))+$((y + 138))" png:- |
            convert - -colorspace Gray -format '%[max]\n' info:
    done | sort -n | tail -1
}
python3 scripts/loopback_traffic.py 6 >/dev/null 2>&1 &
traffic_pid=$!
click_line "$(wait_for 5 ' QuorvexPicture 1 .* Open Traffic Monitor$')" || fail "no monitor button"
wait_for 5 '^1 [0-9a-f]+ QuorvexPage 1 .* Picture3$' >/dev/null || fail "the monitor did not open"
sleep 5
echo "e2e-windows: the graphs' brightest pixel with traffic: $(graph_brightness)"
# The back button stands where the monitor button did: the pointer moves over it and waits until
# the movement has revealed the command under the resting picture, as a person's eye would.
reveal_and_click() {
    local line x1 y1 x2 y2
    line=$(wait_for 5 " QuorvexPicture 1 .* $(literal "$1")\$") || return 1
    read -r x1 y1 x2 y2 < <(awk '{print $5, $6, $7, $8}' <<<"$line")
    xdotool mousemove 5 5 sleep 0.3 mousemove $((x1 + 40)) $(((y1 + y2) / 2)) sleep 0.3 \
        mousemove $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
    for _ in $(seq 20); do
        [ "$(probe | grep -cE " QuorvexPicture 1 .* $(literal "$1")\$")" -eq 1 ] && break
        sleep 0.3
    done
    xdotool click 1
}
reveal_and_click "Back To Main Menu" || fail "no back button"
wait_for 10 '^1 [0-9a-f]+ QuorvexPage 1 .* Picture2$' >/dev/null ||
    { echo "e2e-windows: Back did not show the home page" >&2; failures=$((failures + 1)); }
sleep 3
reveal_and_click "Open Traffic Monitor" || fail "no monitor button"
wait_for 5 '^1 [0-9a-f]+ QuorvexPage 1 .* Picture3$' >/dev/null || fail "the monitor did not open again"
brightness=$(graph_brightness)
[ "${brightness:-65535}" -lt 16384 ] ||
    { echo "e2e-windows: Back left the graphs drawn ($brightness)" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] || fail "$failures checks"
echo "e2e-windows: passed in $((SECONDS - started)) s"
