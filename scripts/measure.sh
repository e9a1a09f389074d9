#!/usr/bin/env bash
# Measures zephra as a user runs it, beside a minimal Qt 6 program (bench/QtBaseline.cpp):
# on two virtual X displays (Xvfb), one with a tray host (trayer) and one without, plus
# headless. For each program: the time from launch to its tray icon or window on screen (and
# to the first line, headless), to the loop first waiting for the user, RSS and PSS 10 s after
# launch, and the CPU time and context switches of an idle window from 10 s after launch, all
# read from /proc. Medians over the rounds, with the ratio to the baseline. The machine service
# that a program starts on demand is measured beside it; the tray also runs with --in-process.
# The same program with --floor (a tray icon and an empty 1 s timer, nothing else) shows what
# any Qt tray program costs here: the floor under zephra's tray figures.
#
#   scripts/measure.sh [--idle SECONDS] [--rounds N]     (defaults: 60 s, 3 rounds)
#
# Not part of the tests. Installs what it needs first (scripts/install-deps.sh --measure).
set -euo pipefail
cd "$(dirname "$0")/.."

idle=60
rounds=3
while [ $# -gt 0 ]; do
  case "$1" in
    --idle) idle="$2"; shift 2 ;;
    --rounds) rounds="$2"; shift 2 ;;
    -h|--help) sed -n '2,13p' "$0"; exit 0 ;;
    *) echo "measure.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
settle=10      # seconds after launch: memory is read, the idle window opens
stagger=2      # seconds between launches, so that no two start-ups overlap

scripts/install-deps.sh --measure
cmake -S . -B build >/dev/null
cmake --build build -j2 --target zephra zephra-machine qt_baseline >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/zephra-measure.XXXXXX")
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

free_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  echo "$n"
}

# Starts an X server on a free display and waits until it answers; prints the display name.
start_display() {
  local n
  n=$(free_display)
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb-$n.log" 2>&1 &
  started+=($!)
  for _ in $(seq 100); do
    DISPLAY=":$n" xprop -root >/dev/null 2>&1 && { echo ":$n"; return; }
    sleep 0.1
  done
  echo "measure.sh: Xvfb :$n did not start" >&2
  exit 1
}

tray_display=$(start_display)
plain_display=$(start_display)
DISPLAY=$tray_display trayer --edge top --align right --widthtype pixel --width 200 --heighttype pixel --height 24 \
  >"$work/trayer.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do
  DISPLAY=$tray_display xwininfo -root -children 2>/dev/null | grep -q '"panel"' && break
  sleep 0.1
done

now_ns() { date +%s%N; }

# One line per thread: id, time on the CPU (ns), context switches. The idle window counts the
# threads alive at both ends, so that a thread that ends meanwhile takes nothing away.
threads() {
  local task
  for task in /proc/"$1"/task/*; do
    awk -v tid="${task##*/}" 'FNR == 1 && FILENAME ~ /schedstat$/ { cpu = $1 }
      /^(voluntary|nonvoluntary)_ctxt_switches:/ { sw += $2 }
      END { printf "%s %.0f %.0f\n", tid, cpu, sw }' "$task/schedstat" "$task/status" 2>/dev/null || true
  done
}
# "cpu_us switches" between two samples of threads().
idle_use() {
  awk 'NR == FNR { cpu[$1] = $2; sw[$1] = $3; next }
       ($1 in cpu) { c += $2 - cpu[$1]; s += $3 - sw[$1] }
       END { printf "%.0f %.0f\n", c / 1000, s }' "$1" "$2"
}
memory_kb() { awk -v key="$2:" '$1 == key { print $2 }' /proc/"$1"/smaps_rollup; }

# measure NAME ROUND DISPLAY(or "none") PAGE COMMAND...: launches, samples, stops; appends a
# row "name round start answers rss pss cpu_ms switches" to $work/rows.
measure() {
  local name=$1 round=$2 display=$3 page=$4
  shift 4
  local dir="$work/$name-$round"
  mkdir -p "$dir/run" "$dir/state"
  chmod 700 "$dir/run"
  local display_env=(DISPLAY="$display")
  [ "$display" = none ] && display_env=(-u DISPLAY)
  local t0
  t0=$(now_ns)
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${display_env[@]}" QT_XCB_GL_INTEGRATION=none \
    XDG_RUNTIME_DIR="$dir/run" XDG_STATE_HOME="$dir/state" ZEPHRA_MEASURE_T0="$t0" ZEPHRA_MEASURE_PAGE="$page" \
    "$@" >"$dir/out" 2>"$dir/err" &
  local pid=$!
  started+=("$pid")
  sleep_until "$t0" "$settle"
  local rss pss service
  rss=$(memory_kb "$pid" Rss)
  pss=$(memory_kb "$pid" Pss)
  threads "$pid" >"$dir/threads-0"
  # The machine service the program started on demand, whose lock file holds its process id.
  service=$(cat "$dir"/run/zephra/machine-*.lock 2>/dev/null | head -n 1 || true)
  if [ -n "$service" ]; then
    threads "$service" >"$dir/service-threads-0"
    echo "$name-service $round - - - - $(memory_kb "$service" Rss) $(memory_kb "$service" Pss)" >"$dir/service-row"
  fi
  sleep_until "$t0" $((settle + idle))
  threads "$pid" >"$dir/threads-1"
  if [ -n "$service" ]; then
    threads "$service" >"$dir/service-threads-1"
    echo "$(cat "$dir/service-row") $(idle_use "$dir/service-threads-0" "$dir/service-threads-1")" >>"$work/rows"
    started+=("$service")
  fi
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "$service" ] && kill -TERM "$service" 2>/dev/null || true
  mark() { awk -v m="$1" '$1 == "zephra-measure:" && $2 == m { print $3; exit }' "$dir/err" | grep . || echo -; }
  echo "$name $round $(mark tray-icon) $(mark window) $(mark first-line) $(mark answers)" \
    "$rss $pss $(idle_use "$dir/threads-0" "$dir/threads-1")" >>"$work/rows"
}

