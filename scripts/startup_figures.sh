#!/usr/bin/env bash
# Measures the program's start-up under Xvfb next to a minimal Qt window, in the same run:
# time from exec until the first window is mapped (the splash), peak resident memory, and the
# CPU time used during the first four and a half seconds (the splash's four seconds and the
# main window's appearance). Each figure is the median of a few runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVEX_BUILD_DIR:-build}
runs=${RUNS:-5}
home=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$home"' EXIT
# Xvfb picks a free display itself and reports it, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.05; done
display=":$(tr -d '\n' <"$home/display")"
export DISPLAY=$display QT_QPA_PLATFORM=xcb LANG=C.UTF-8
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
export XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/runtime APPDATA=$home/appdata
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {  # program, window class -> "first_map_ms peak_kib cpu_ms"
  local program=$1 class=$2 start mapped=""
  start=$(date +%s%N)
  /usr/bin/time -f '%M %U %S' -o "$home/time" timeout -s TERM 4.5 "$program" >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 1000); do
    if xdotool search --onlyvisible --class "$class" >/dev/null 2>&1; then
      mapped=$(( ($(date +%s%N) - start) / 1000000 )); break
    fi
    sleep 0.002
  done
  wait "$pid" || true
  read -r peak user sys < <(tail -n 1 "$home/time")
  echo "${mapped:-NA} $peak $(awk -v u="$user" -v s="$sys" 'BEGIN {print int((u + s) * 1000)}')"
}

report() {
  local name=$1 program=$2 class=$3 i
  : >"$home/$name"
  for i in $(seq "$runs"); do measure "$program" "$class" >>"$home/$name"; done
  printf '%-18s first window %5s ms   peak memory %6s KiB   CPU in 4.5 s %5s ms\n' "$name" \
    "$(cut -d' ' -f1 "$home/$name" | median)" "$(cut -d' ' -f2 "$home/$name" | median)" \
    "$(cut -d' ' -f3 "$home/$name" | median)"
}

report "minimal Qt window" "$build/tools/reference_window/quorvex_reference_window" quorvex_reference_window
report "Quorvex" "$build/src/app/quorvex" quorvex
