#!/usr/bin/env bash
# A longer soak than the test command's day: HOURS of random use in virtual time (default
# 168, a week) from SEED (default: a new one, printed), under ASan and UBSan so that a leak
# fails it too. Rerun a failure with the seed it printed.
set -euo pipefail
cd "$(dirname "$0")/.."

hours=${1:-168}
seed=${2:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
case "$hours$seed" in
  *[!0-9]*) echo "usage: scripts/soak.sh [HOURS] [SEED] (whole numbers)" >&2; exit 2 ;;
esac

scripts/install-deps.sh
cmake -S . -B build-sanitize -DZEPHRA_SANITIZE=ON -DZEPHRA_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j2 --target zephra_fault_tests
echo "soak: $hours hours, seed $seed"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ZEPHRA_SOAK_HOURS="$hours" ZEPHRA_SOAK_SEED="$seed" \
  exec build-sanitize/bin/zephra_fault_tests --gtest_filter='Soak.*'
