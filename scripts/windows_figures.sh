#!/usr/bin/env bash
# Figures of the shipped (stripped) Quorvex.exe under Wine next to a minimal Win32 window built the
# same way (tools/win32_reference), measured in the same run and the same Wine session, on a
# virtual display in a throwaway prefix:
# - executable size (as built, and stripped as it ships);
# - time from start until the first window is mapped (the splash's first paint), the peak working
#   set, and the CPU time from start until 6 s after the window maps (medians of $RUNS runs,
#   default 3), against the idle reference window;
# - over $IDLE seconds (default 20) on an idle network with the traffic monitor open: CPU,
#   context switches and wineserver requests per second of the program's own process, against
#   the reference window waking once a second ("--timer"), and against the same window reading
#   the interface table at each wake ("--table"), the floor of any traffic monitor.
# Each process is the one this script started (its process id; the prefix is this script's own),
# and the wineserver requests are those of that process's threads, read from the server's trace.
# Usage: windows_figures.sh [windows build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-${QUORVEX_WINDOWS_BUILD_DIR:-build-windows}}")
reference=$build/tools/win32_reference/quorvex_win32_reference.exe
runs=${RUNS:-3}
idle=${IDLE:-20}
# shellcheck source=scripts/wine-desktop.sh
. scripts/wine-desktop.sh
strip=$(command -v x86_64-w64-mingw32-strip || echo strip)
# What ships: the stripped executables (debugging data becomes resident memory under Wine).
"$strip" -o "$scratch/app/Quorvex.exe" "$program"
"$strip" -o "$scratch/app/reference.exe" "$reference"

# The Wine server again, now tracing every request to a log, for the rest of the session.
"$server" -k >/dev/null 2>&1 || true
"$server" -w >/dev/null 2>&1 || true
"$server" -f -d1 2>"$scratch/server.log" &
# The server's socket is named after the prefix's device and inode; wait until it listens, so
# that no program starts an untraced server of its own.
# (in /tmp/.wine-<uid>, or a private folder /tmp/wine-* as Debian's Wine makes it).
server_id=server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
listening() { compgen -G "/tmp/.wine-$(id -u)/$server_id/socket" >/dev/null ||
    compgen -G "/tmp/wine-*/$server_id/socket" >/dev/null; }
