#!/usr/bin/env bash
# Measures the processor use of the real program under Xvfb: idle with its main window
# shown, then while a message box waits for an answer (the question of "设置闹钟"), each over
# the given number of seconds (default 10), with bench/power/proc_cpu.py.
#
#     bash bench/power/program_cpu.sh [SECONDS]
#
# Needs a default build (build/bin/quorvell). The program gets no session bus, so nothing is
# started on the side; the box is answered with Escape (Cancel) at the end.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
span=${1:-10}
program="$top/build/bin/quorvell"
display=:$((190 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=
trap 'kill $pid $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$program" 2>/dev/null &
pid=$!
window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name 'Quorvell' | head -n 1)
sleep 2
echo "main window shown, nothing open:"
python3 "$top/bench/power/proc_cpu.py" "$pid" "$span"
# 按钮6 "设置闹钟" stands at 280, 115 (80 × 25) on the page, which lies at 60, 40 in the window.
DISPLAY=$display xdotool mousemove --window "$window" 380 167 click 1
sleep 1
echo "question box of 设置闹钟 open:"
python3 "$top/bench/power/proc_cpu.py" "$pid" "$span"
DISPLAY=$display xdotool search --onlyvisible --name '提示：' >/dev/null &&
    echo "(the box was still open at the end)"
DISPLAY=$display xdotool key Escape
