#!/usr/bin/env bash
# Runs a Windows program under Wine, headless: the emulator through which CTest starts the
# cross-built test executables. A caller that sets no WINEPREFIX gets a throwaway prefix and
# home folder for this one run, removed afterwards, so ~/.wine and the user's home are never
# used. scripts/test-windows.sh sets up one throwaway prefix for the whole suite instead.
# With QUORVEX_WINE_ON_DISPLAY=1 (tests/win32/run_on_xvfb.sh) the program runs on the caller's
# X display instead, which has no window manager.
set -euo pipefail

loader=$(command -v wine64 || true)
[ -n "$loader" ] || [ ! -x /usr/lib/wine/wine64 ] || loader=/usr/lib/wine/wine64
server=$(command -v wineserver64 || command -v wineserver || true)
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    [ -n "$server" ] || [ ! -x "$candidate" ] || server=$candidate
done
if [ -z "$loader" ] || [ -z "$server" ]; then
    echo "wine-run: wine64 is not installed" >&2
    exit 127
fi

on_display=${QUORVEX_WINE_ON_DISPLAY:-}
[ -n "$on_display" ] || unset DISPLAY WAYLAND_DISPLAY
export WINELOADER="$loader" WINESERVER="$server" WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs, no desktop menu entries.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree=;mshtml=;winemenubuilder.exe=d"}

# On a display without a window manager Wine is told to place the windows itself, or each window
# it hides waits two seconds for a manager to confirm it.
prepare_display() {
    [ -n "$on_display" ] || return 0
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}

if [ -n "${WINEPREFIX:-}" ]; then
    if [ -n "$on_display" ]; then
        # A server still up from a headless run keeps a desktop without a display, on which no
        # top-level window can be made: let it go first, so this run starts one on the display.
        "$server" -k >/dev/null 2>&1 || true
        "$server" -w >/dev/null 2>&1 || true
    fi
    prepare_display
    exec "$loader" "$@"
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-wine.XXXXXX")
cleanup() {
    WINEPREFIX="$scratch/prefix" "$server" -k >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT
# Wine links the prefix's user folders into $HOME: give it one of its own.
export WINEPREFIX="$scratch/prefix" HOME="$scratch/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
"$loader" wineboot --init >/dev/null 2>&1 || true
"$(dirname "$(realpath "$0")")/wine-fonts.sh" || true
prepare_display
"$loader" "$@"
