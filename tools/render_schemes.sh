#!/usr/bin/env bash
# Renders the main window under each of the nine colour schemes, offscreen, into
# docs/schemes/<scheme>.png for the README's gallery. Builds what it needs first.
#   bash tools/render_schemes.sh [page 0-5]     (default 3, the calculator)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake --preset default >/dev/null
nice cmake --build --preset default --target skin_gallery SkinH_EL
QT_QPA_PLATFORM=offscreen "$top/build/bin/skin_gallery" "$top/docs/schemes" "${1:-3}"
echo "The nine pictures are in $top/docs/schemes"
