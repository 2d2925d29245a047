#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it. Without a display it runs the
# program under Xvfb for a few seconds, saves a screenshot of the main window and says where.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" default
program="$top/build/bin/quorvell"

# When the build asks a chatbot service on this machine (the default), the reference service
# runs beside the program and stops with it.
chatbot=""
stop_chatbot() { if [[ -n $chatbot ]]; then kill "$chatbot" 2>/dev/null || true; fi; }
cache="$top/build/CMakeCache.txt"
setting() { sed -n "s/^$1:STRING=//p" "$cache"; }
if [[ $(setting QUORVELL_CHATBOT_HOST) =~ ^(127\.0\.0\.1|localhost):([0-9]+)$ ]]; then
    mkdir -p "$top/out"
    python3 "$top/tools/chatbot_service.py" --port "${BASH_REMATCH[2]}" \
        --api-key "$(setting QUORVELL_CHATBOT_API_KEY)" \
        --api-secret "$(setting QUORVELL_CHATBOT_API_SECRET)" >"$top/out/chatbot-service.log" 2>&1 &
    chatbot=$!
fi

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    trap stop_chatbot EXIT
    "$program"
    exit
fi

shot="$top/out/main-window.png"
mkdir -p "$top/out"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'stop_chatbot; kill ${pid:-} $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=$display "$program" &
pid=$!
# The main window carries the title “Quorvell^Milvo”; wait for it, then let it settle.
window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name 'Quorvell' | head -n 1)
sleep 2
DISPLAY=$display import -window "$window" "$shot"
echo "The program ran under Xvfb on $display; a screenshot of its main window is in $shot"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
