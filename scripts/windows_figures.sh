#!/usr/bin/env bash
# Figures of Quorvex.exe under Wine next to a minimal Win32 window built the same way
# (tools/win32_reference), measured in the same run and the same Wine session, on a virtual display in a throwaway prefix:
# executable size (as built, and stripped of debugging data), time from start until the first
# window is mapped (the splash's first paint), peak working set, and, over 20 s on an idle
# network, CPU time and wake-ups (context switches) per second with the traffic monitor open
# (the reference window: idle). Each timing is the median of $RUNS runs (default 3).
# Usage: windows_figures.sh [windows build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}}")
reference=$build/tools/win32_reference/quorvex_win32_reference.exe
runs=${RUNS:-3}
# shellcheck source=scripts/wine-desktop.sh
. scripts/wine-desktop.sh
cp "$reference" "$scratch/app/reference.exe"
strip=$(command -v x86_64-w64-mingw32-strip || echo strip)

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
stripped_size() { "$strip" -o "$scratch/stripped.exe" "$1" && stat -c %s "$scratch/stripped.exe"; }

# The Windows process of a running program: Wine names the process after the executable.
process_of() { pgrep -n -x "$1" || true; }

# Milliseconds from exec until the program's first window is mapped on the display (watched with
# xdotool, which costs far less than a probe); peak resident memory (VmHWM) of the Windows
# process, KiB. The Wine server stays up between runs, as it does on a desktop.
start_figures() {  # exe
    local start mapped="" pid peak class
    class=$(tr '[:upper:]' '[:lower:]' <<<"$1")
    start=$(date +%s%N)
    (cd "$scratch/app" && exec timeout 60 "$loader" "./$1") >/dev/null 2>&1 &
    for _ in $(seq 4000); do
        if xdotool search --onlyvisible --classname "^$class\$" >/dev/null 2>&1; then
            mapped=$(( ($(date +%s%N) - start) / 1000000 )); break
        fi
        sleep 0.005
    done
    sleep 6
    pid=$(process_of "$1")
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo NA)
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do [ -n "$(process_of "$1")" ] || break; sleep 0.1; done
    echo "${mapped:-NA} ${peak:-NA}"
}

# CPU milliseconds and wake-ups per second of the running program over $2 seconds.
idle_figures() {  # exe name, seconds
    local pid before after cpu0 cpu1 sw0 sw1
    pid=$(process_of "$1")
    [ -n "$pid" ] || { echo "NA NA"; return; }
    sample() {
        local ticks=0 switches=0 t
        for t in /proc/"$pid"/task/*; do
            ticks=$((ticks + $(awk '{print $14 + $15}' "$t/stat")))
            switches=$((switches + $(awk '/ctxt_switches/ {s += $2} END {print s}' "$t/status")))
        done
        echo "$ticks $switches"
    }
    read -r cpu0 sw0 < <(sample)
    sleep "$2"
    read -r cpu1 sw1 < <(sample)
    local hz
    hz=$(getconf CLK_TCK)
    echo "$(( (cpu1 - cpu0) * 1000 / hz / $2 )) $(( (sw1 - sw0) / $2 ))"
}

# One start first, so that both are measured with the Wine server and its libraries warm.
start_figures reference.exe >/dev/null
for name in Quorvex.exe reference.exe; do
    : >"$scratch/$name.start"
    for _ in $(seq "$runs"); do start_figures "$name" >>"$scratch/$name.start"; done
done

# Idle with the monitor open (the program) or just shown (the reference).
(cd "$scratch/app" && exec timeout 120 "$loader" ./Quorvex.exe) >/dev/null 2>&1 &
wait_for 60 '^0 [0-9a-f]+ QuorvexForm1 1 ' >/dev/null || fail "the main window never appeared"
probe click "Open Traffic Monitor" >/dev/null || true
sleep 3
monitor=$(probe | grep -cE "^1 [0-9a-f]+ QuorvexPage 1 .* Picture3$" || true)
read -r q_cpu q_wake < <(idle_figures Quorvex.exe 20)
kill "$(process_of Quorvex.exe)" 2>/dev/null || true
sleep 1
(cd "$scratch/app" && exec timeout 120 "$loader" ./reference.exe) >/dev/null 2>&1 &
wait_for 60 '^0 [0-9a-f]+ QuorvexReference 1 ' >/dev/null || fail "the reference window never appeared"
sleep 3
read -r r_cpu r_wake < <(idle_figures reference.exe 20)

row() {  # label, exe, start file, cpu, wake-ups
    printf '%-16s exe %6s KiB (stripped %5s KiB)  first window %5s ms  peak working set %6s KiB  CPU %3s ms/s  wake-ups %4s /s\n' \
        "$1" "$(( $(stat -c %s "$2") / 1024 ))" "$(( $(stripped_size "$2") / 1024 ))" \
        "$(cut -d' ' -f1 "$3" | median)" "$(cut -d' ' -f2 "$3" | median)" "$4" "$5"
}
row "minimal Win32" "$reference" "$scratch/reference.exe.start" "$r_cpu" "$r_wake"
row "Quorvex.exe" "$program" "$scratch/Quorvex.exe.start" "$q_cpu" "$q_wake"
[ "$monitor" -ge 1 ] || echo "windows_figures: the monitor page did not open; Quorvex's CPU and wake-ups are on the home page" >&2
