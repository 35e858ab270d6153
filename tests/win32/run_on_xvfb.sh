#!/usr/bin/env bash
# Runs a Windows test executable under Wine on a virtual X display of its own: this Wine creates
# no top-level window without a display. Like cmake/wine-run.sh it never uses ~/.wine: without a
# WINEPREFIX it makes a throwaway prefix and home folder, removed afterwards.
set -euo pipefail
if [ -z "${QUORVEX_ON_XVFB:-}" ]; then
    export QUORVEX_ON_XVFB=1
    exec timeout 600 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
fi

loader=$(command -v wine64 || true)
[ -n "$loader" ] || [ ! -x /usr/lib/wine/wine64 ] || loader=/usr/lib/wine/wine64
server=$(command -v wineserver64 || command -v wineserver || true)
for candidate in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
    [ -n "$server" ] || [ ! -x "$candidate" ] || server=$candidate
done
export WINELOADER="$loader" WINESERVER="$server" WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree=;mshtml=;winemenubuilder.exe=d"}

# There is no window manager on the virtual display: Wine is told to place the windows itself,
# or each window it hides waits two seconds for a manager to confirm it.
unmanaged() {
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}

if [ -n "${WINEPREFIX:-}" ]; then
    # A server still up from a headless run keeps a desktop without a display, on which no
    # top-level window can be made: let it go first, so this run starts one on the display.
    "$server" -k >/dev/null 2>&1 || true
    "$server" -w >/dev/null 2>&1 || true
    unmanaged
    exec "$loader" "$@"
fi
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quorvex-wine.XXXXXX")
cleanup() {
    WINEPREFIX="$scratch/prefix" "$server" -k >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT
export WINEPREFIX="$scratch/prefix" HOME="$scratch/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME"
"$loader" wineboot --init >/dev/null 2>&1 || true
unmanaged
"$loader" "$@"
