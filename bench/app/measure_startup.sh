#!/usr/bin/env bash
# Start-up time, idle cost and memory of the program under Xvfb.
#   bash bench/app/measure_startup.sh [program] [runs]
# Start-up: from process start to the main window being mapped and visible, median of the
# runs. Idle: CPU time used over 30 s with the main window open, from /proc. Memory: resident
# set size once the main window is open.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
program=${1:-$top/build/bin/quorvell}
runs=${2:-5}
home=$(mktemp -d)
display=:$((150 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
export DISPLAY=$display HOME=$home
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

wait_for_main_window() {
    while ! xdotool search --onlyvisible --name 'Quorvell' >/dev/null 2>&1; do
        sleep 0.005
    done
}

times=()
for run in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    pid=$!
    wait_for_main_window
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    if ((run < runs)); then
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    fi
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start-up to main window shown (ms): ${times[*]}; median ${sorted[$((runs / 2))]}"

sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
rss_kib=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
before=$(ticks)
sleep 30
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "idle over 30 s: $(awk -v d=$((after - before)) -v hz="$hz" 'BEGIN {printf "%.2f", 100 * d / hz / 30}') % of one core"
echo "resident memory with the main window open: $((rss_kib / 1024)) MiB ($rss_kib KiB)"
kill "$pid"
wait "$pid" 2>/dev/null || true
