# Sourced by the scripts that drive Quorvex.exe under Wine (e2e-windows.sh, screenshots-windows.sh):
# a throwaway Wine prefix and home folder under /tmp (never ~/.wine) on a virtual display of its
# own, the program copied alone into a bare folder, and bounded helpers to find, click and type into
# its windows. Needs $build (the Windows build folder); removes everything on exit.
program=$build/src/win32/Quorvex.exe
probe_exe=$build/tools/win32_probe/quorvex_win32_probe.exe
for file in "$program" "$probe_exe"; do
    [ -f "$file" ] || { echo "$(basename "$0"): $file is missing: build the Windows stage first" >&2; exit 2; }
done
loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
server=$(command -v wineserver64 || command -v wineserver || echo /usr/lib/wine/wineserver64)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-wine-desktop.XXXXXX")
export WINEPREFIX=$scratch/prefix HOME=$scratch/home WINEARCH=win64 WINEDEBUG=-all
export WINELOADER=$loader WINESERVER=$server
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME" "$scratch/app" "$scratch/tools"
cleanup() {
    "$server" -k >/dev/null 2>&1 || true
    [ -z "${traffic_pid:-}" ] || kill "$traffic_pid" 2>/dev/null || true
    [ -z "${xvfb_pid:-}" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "$(basename "$0"): FAILED: $*" >&2; probe >&2 || true; exit 1; }

# A display of its own, picked by Xvfb and reported back.
Xvfb -displayfd 3 -screen 0 "${QUORVEX_SCREEN:-1024x768x24}" -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' <"$scratch/display")"

timeout 180 "$loader" wineboot --init >"$scratch/wineboot.log" 2>&1 ||
    { cat "$scratch/wineboot.log" >&2; fail "creating the Wine prefix"; }
# Wine's own Tahoma, so that captions measure and look as on Windows.
cmake/wine-fonts.sh
# No window manager runs on this display: Wine places the windows itself, or each window it
# hides waits two seconds for a manager to confirm it.
timeout 30 "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
    fail "setting up the Wine prefix"
# A scale other than 100 % (QUORVEX_DPI=192 for 200 %), as the display settings set it.
if [ -n "${QUORVEX_DPI:-}" ]; then
    timeout 30 "$loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$QUORVEX_DPI" /f >/dev/null 2>&1 || fail "setting the scale"
fi

# The bare folder: the executable alone, as a copied Quorvex.exe runs (the preference sets are
# compiled into it).
cp "$program" "$scratch/app/"
cp "$probe_exe" "$scratch/tools/probe.exe"

# Every visible window: "<depth> <handle> <class> <enabled> <left> <top> <right> <bottom> <text>",
# then "focus <handle>" (tools/win32_probe).
probe() { timeout 30 "$loader" "$scratch/tools/probe.exe" "$@" | tr -d '\r'; }

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

# Waits up to $1 seconds until no probe line matches $2.
wait_gone() {
    local deadline=$((SECONDS + $1))
    while probe | grep -qE -- "$2"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.3
    done
}

# Clicks the middle of the window a probe line describes, like a pointer would.
click_line() {
    local x1 y1 x2 y2
    read -r x1 y1 x2 y2 < <(awk '{print $5, $6, $7, $8}' <<<"$1")
    xdotool mousemove $(((x1 + x2) / 2)) $(((y1 + y2) / 2)) sleep 0.2 click 1
}

# Moves the keyboard focus with Tab to the control whose text is $1 (at most 60 steps).
tab_to() {
    local listing focus
    for _ in $(seq 60); do
        listing=$(probe)
        focus=$(sed -n 's/^focus //p' <<<"$listing" | tail -1)
        grep -qE "^[0-9]+ $focus [^ ]+ 1 .* $1\$" <<<"$listing" && return 0
        xdotool key Tab
    done
    return 1
}

# Starts the program from the bare folder and waits for its main window.
start_program() {
    (cd "$scratch/app" && exec timeout 300 "$loader" ./Quorvex.exe) >"$scratch/quorvex.log" 2>&1 &
    wait_for 60 '^0 [0-9a-f]+ QuorvexForm1 1 ' >/dev/null || fail "the main window never appeared"
}

# Regular-expression form of a literal text.
literal() { sed 's/[][()\.*^$+?{}|]/\\&/g' <<<"$1"; }
