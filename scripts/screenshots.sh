#!/usr/bin/env bash
# Starts the built program under Xvfb in a throwaway home, clicks through every page with
# xdotool and saves a screenshot of each into the folder given (default build/screenshots).
# It never clicks "Everything Automatically" or the apply button: those write settings and the
# registry file.
# For the monitor it sends a few kilobytes a second over 127.0.0.1 (scripts/loopback_traffic.py).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-${QUORVEX_BUILD_DIR:-build}/screenshots}")
program=$(realpath "${QUORVEX_BUILD_DIR:-build}/src/app/quorvex")
mkdir -p "$out"

home=$(mktemp -d)
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${traffic_pid:-}" ] && kill "$traffic_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT

# Xvfb picks a free display itself and reports it, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.05; done
display=":$(tr -d '\n' <"$home/display")"
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
export XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/runtime APPDATA=$home/appdata
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
"$program" >"$home/quorvex.log" 2>&1 &
app_pid=$!

sleep 1.2
import -window root -crop 502x271+261+248 "$out/splash.png"

# The main window: the visible top-level 498 pixels wide.
window=""
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --name '^Quorvex$' 2>/dev/null); do
    [ "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" = 498 ] \
      && window=$id
  done
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear" >&2; cat "$home/quorvex.log" >&2; exit 1; }

shot() { sleep 0.4; import -window "$window" "$out/$1.png"; }
# Pointer movement reveals a highlighted picture under a resting one; the click goes to it.
hover() { xdotool mousemove --window "$window" "$1" "$2"; sleep 0.15;
          xdotool mousemove --window "$window" $(($1 + 1)) $(($2 + 1)); sleep 0.15; }
click() { hover "$1" "$2"; xdotool click 1; }
home_page() { click 455 183; hover 150 300; }

hover 150 300
shot home
hover 404 212
shot home-hover
for page in "76 212 internet-settings" "244 212 advanced-settings" "404 212 local-area-network" \
            "76 348 mozilla-firefox" "236 348 internet-explorer"; do
  set -- $page
  click "$1" "$2"
  hover 250 250
  shot "$3"
  home_page
done
hover 404 348
shot everything-automatically-hover
python3 scripts/loopback_traffic.py 30 &
traffic_pid=$!
click 250 585
sleep 26
shot monitor
click 250 585
hover 150 300
shot back-from-monitor
echo "screenshots in $out"
