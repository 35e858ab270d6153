#!/usr/bin/env bash
# Installs the Windows installer silently into a throwaway Wine prefix (never ~/.wine) on a
# throwaway X display, and checks it the way a user meets it:
#   check-installer.sh <Quorvex-<version>-setup.exe> <version> [<Quorvex-<version>-win64.zip>]
# - Quorvex.exe and both preference sets in Program Files\Quorvex, the Start-menu shortcut and
#   the uninstall entry (reg query: name, version, publisher, icon, size, uninstall commands);
# - the installed program starts and shows its main window (the "Quorvex" window, 498 x 607);
# - the silent uninstall leaves no file of ours and no uninstall entry, and keeps the saved
#   settings, the tuning values and the user's Firefox files;
# - given the portable zip, the program unpacked from it starts and shows its main window too.
# The program is only started and ended: nothing is clicked, so no command of it runs.
set -euo pipefail
if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: check-installer.sh <setup.exe> <version> [<portable.zip>]" >&2
    exit 2
fi
setup=$(realpath -m "$1") version=$2 portable=${3:+$(realpath -m "$3")}

loader=$(command -v wine64 || true)
[ -n "$loader" ] || [ ! -x /usr/lib/wine/wine64 ] || loader=/usr/lib/wine/wine64
server=$(command -v wineserver64 || command -v wineserver || true)
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    [ -n "$server" ] || [ ! -x "$candidate" ] || server=$candidate
done
for tool in Xvfb xdotool strings unzip; do
    command -v "$tool" >/dev/null || { echo "check-installer: $tool is not installed" >&2; exit 2; }
