#!/usr/bin/env bash
# Sets up, builds and runs every test twice: a normal build and one under ASan + UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
for preset in default asan; do
    echo "== $preset build =="
    cmake --preset "$preset" > /dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
