#!/usr/bin/env bash
# Start-up figures of the Qt program next to a minimal Qt window built the same way
# (tools/reference_window), both stripped as the package ships them, alternated in the same run
# on a private Xvfb display:
# - time from exec until the first window is mapped (the splash);
# - peak resident memory (VmHWM) until the end of the splash, before the main window is mapped
#   (for the reference, as long after its mapping as the program's splash lasted);
# - CPU time (every thread) from exec until 6 s after the first window mapped.
# Each process is the one this script started, followed by its own process id. Figures are the
# medians of $RUNS runs (default 3); the last column is the ratio to the reference.
# Usage: startup_figures.sh [build folder] [[label=]other quorvex program...]
# (other programs, for example a copy built before a change, are measured in the same runs).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-${QUORVEX_BUILD_DIR:-build}}")
shift $(($# > 0 ? 1 : 0))
runs=${RUNS:-3}
after=6
for tool in Xvfb xdotool xdpyinfo strip; do
    command -v "$tool" >/dev/null || { echo "startup_figures: $tool is missing" >&2; exit 2; }
done
home=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}" "${xvfb_pid:-}"; do [ -z "$p" ] || kill "$p" 2>/dev/null || true; done
    rm -rf "$home"
}
trap cleanup EXIT

# What ships: stripped as the Debian package strips it.
names=() programs=()
add() {  # label, executable
    [ -x "$2" ] || { echo "startup_figures: no program $2 (build it first)" >&2; exit 2; }
    local copy=$home/bin/${#names[@]}
    mkdir -p "$home/bin"
    strip --remove-section=.comment --remove-section=.note -o "$copy" "$2"
    names+=("$1") programs+=("$copy")
}
add "minimal Qt window" "$build/tools/reference_window/quorvex_reference_window"
add "Quorvex" "$build/src/app/quorvex"
for other in "$@"; do
    if [[ $other == *=* ]]; then add "${other%%=*}" "${other#*=}"; else add "$other" "$other"; fi
done

# Xvfb picks a free display itself and reports it, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$home/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.05; done
display=":$(tr -d '\n' <"$home/display")"
export DISPLAY=$display QT_QPA_PLATFORM=xcb LANG=C.UTF-8
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
export XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/runtime APPDATA=$home/appdata
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# CPU time of every thread to the nanosecond, from the scheduler (the process's clock ticks, 10 ms,
# are too coarse here); the threads Qt starts live as long as the process.
cpu_ms() {
    [ -d "/proc/$1" ] || { echo NA; return; }
    { cat /proc/"$1"/task/*/schedstat 2>/dev/null || true; } |
        awk '{ns += $1} END {print int(ns / 1e6)}'
}
# NA for a process that has ended meanwhile.
peak_kib() { awk '/^VmHWM:/ {print $2}' "/proc/$1/status" 2>/dev/null || echo NA; }
# The process's visible windows, by the process id Qt gives them.
windows_of() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | sort || true; }
sleep_until() {  # ms since the epoch
    local left=$(($1 - $(now_ms)))
    [ "$left" -le 0 ] || sleep "$(awk -v l="$left" 'BEGIN {print l / 1000}')"
}
splash_ms=4000

# One run of one program: "first_map_ms peak_kib cpu_ms".
measure() {  # executable, is_reference
    local start mapped="" first="" seen reading peak="" pid cpu
    start=$(now_ms)
    "$1" >/dev/null 2>"$home/errors" &
    pid=$!
    pids+=("$pid")
    for _ in $(seq 1000); do
        first=$(windows_of "$pid")
        [ -z "$first" ] || { mapped=$(now_ms); break; }
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.01
    done
    if [ -z "$mapped" ]; then
        echo "startup_figures: $1 showed no window" >&2
        cat "$home/errors" >&2
        kill "$pid" 2>/dev/null || true
        echo "NA NA NA"
        return
    fi
    if [ "$2" = 1 ]; then
        sleep_until $((mapped + splash_ms))
        peak=$(peak_kib "$pid")
    else
        # The splash ends when another window of the process is mapped (the main window); the
        # peak is the last one read while the splash was still alone, before the main window's
        # first paint.
        while [ $(($(now_ms) - mapped)) -lt $((after * 1000)) ]; do
            reading=$(peak_kib "$pid")
            seen=$(windows_of "$pid")
            if [ -n "$seen" ] && [ "$seen" != "$first" ]; then
                splash_ms=$(($(now_ms) - mapped))
                break
            fi
            peak=$reading
            sleep 0.02
        done
    fi
    sleep_until $((mapped + after * 1000))
    cpu=$(cpu_ms "$pid")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$((mapped - start)) ${peak:-NA} $cpu"
}

median() { sort -n | awk '$1 != "NA" {a[++n] = $1} END {print n ? a[int((n + 1) / 2)] : "NA"}'; }

for run in $(seq "$runs"); do
    # The program first, so that the reference's memory is read as long after its mapping as
    # the program's splash lasted in the same run.
    for i in $(seq 1 $((${#programs[@]} - 1))) 0; do
        measure "${programs[$i]}" $((i == 0 ? 1 : 0)) >>"$home/figures.$i"
    done
    echo "run $run of $runs done (load $(cut -d' ' -f1 /proc/loadavg))" >&2
done

ratio() {
    awk -v a="$1" -v b="$2" \
        'BEGIN {if (a == "NA" || b == "NA" || b == 0) print "NA"; else printf "%.2fx", a / b}'
}
printf '%-22s %14s %24s %26s\n' "" "first window" "peak RSS, end of splash" \
    "CPU to ${after} s after mapping"
for i in "${!programs[@]}"; do
    map=$(cut -d' ' -f1 "$home/figures.$i" | median)
    peak=$(cut -d' ' -f2 "$home/figures.$i" | median)
    cpu=$(cut -d' ' -f3 "$home/figures.$i" | median)
    [ "$i" != 0 ] || { ref_peak=$peak ref_cpu=$cpu; }
    printf '%-22s %11s ms %14s KiB %-7s %15s ms %-7s\n' "${names[$i]}" "$map" "$peak" \
        "$(ratio "$peak" "$ref_peak")" "$cpu" "$(ratio "$cpu" "$ref_cpu")"
done
