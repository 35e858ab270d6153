#!/usr/bin/env bash
# Screenshots of Quorvex.exe under Wine, on a virtual display in a throwaway prefix (never
# ~/.wine): the splash, the home page, every settings page and the traffic monitor with real
# figures (a few kilobytes a second over 127.0.0.1, scripts/loopback_traffic.py), saved into the
# folder given (default docs/screenshots/windows). It moves between pages with the pointer, as a
# person would, and never runs "Everything Automatically" or the apply command.
# With QUORVEX_DPI=192 it takes them at 200 % on a larger display (the README's are in
# docs/screenshots/windows/200-percent).
# Usage: screenshots-windows.sh [folder] [windows build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
dpi=${QUORVEX_DPI:-96}
[ "$dpi" -le 120 ] || export QUORVEX_SCREEN=${QUORVEX_SCREEN:-2048x1536x24}
out=$(realpath -m "${1:-docs/screenshots/windows}")
build=$(realpath "${2:-${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}}")
mkdir -p "$out"
# shellcheck source=scripts/wine-desktop.sh
. scripts/wine-desktop.sh

# The splash, as soon as it shows.
(cd "$scratch/app" && exec timeout 300 "$loader" ./Quorvex.exe) >"$scratch/quorvex.log" 2>&1 &
splash=$(wait_for 30 '^0 [0-9a-f]+ QuorvexSplash 1 ') || fail "no splash"
sleep 0.5
read -r x1 y1 x2 y2 < <(awk '{print $5, $6, $7, $8}' <<<"$splash")
import -window root -crop "$((x2 - x1))x$((y2 - y1))+$x1+$y1" "$out/splash.png"
wait_for 60 '^0 [0-9a-f]+ QuorvexForm1 1 ' >/dev/null || fail "the main window never appeared"

# The main window's client area (498 x 607 at 96 dpi, scaled as the program scales it) starts
# where its 500 x 600 background picture does; the window stays put, so it is found once.
scaled() { echo $((($1 * dpi + 48) / 96)); }
client=""
shot() {
    sleep 0.6
    if [ -z "$client" ]; then
        client=$(probe | awk -v w="$(scaled 500)" -v h="$(scaled 600)" \
            '$3 == "QuorvexPicture" && $7 - $5 == w && $8 - $6 == h {print $5, $6; exit}')
        [ -n "$client" ] || fail "no background picture"
    fi
    read -r cx cy <<<"$client"
    import -window root -crop "$(scaled 498)x$(scaled 607)+$cx+$cy" "$out/$1.png"
}
missing=0
# Clicks the topmost picture command whose text is $1 with the pointer, as a person would: the
# movement onto a resting picture reveals the command picture under it, which takes the click.
point_at() {
    local line
    line=$(wait_for 5 " QuorvexPicture 1 .* $(literal "$1")\$") || return 1
    click_line "$line"
}
go() {  # caption of the picture command, page panel it shows, file name
    point_at "$1" || fail "no picture command $1"
    if wait_for 5 "^1 [0-9a-f]+ QuorvexPage 1 .* $2\$" >/dev/null; then
        shot "$3"
    else
        # Never a picture of the wrong page under a page's name.
        echo "screenshots-windows: \"$1\" did not show $2; no $3.png" >&2
        missing=$((missing + 1))
    fi
}

wait_for 5 '^1 [0-9a-f]+ QuorvexPage 1 .* Picture2$' >/dev/null || fail "the home page is not showing"
shot home
for page in "Internet Settings:Picture16:internet-settings" \
    "Advanced Settings:Picture11:advanced-settings" "Local Area Network:Picture9:local-area-network" \
    "Mozilla Firefox:Picture15:mozilla-firefox" "Internet Explorer:Picture1:internet-explorer"; do
    IFS=: read -r caption panel file <<<"$page"
    go "$caption" "$panel" "$file"
    point_at "Home" || true
    wait_for 5 '^1 [0-9a-f]+ QuorvexPage 1 .* Picture2$' >/dev/null || fail "Home did not come back"
done

# The monitor over a few seconds of gentle loopback traffic.
python3 scripts/loopback_traffic.py 12 >/dev/null 2>&1 &
traffic_pid=$!
go "Open Traffic Monitor" Picture3 monitor-opening
if [ -f "$out/monitor-opening.png" ]; then
    rm -f "$out/monitor-opening.png"
    sleep 8
    shot monitor
fi
echo "screenshots-windows: saved into $out ($missing pages did not show)"
[ "$missing" -eq 0 ]
