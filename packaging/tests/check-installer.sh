#!/usr/bin/env bash
# Installs the Windows installer silently into a throwaway Wine prefix (never ~/.wine) on a
# throwaway X display, and checks it the way a user and an administrator meet it:
#   check-installer.sh <Quorvex-<version>-setup.exe> <version> [<Quorvex-<version>-win64.zip>
#                      [<Quorvex-<version>-x64.msi> <an older version's .msi>]]
# - for every user (/AllUsers): the program files in Program Files\Quorvex, the Start-menu
#   shortcut and the machine's uninstall entry (name, version, publisher, icon, size, uninstall
#   commands that run in place); the installed program starts and shows its main window;
# - while the program runs, a silent upgrade and a silent uninstall fail with a non-zero status
#   and change nothing;
# - the quiet uninstall command has removed every file of ours and the entry when it returns,
#   and keeps the saved settings, the tuning values and the user's Firefox files;
# - for the current user (/CurrentUser): into %LOCALAPPDATA%\Programs\Quorvex with the user's
#   own entry; installing again into another folder moves the installation there (no copy left
#   behind), and its quiet uninstall leaves nothing;
# - given the portable zip, the program unpacked from it starts and shows its main window too;
# - given the MSI packages, msiexec /i /qn installs the older one, the release upgrades it in
#   place (one entry, the release's version), and msiexec /x /qn leaves nothing behind.
# With QUORVEX_SIGNED_BY=<certificate.pem>, the installed programs' signatures must verify
# against that certificate.
# The program is only started and ended: nothing is clicked, so no command of it runs.
set -euo pipefail
if [ $# -lt 2 ] || [ $# -gt 5 ] || [ $# -eq 4 ]; then
    echo "usage: check-installer.sh <setup.exe> <version> [<portable.zip> [<release.msi> <older.msi>]]" >&2
    exit 2
fi
setup=$(realpath -m "$1") version=$2 portable=${3:+$(realpath -m "$3")}
msi=${4:+$(realpath -m "$4")} older_msi=${5:+$(realpath -m "$5")}

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
[ -z "${QUORVEX_SIGNED_BY:-}" ] || command -v osslsigncode >/dev/null ||
    { echo "check-installer: osslsigncode is not installed" >&2; exit 2; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-setup.XXXXXX")
export WINEPREFIX="$scratch/prefix" HOME="$scratch/home" WINELOADER="$loader" WINESERVER="$server"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME WAYLAND_DISPLAY
mkdir -p "$HOME"
xvfb_pid="" program_pid=""
cleanup() {
    [ -z "$program_pid" ] || kill -KILL "$program_pid" 2>/dev/null || true
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
missing() {
    local f
    for f in "$setup" $portable $msi $older_msi; do [ -f "$f" ] || return 0; done
    return 1
}
while missing && [ $SECONDS -lt $deadline ]; do
    sleep 0.5
done
for f in "$setup" $portable $msi $older_msi; do
    [ -f "$f" ] || { echo "check-installer: $f is missing" >&2; exit 2; }
done
setup_path="Z:${setup//\//\\}"
mapfile -t program_files < <(bash "$(dirname "$0")/../windows/program-files.sh")

drive_c=$WINEPREFIX/drive_c
user_folder="$drive_c/users/$(id -un)"
machine_dir="$drive_c/Program Files/Quorvex"
machine_shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvex.lnk"
user_dir="$user_folder/AppData/Local/Programs/Quorvex"
user_shortcut="$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvex.lnk"
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex'
user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvex'
profile="$user_folder/AppData/Roaming/Mozilla/Firefox/Profiles/test.default"
windows_path() { local p=${1#"$drive_c"/}; p=${p//\//\\}; echo "C:\\$p"; }

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
mkdir -p "$profile"
printf 'user_pref("network.http.pipelining", false);\n' >"$profile/user.js"
cp "$profile/user.js" "$scratch/user.js.before"

# Runs a command line as Windows reads it (the uninstall strings quote their own paths); prints
# its exit status.
run_line() {
    local status=0
    printf '@echo off\r\n%s\r\nexit %%ERRORLEVEL%%\r\n' "$1" >"$drive_c/run-line.cmd"
    wine cmd /c 'C:\run-line.cmd' >>"$scratch/run.log" 2>&1 || status=$?
    rm -f "$drive_c/run-line.cmd"
    echo "$status"
}
entry_of() {  # key -> its values, or nothing when it does not exist
    local out
    # Asked twice before it counts as absent: a busy Wine can fail one query.
    out=$(wine reg query "$1" /reg:64 2>/dev/null) ||
        { sleep 1; out=$(wine reg query "$1" /reg:64 2>/dev/null); } || return 0
    printf '%s\n' "$out" | tr -d '\r'
}
value_of() {  # entry name -> data
    printf '%s\n' "$1" | sed -nE "s/^ +$2 +REG_[A-Z]+ +//p"
}
expect_value() {  # entry name type data (a regular expression)
    printf '%s\n' "$1" | grep -Eq "^ +$2 +$3 +$4\$" || fail "uninstall entry: $2 is not $3 $4"
}
files_in() { find "$1" -type f -printf '%P %s %T@\n' 2>/dev/null | LC_ALL=C sort; }
expect_installed() {  # folder shortcut [more files]
    local f
    for f in "${program_files[@]}" "${@:3}"; do
        [ -f "$1/$f" ] || fail "$(windows_path "$1")\\$f is missing"
    done
    if [ -f "$2" ]; then
        # The path in UTF-16 or in the ANSI code page, as the program that made the link chose.
        link_text=$(strings -el "$2"; strings -a "$2")
        grep -qiF "$(windows_path "$1")\\Quorvex.exe" <<<"$link_text" ||
            fail "the Start-menu shortcut does not point at $(windows_path "$1")\\Quorvex.exe"
    else
        fail "the Start-menu shortcut $(windows_path "$2") is missing"
    fi
}
expect_removed() {  # folder shortcut key
    [ ! -e "$1" ] || fail "$(windows_path "$1") is still there: $(ls "$1")"
    [ ! -e "$2" ] || fail "the Start-menu shortcut is still there"
    [ -z "$(entry_of "$3")" ] || fail "the uninstall entry $3 is still there"
}
# Starts a program and waits for its main window (the "Quorvex" window, at least 498 x 607, not
# the smaller splash), leaving it running in $program_pid. Sets main_window to the window's id,
# or to nothing.
start_program() {
    # Started by the loader itself, so that $! is the program's own process.
    "$loader" "$1" >>"$scratch/program.log" 2>&1 &
    program_pid=$!
    local found="" deadline=$((SECONDS + ${MAIN_WINDOW_TIMEOUT:-60})) id
    while [ -z "$found" ] && [ $SECONDS -lt $deadline ] && kill -0 "$program_pid" 2>/dev/null; do
        for id in $(xdotool search --onlyvisible --name '^Quorvex$' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            [ "$WIDTH" -ge 498 ] && [ "$HEIGHT" -ge 607 ] && found=$id
        done
        [ -n "$found" ] || sleep 0.5
    done
    main_window=$found
}
stop_program() {
    kill -KILL "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

# For every user.
status=0
wine "$setup_path" /S /AllUsers || status=$?
[ "$status" -eq 0 ] || fail "the silent install for every user ended with status $status"
step "installed for every user"
expect_installed "$machine_dir" "$machine_shortcut" uninstall.exe
entry=$(entry_of "$machine_key")
expect_value "$entry" DisplayName REG_SZ 'Quorvex'
expect_value "$entry" DisplayVersion REG_SZ "${version//./\\.}"
expect_value "$entry" Publisher REG_SZ 'Quorvex'
expect_value "$entry" DisplayIcon REG_SZ 'C:\\Program Files\\Quorvex\\Quorvex\.exe,0'
expect_value "$entry" InstallLocation REG_SZ 'C:\\Program Files\\Quorvex'
expect_value "$entry" UninstallString REG_SZ \
    '"C:\\Program Files\\Quorvex\\uninstall\.exe" /AllUsers _\?=C:\\Program Files\\Quorvex'
expect_value "$entry" QuietUninstallString REG_SZ \
    '"C:\\Program Files\\Quorvex\\uninstall\.exe" /S /AllUsers _\?=C:\\Program Files\\Quorvex'
expect_value "$entry" EstimatedSize REG_DWORD '0x[0-9a-f]*[1-9a-f][0-9a-f]*'
quiet=$(value_of "$entry" QuietUninstallString)
[ -z "$(entry_of "$user_key")" ] || fail "the install for every user wrote the user's entry"
if [ -n "${QUORVEX_SIGNED_BY:-}" ]; then
    for f in Quorvex.exe uninstall.exe; do
        osslsigncode verify -CAfile "$QUORVEX_SIGNED_BY" "$machine_dir/$f" >"$scratch/verify.log" 2>&1 ||
            { cat "$scratch/verify.log" >&2; fail "the installed $f's signature does not verify"; }
    done
fi

start_program 'C:\Program Files\Quorvex\Quorvex.exe'
[ -n "$main_window" ] || fail "the installed Quorvex.exe showed no main window"
step "main window ${main_window:-missing}"

# While it runs, neither an upgrade nor an uninstall may report success.
touch -d '2001-01-01' "$machine_dir"/*
before=$(files_in "$machine_dir")
status=0
wine "$setup_path" /S /AllUsers || status=$?
[ "$status" -ne 0 ] || fail "a silent upgrade over the running program ended with status 0"
[ "$(files_in "$machine_dir")" = "$before" ] || fail "a refused upgrade changed the program folder"
status=$(run_line "$quiet")
[ "$status" -ne 0 ] || fail "a silent uninstall of the running program ended with status 0"
[ "$(files_in "$machine_dir")" = "$before" ] || fail "a refused uninstall changed the program folder"
[ -n "$(entry_of "$machine_key")" ] || fail "a refused uninstall removed the uninstall entry"
[ -f "$machine_shortcut" ] || fail "a refused uninstall removed the shortcut"
stop_program
step "refused while running"

# The quiet uninstall has done everything when it returns.
status=$(run_line "$quiet")
[ "$status" -eq 0 ] || fail "the quiet uninstall ended with status $status"
expect_removed "$machine_dir" "$machine_shortcut" "$machine_key"
step "uninstalled for every user"
leftovers=$(find "$drive_c" \( -iname 'quorvex*' -o -iname '*pipeline.js' \) -print)
[ -z "$leftovers" ] || fail "files of ours are left: $leftovers"

after=$(wine cmd /c "reg query HKCU\\Software\\Quorvex /s & echo --- & reg query HKLM\\System\\CurrentControlSet\\Services\\Tcpip\\Parameters /v DefaultTTL" 2>&1 | tr -d '\r') || true
printf '%s\n' "$after" | grep -Eq '^ +Combo3 +REG_SZ +Check Connection$' ||
    fail "the silent uninstall removed the saved settings"
printf '%s\n' "$after" | grep -Eq '^ +DefaultTTL +REG_DWORD +0x40$' ||
    fail "the uninstall changed a tuning value"
cmp -s "$profile/user.js" "$scratch/user.js.before" || fail "the uninstall changed a Firefox file"

# For the current user, then again into another folder: one installation, where it was put last.
status=0
wine "$setup_path" /S /CurrentUser || status=$?
[ "$status" -eq 0 ] || fail "the silent install for the current user ended with status $status"
expect_installed "$user_dir" "$user_shortcut" uninstall.exe
[ -z "$(entry_of "$machine_key")" ] || fail "the install for the current user wrote the machine's entry"
entry=$(entry_of "$user_key")
expect_value "$entry" InstallLocation REG_SZ "$(windows_path "$user_dir" | sed 's/[\\.]/\\&/g')"
other_dir=$drive_c/Tools/Quorvex
status=0
wine "$setup_path" /S /CurrentUser '/D=C:\Tools\Quorvex' || status=$?
[ "$status" -eq 0 ] || fail "installing again into another folder ended with status $status"
step "installed for the current user twice"
expect_installed "$other_dir" "$user_shortcut" uninstall.exe
[ ! -e "$user_dir" ] || fail "installing into another folder left the first copy: $(ls "$user_dir")"
entry=$(entry_of "$user_key")
expect_value "$entry" InstallLocation REG_SZ 'C:\\Tools\\Quorvex'
quiet=$(value_of "$entry" QuietUninstallString)
status=$(run_line "$quiet")
[ "$status" -eq 0 ] || fail "the current user's quiet uninstall ended with status $status"
expect_removed "$other_dir" "$user_shortcut" "$user_key"
leftovers=$(find "$drive_c" \( -iname 'quorvex*' -o -iname '*pipeline.js' \) -print)
[ -z "$leftovers" ] || fail "files of ours are left: $leftovers"
step "uninstalled for the current user"

if [ -n "$portable" ]; then
    mkdir -p "$drive_c/Portable"
    unzip -q "$portable" -d "$drive_c/Portable"
    folder=$(basename "$portable" .zip)
    start_program "C:\\Portable\\$folder\\Quorvex.exe"
    stop_program
    [ -n "$main_window" ] || fail "Quorvex.exe from the portable zip showed no main window"
    step "portable main window ${main_window:-missing}"
fi

if [ -n "$msi" ]; then
    msi_entries() {  # the uninstall entries that msiexec wrote for Quorvex
        wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s /reg:64 2>/dev/null |
            tr -d '\r' | awk '/^HKEY/ { key = $0 } /DisplayName +REG_SZ +Quorvex$/ { print key }'
    }
    status=0
    wine msiexec /i "Z:${older_msi//\//\\}" /qn >>"$scratch/msi.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "msiexec /i of the older package ended with status $status"
    # Wine's msiexec puts a per-machine package's shortcuts in the installing user's Start menu
    # (Windows: the common one).
    msi_shortcut=$machine_shortcut
    [ -f "$msi_shortcut" ] || msi_shortcut=$user_shortcut
    expect_installed "$machine_dir" "$msi_shortcut"
    status=0
    wine msiexec /i "Z:${msi//\//\\}" /qn >>"$scratch/msi.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "msiexec /i of the release package ended with status $status"
    step "MSI installed and upgraded"
    expect_installed "$machine_dir" "$msi_shortcut"
    entries=$(msi_entries)
    [ "$(printf '%s\n' "$entries" | grep -c .)" -eq 1 ] ||
        fail "after the upgrade the MSI entries are: ${entries:-none}"
    if [ -n "$entries" ]; then
        entry=$(entry_of "$(printf '%s\n' "$entries" | head -1)")
        expect_value "$entry" DisplayVersion REG_SZ "${version//./\\.}"
    fi
    status=0
    wine msiexec /x "Z:${msi//\//\\}" /qn >>"$scratch/msi.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "msiexec /x ended with status $status"
    [ ! -e "$machine_dir" ] || fail "msiexec /x left $(windows_path "$machine_dir"): $(ls "$machine_dir")"
    [ ! -e "$msi_shortcut" ] || fail "msiexec /x left the Start-menu shortcut"
    [ -z "$(msi_entries)" ] || fail "msiexec /x left an uninstall entry"
    leftovers=$(find "$drive_c" \( -iname 'quorvex*' -o -iname '*pipeline.js' \) -not -path '*/Portable/*' -print)
    [ -z "$leftovers" ] || fail "files of ours are left: $leftovers"
    step "MSI uninstalled"
fi

step "done"
if [ $failures -ne 0 ]; then
    echo "check-installer: $failures check(s) failed" >&2
    exit 1
fi
echo "check-installer: the installer installs, upgrades, refuses and uninstalls cleanly"
