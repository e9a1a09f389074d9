#!/usr/bin/env bash
# Builds Zephra and runs every test. With --sanitize, a separate build under ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  flags=(-DZEPHRA_SANITIZE=ON -DZEPHRA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi

cmake -S . -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$build" -j2 --output-on-failure --timeout 120
