#!/usr/bin/env bash
# Runs the program under Xvfb with its own session bus and accessibility bus, and checks it
# through AT-SPI. Usage: run_accessibility_check.sh <program>
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
display=:$((300 + RANDOM % 200))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
export DISPLAY=$display HOME=$home QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
# The session bus starts the accessibility bus and its registry on demand.
dbus-run-session -- bash -c '
    "$1" >/dev/null 2>&1 &
    pid=$!
    status=0
    /usr/bin/python3 "$2" || status=$?
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    exit "$status"
' check "$program" "$here/accessibility_check.py" 2>&1 | grep -vE 'fd limit|Activating service|Successfully activated|SpiRegistry daemon'
exit "${PIPESTATUS[0]}"
