#!/usr/bin/env bash
# Installs what is needed, builds the normal and the sanitizer build, and runs every test of
# both. Exits non-zero when anything fails.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
cd "$top"
for preset in default asan; do
    echo "== $preset: build"
    "$top/scripts/build.sh" "$preset"
    echo "== $preset: tests"
    ctest --preset "$preset"
done