sleep_until() {
  local target_ns=$(($1 + $2 * 1000000000))
  local left_ns=$((target_ns - $(now_ns)))
  [ "$left_ns" -gt 0 ] && sleep "$(awk -v n="$left_ns" 'BEGIN { printf "%.3f", n / 1e9 }')"
  return 0
}

zephra=build/bin/zephra
baseline=build/bin/qt_baseline
pages=("Connection Status" "Wireless Network" "Advanced" "Statistics" "Version")
: >"$work/rows"
echo "measuring $rounds round(s) of ${idle} s idle, one program every ${stagger} s ..." >&2
for round in $(seq "$rounds"); do
  jobs_of_round=()
  measure baseline "$round" "$tray_display" 0 "$baseline" & jobs_of_round+=($!); sleep "$stagger"
  measure floor "$round" "$tray_display" 0 "$baseline" --floor & jobs_of_round+=($!); sleep "$stagger"
  measure tray "$round" "$tray_display" 0 "$zephra" & jobs_of_round+=($!); sleep "$stagger"
  measure tray-in-process "$round" "$tray_display" 0 "$zephra" --in-process & jobs_of_round+=($!); sleep "$stagger"
  for i in "${!pages[@]}"; do
    measure "window-$i" "$round" "$plain_display" "$i" "$zephra" & jobs_of_round+=($!); sleep "$stagger"
  done
  measure headless "$round" none 0 "$zephra" & jobs_of_round+=($!)
  wait "${jobs_of_round[@]}"
  echo "round $round done" >&2
done

# Columns of $work/rows: name round tray window first-line answers rss_kb pss_kb cpu_us switches.
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
med() { awk -v n="$1" -v c="$2" '$1 == n && $c != "-" { print $c }' "$work/rows" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b == 0) print "-"; else printf "x%.2f", a / b }'; }
scaled() { awk -v v="$1" -v d="$2" -v f="$3" 'BEGIN { if (v == "-") print "-"; else printf f, v / d }'; }

row() {
  local name=$1 label=$2 start_column=$3 what=$4
  local start base_start rss pss cpu switches
  start=$(med "$name" "$start_column")
  base_start=$(med baseline "$start_column")
  [ "$start_column" = 5 ] && base_start=-
  rss=$(med "$name" 7); pss=$(med "$name" 8); cpu=$(med "$name" 9); switches=$(med "$name" 10)
  printf '| %s | %s %s (%s) | %s | %s MB (%s) | %s MB (%s) | %s ms (%s) | %s (%s) |\n' "$label" \
    "$what" "$(scaled "$start" 1 '%.0f ms')" "$(ratio "$start" "$base_start")" "$(scaled "$(med "$name" 6)" 1 '%.0f ms')" \
    "$(scaled "$rss" 1024 '%.1f')" "$(ratio "$rss" "$(med baseline 7)")" \
    "$(scaled "$pss" 1024 '%.1f')" "$(ratio "$pss" "$(med baseline 8)")" \
    "$(scaled "$cpu" 1000 '%.1f')" "$(ratio "$cpu" "$(med baseline 9)")" \
    "$switches" "$(ratio "$switches" "$(med baseline 10)")"
}

echo
echo "Medians of $rounds round(s). Start: launch to the tray icon or window exposed on screen (headless: first line);"
echo "ready: launch to the loop first waiting for the user. Memory at ${settle} s; CPU and context switches over"
echo "the ${idle} s idle from ${settle} s after launch. (xN): ratio to the Qt baseline."
echo
echo "| program | start | ready | RSS | PSS | CPU per ${idle} s | context switches per ${idle} s |"
echo "|---|---|---|---|---|---|---|"
row tray "zephra, tray only" 3 "tray icon"
row tray-service "zephra-machine, serving the tray" 3 "-"
row tray-in-process "zephra --in-process, tray only" 3 "tray icon"
for i in "${!pages[@]}"; do
  row "window-$i" "zephra, no tray, window on ${pages[$i]}" 4 window
done
row window-0-service "zephra-machine, serving the window on Connection Status" 3 "-"
row headless "zephra, headless" 5 "first line"
row baseline "Qt 6 baseline (tray icon)" 3 "tray icon"
row baseline "Qt 6 baseline (window)" 4 window
row floor "Qt 6 floor (tray icon, empty 1 s timer)" 3 "tray icon"
