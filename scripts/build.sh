#!/usr/bin/env bash
# Configures and builds one preset ("default" or "asan"); fast when nothing changed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-default}
cd "$top"
dir=build
[[ $preset == asan ]] && dir=build-asan
if [[ ! -f $dir/CMakeCache.txt ]]; then
    cmake --preset "$preset" >/dev/null
fi
cmake --build --preset "$preset"