done
[ -n "$loader" ] && [ -n "$server" ] || { echo "check-installer: wine64 is not installed" >&2; exit 2; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-setup.XXXXXX")
export WINEPREFIX="$scratch/prefix" HOME="$scratch/home" WINELOADER="$loader" WINESERVER="$server"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME WAYLAND_DISPLAY
mkdir -p "$HOME"
xvfb_pid=""
cleanup() {
    "$server" -k >/dev/null 2>&1 || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

failures=0
fail() {
    echo "check-installer: FAIL: $*" >&2
    failures=$((failures + 1))
}
step() { echo "check-installer: $* ($((SECONDS - started)) s)"; }
started=$SECONDS

# A display of our own, so that the program's windows can be found and nothing shows elsewhere.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 30 display <&3 || { echo "check-installer: Xvfb did not start" >&2; exit 1; }
exec 3<&-
export DISPLAY=:$display

wine() { timeout "${WINE_TIMEOUT:-120}" "$loader" "$@"; }
mkdir -p "$WINEPREFIX"
"$server" -p  # one server for every step: each Wine start is then quick
wine wineboot --init >"$scratch/wineboot.log" 2>&1 ||
    { cat "$scratch/wineboot.log" >&2; echo "check-installer: wineboot failed" >&2; exit 1; }
step "prefix ready"
# Set by a caller that starts this while the artefacts are still being made: how many seconds to
# wait for them, so that the slow prefix set-up runs beside their making.
deadline=$((SECONDS + ${QUORVEX_WAIT_FOR_ARTEFACTS:-0}))
while { [ ! -f "$setup" ] || { [ -n "$portable" ] && [ ! -f "$portable" ]; }; } &&
    [ $SECONDS -lt $deadline ]; do
    sleep 0.5
done
for f in "$setup" $portable; do
    [ -f "$f" ] || { echo "check-installer: $f is missing" >&2; exit 2; }
done

drive_c=$WINEPREFIX/drive_c
install_dir="$drive_c/Program Files/Quorvex"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvex.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex'
profile="$drive_c/users/$(id -un)/AppData/Roaming/Mozilla/Firefox/Profiles/test.default"

# What is the user's and must outlive an uninstall: a tuning value, a saved setting, a Firefox
# user.js.
cat >"$scratch/seed.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Tcpip\Parameters]
"DefaultTTL"=dword:00000040

[HKEY_CURRENT_USER\Software\Quorvex\Connection]
"Combo3"="Check Connection"
REG
wine regedit /S "Z:${scratch//\//\\}\\seed.reg"

wine "Z:${setup//\//\\}" /S || fail "the silent install ended with status $?"
step "installed"
for f in Quorvex.exe pipeline.js unpipeline.js uninstall.exe; do
    [ -f "$install_dir/$f" ] || fail "Program Files\\Quorvex\\$f is missing"
done
if [ -f "$shortcut" ]; then
    strings -el "$shortcut" | grep -qi 'Program Files\\Quorvex\\Quorvex.exe' ||
        fail "the Start-menu shortcut does not point at Quorvex.exe"
else
    fail "the Start-menu shortcut is missing"
fi

mkdir -p "$profile"
printf 'user_pref("network.http.pipelining", false);\n' >"$profile/user.js"
cp "$profile/user.js" "$scratch/user.js.before"

entry=$(wine reg query "$uninstall_key" /reg:64 | tr -d '\r') || true
expect_value() {  # name type data (a regular expression)
    printf '%s\n' "$entry" | grep -Eq "^ +$1 +$2 +$3\$" || fail "uninstall entry: $1 is not $2 $3"
}
expect_value DisplayName REG_SZ 'Quorvex'
expect_value DisplayVersion REG_SZ "${version//./\\.}"
expect_value Publisher REG_SZ 'Quorvex'
expect_value DisplayIcon REG_SZ 'C:\\Program Files\\Quorvex\\Quorvex\.exe,0'
expect_value UninstallString REG_SZ '"C:\\Program Files\\Quorvex\\uninstall\.exe"'
expect_value QuietUninstallString REG_SZ '"C:\\Program Files\\Quorvex\\uninstall\.exe" /S'
expect_value EstimatedSize REG_DWORD '0x[0-9a-f]*[1-9a-f][0-9a-f]*'

# Starts a program and waits for its main window (the "Quorvex" window, at least 498 x 607, not
# the smaller splash); then ends it. Prints the window's id, or nothing.
main_window_of() {
    # Started by the loader itself, so that $! is the program's own process.
    "$loader" "$1" >>"$scratch/program.log" 2>&1 &
    local program=$! found="" deadline=$((SECONDS + ${MAIN_WINDOW_TIMEOUT:-60})) id
    while [ -z "$found" ] && [ $SECONDS -lt $deadline ] && kill -0 "$program" 2>/dev/null; do
        for id in $(xdotool search --onlyvisible --name '^Quorvex$' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            [ "$WIDTH" -ge 498 ] && [ "$HEIGHT" -ge 607 ] && found=$id
        done
        [ -n "$found" ] || sleep 0.5
    done
    kill -KILL "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    echo "$found"
}

main_window=$(main_window_of 'C:\Program Files\Quorvex\Quorvex.exe')
[ -n "$main_window" ] || fail "the installed Quorvex.exe showed no main window"
step "main window ${main_window:-missing}"

wine 'C:\Program Files\Quorvex\uninstall.exe' /S || fail "the silent uninstall ended with status $?"
# The uninstaller runs on from a copy of itself in the temporary folder: wait for that to end.
deadline=$((SECONDS + 60))
while { [ -e "$install_dir" ] || pgrep -f 'Temp.*\\Un_[A-Z]\.exe' >/dev/null; } &&
    [ $SECONDS -lt $deadline ]; do
    sleep 0.5
done
step "uninstalled"
[ ! -e "$install_dir" ] || fail "Program Files\\Quorvex is still there: $(ls "$install_dir")"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
leftovers=$(find "$drive_c" \( -iname 'quorvex*' -o -iname '*pipeline.js' \) -print)
[ -z "$leftovers" ] || fail "files of ours are left: $leftovers"

after=$(wine cmd /c "reg query $uninstall_key /reg:64 & echo --- & reg query HKCU\\Software\\Quorvex /s & echo --- & reg query HKLM\\System\\CurrentControlSet\\Services\\Tcpip\\Parameters /v DefaultTTL" 2>&1 | tr -d '\r') || true
printf '%s\n' "$after" | grep -q 'Uninstall\\Quorvex$' && fail "the uninstall entry is still there"
printf '%s\n' "$after" | grep -Eq '^ +Combo3 +REG_SZ +Check Connection$' ||
    fail "the silent uninstall removed the saved settings"
printf '%s\n' "$after" | grep -Eq '^ +DefaultTTL +REG_DWORD +0x40$' ||
    fail "the uninstall changed a tuning value"
cmp -s "$profile/user.js" "$scratch/user.js.before" || fail "the uninstall changed a Firefox file"

if [ -n "$portable" ]; then
    mkdir -p "$drive_c/Portable"
    unzip -q "$portable" -d "$drive_c/Portable"
    folder=$(basename "$portable" .zip)
    main_window=$(main_window_of "C:\\Portable\\$folder\\Quorvex.exe")
    [ -n "$main_window" ] || fail "Quorvex.exe from the portable zip showed no main window"
    step "portable main window ${main_window:-missing}"
fi

step "done"
if [ $failures -ne 0 ]; then
    echo "check-installer: $failures check(s) failed" >&2
    exit 1
fi
echo "check-installer: the installer installs, starts and uninstalls cleanly"
