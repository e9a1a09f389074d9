#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan and UBSan) in build-fuzz and runs each for
# SECONDS (default 60), two at a time. Each starts from its seeds in fuzz/corpus/<target>
# and grows its own corpus in build-fuzz/corpus/<target>; an input that crashes, leaks or
# hangs is kept in build-fuzz/findings/<target>/. Prints executions and findings per target
# and exits non-zero when anything was found.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
case "$seconds" in '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2 ;; esac

scripts/install-deps.sh --fuzz

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DZEPHRA_FUZZ=ON -DZEPHRA_BENCH=OFF \
  "-DZEPHRA_LAYERS=machine;platform;framework;resources;driver;registry;controls;pages;shell" >/dev/null
cmake --build "$build" -j2 --target zephra_fuzz_targets

mapfile -t targets < "$build/fuzz-targets.txt"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1

run_target() {
  local name="$1"
  local corpus="$build/corpus/$name" findings="$build/findings/$name"
  mkdir -p "$corpus" "$findings"
  local dict=()
  [ -f "fuzz/$name.dict" ] && dict=("-dict=fuzz/$name.dict")
  # A finding ends the run; its input is in the findings folder and the log says why.
  "$build/bin/fuzz_$name" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$name" > "$build/findings/$name.log" 2>&1 || true
}

rm -rf "$build/findings"
running=0
for name in "${targets[@]}"; do
  if [ "$running" -ge 2 ]; then
    wait -n
    running=$((running - 1))
  fi
  echo "fuzzing $name for $seconds s"
  run_target "$name" &
  running=$((running + 1))
done
wait

status=0
printf '%-20s %14s %9s\n' target executions findings
for name in "${targets[@]}"; do
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/findings/$name.log" | tail -n 1)
  found=$(find "$build/findings/$name" -type f | wc -l)
  printf '%-20s %14s %9s\n' "$name" "${runs:-?}" "$found"
  [ "$found" -eq 0 ] && [ -n "$runs" ] || status=1
done
[ "$status" -eq 0 ] || echo "findings (inputs and logs) are in $build/findings" >&2
exit "$status"