for _ in $(seq 100); do listening && break; sleep 0.05; done
listening || fail "the traced Wine server did not start"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Starts an executable of the bare folder; `started` is its process id (the Wine loader execs
# into the Windows process, keeping the id).
launch() {  # exe [arguments]
    (cd "$scratch/app" && exec "$loader" "./$1" "${@:2}") >/dev/null 2>&1 &
    started=$!
}
stop() {  # pid
    kill "$1" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill -9 "$1" 2>/dev/null || true
}
# CPU time in microseconds (from the scheduler: the process's clock ticks, 10 ms each, are too
# coarse for a start that takes a few of them) and context switches of every thread of a
# process, now.
usage_of() {  # pid
    local cpu_us=0 switches=0 t
    for t in /proc/"$1"/task/*; do
        cpu_us=$((cpu_us + $(awk '{print int($1 / 1000)}' "$t/schedstat" 2>/dev/null || echo 0)))
        switches=$((switches + $(awk '/ctxt_switches/ {s += $2} END {print s + 0}' "$t/status" 2>/dev/null || echo 0)))
    done
    echo "$cpu_us $switches"
}

# Milliseconds from exec until the program's first window is mapped (watched with xdotool, which
# costs far less than a probe); peak resident memory (VmHWM) in KiB; CPU milliseconds from start
# until 6 s after mapping. The Wine server stays up between runs, as it does on a desktop.
start_figures() {  # exe
    local start mapped="" peak class pid cpu_us from
    class=$(tr '[:upper:]' '[:lower:]' <<<"$1")
    start=$(date +%s%N)
    from=$(stat -c %s "$scratch/server.log")
    launch "$1"
    pid=$started
    for _ in $(seq 4000); do
        if xdotool search --onlyvisible --classname "^$class\$" >/dev/null 2>&1; then
            mapped=$(( ($(date +%s%N) - start) / 1000000 )); break
        fi
        sleep 0.005
    done
    sleep 6
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo NA)
    read -r cpu_us _ < <(usage_of "$pid")
    [ -z "${SHOW_REQUESTS:-}" ] || { echo "$1 from start:"; requests_of "$pid" "$from"; } >&2
    stop "$pid"
    echo "${mapped:-NA} ${peak:-NA} $((cpu_us / 1000))"
}

# The threads of a process as the server names them: the server's thread ids whose Unix thread
# is one of the process's.
server_threads() {  # pid
    local tids
    tids=$(ls /proc/"$1"/task | tr '\n' ' ')
    awk -v tids=" $tids" '
        /^[0-9a-f]+: init_(first_)?thread\( / {
            if (match($0, /unix_tid=[0-9]+/)) {
                t = substr($0, RSTART + 9, RLENGTH - 9)
                if (index(tids, " " t " ")) print substr($1, 1, length($1) - 1)
            }
        }' "$scratch/server.log" | sort -u
}

# The requests of a running process since a place in the server's log, most frequent first.
requests_of() {  # pid, log offset
    local threads
    threads=$(server_threads "$1" | tr '\n' ' ')
    tail -c +"$(($2 + 1))" "$scratch/server.log" | awk -v threads=" $threads" '
        /^[0-9a-f]+: [a-z_0-9]+\( / {
            if (index(threads, " " substr($1, 1, length($1) - 1) " ")) print substr($2, 1, length($2) - 1)
        }' | sort | uniq -c | sort -rn | head -15
}

# CPU milliseconds, context switches and wineserver requests per second of a running process
# over $idle seconds.
idle_figures() {  # pid
    local cpu0 cpu1 sw0 sw1 from to threads requests
    threads=$(server_threads "$1" | tr '\n' ' ')
    read -r cpu0 sw0 < <(usage_of "$1")
    from=$(stat -c %s "$scratch/server.log")
    sleep "$idle"
    to=$(stat -c %s "$scratch/server.log")
    read -r cpu1 sw1 < <(usage_of "$1")
    tail -c +"$((from + 1))" "$scratch/server.log" | head -c "$((to - from))" |
        awk -v threads=" $threads" '
            /^[0-9a-f]+: [a-z_0-9]+\( / {
                if (index(threads, " " substr($1, 1, length($1) - 1) " ")) print substr($2, 1, length($2) - 1)
            }' >"$scratch/requests.$1"
    requests=$(wc -l <"$scratch/requests.$1")
    # Which requests, for whoever wants to bring them down.
    [ -z "${SHOW_REQUESTS:-}" ] || sort "$scratch/requests.$1" | uniq -c | sort -rn | head -12 >&2
    awk -v c=$((cpu1 - cpu0)) -v s=$((sw1 - sw0)) -v r="$requests" -v t="$idle" \
        'BEGIN { printf "%.1f %.1f %.1f\n", c / 1000 / t, s / t, r / t }'
}

# One start first, so that both are measured with the Wine server and its libraries warm.
start_figures reference.exe >/dev/null
for name in Quorvex.exe reference.exe; do
    : >"$scratch/$name.start"
    for _ in $(seq "$runs"); do start_figures "$name" >>"$scratch/$name.start"; done
done

# Idle with the monitor open, then the reference waking once a second.
launch Quorvex.exe
quorvex=$started
wait_for 60 '^0 [0-9a-f]+ QuorvexForm1 1 ' >/dev/null || fail "the main window never appeared"
probe click "Open Traffic Monitor" >/dev/null || true
sleep 3
monitor=$(probe | grep -cE "^1 [0-9a-f]+ QuorvexPage 1 .* Picture3$" || true)
read -r q_cpu q_switch q_req < <(idle_figures "$quorvex")
stop "$quorvex"
# The reference idling with an option: waking once a second ("--timer"), and the floor of any
# traffic monitor here, the same window reading the interface table at each wake ("--table";
# under Wine each read is a device call that the server relays).
reference_idle() {  # option
    local pid
    launch reference.exe "$1"
    pid=$started
    wait_for 60 '^0 [0-9a-f]+ QuorvexReference 1 ' >/dev/null || fail "the reference window never appeared"
    sleep 3
    idle_figures "$pid"
    stop "$pid"
}
read -r r_cpu r_switch r_req < <(reference_idle --timer)
read -r t_cpu t_switch t_req < <(reference_idle --table)

column() { cut -d' ' -f"$2" "$1" | median; }
printf '%-22s %9s %9s %9s %9s %9s %9s %9s\n' "" "exe KiB" "shipped" "first ms" "peak KiB" \
    "start CPU" "idle CPU" "switch/s"
row() {  # label, exe, start file, idle cpu ms/s, switches/s, requests/s
    printf '%-22s %9s %9s %9s %9s %9s %9s %9s  server requests %s/s\n' "$1" \
        "$(( $(stat -c %s "$2") / 1024 ))" "$(( $(stat -c %s "$scratch/app/$(basename "$3" .start)") / 1024 ))" \
        "$(column "$3" 1)" "$(column "$3" 2)" "$(column "$3" 3)" "$4" "$5" "$6"
}
row "minimal Win32" "$reference" "$scratch/reference.exe.start" "$r_cpu" "$r_switch" "$r_req"
row "minimal + table read" "$reference" "$scratch/reference.exe.start" "$t_cpu" "$t_switch" "$t_req"
row "Quorvex.exe" "$program" "$scratch/Quorvex.exe.start" "$q_cpu" "$q_switch" "$q_req"
echo "(idle figures of the minimal window: with its 1 s timer; start CPU: ms from start to 6 s after the first window maps; idle: the monitor open against" \
    "the reference waking once a second; load $(cut -d' ' -f1-3 /proc/loadavg))"
[ "$monitor" -ge 1 ] || echo "windows_figures: the monitor page did not open; Quorvex's idle figures are of the home page" >&2
