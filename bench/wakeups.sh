#!/usr/bin/env bash
# bench/wakeups.sh [build dir] [seconds]: wake-ups per second of the real zintaro on a
# private X display with the null sound sink, counted as the context switches (voluntary
# and not) of all its threads from the kernel's counters: idle before anything is
# pressed, playing the Demo at the interval 3, and stopped again after playing. Each
# count also lists the threads that woke.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-10}
source tools/env/services.sh
source tools/env/xdriver.sh
trap 'zin_stop; zintaro_stop_services' EXIT
zintaro_start_display
zintaro_start_sound
cmake --build "$build" --target zintaro zintaro_demo >/dev/null

# per_thread <pid>: "<tid> <name> <switches>" for each of its threads now; the main
# thread is named "main", the others by their own name and id.
per_thread() {
  local task
  for task in /proc/"$1"/task/*; do
    awk -v tid="${task##*/}" -v pid="$1" '/^Name:/ {name = tid == pid ? "main" : $2 "/" tid}
      /ctxt_switches/ {n += $2} END {print tid, name, n}' "$task/status" 2>/dev/null || true
  done
}

# measure <what>: counts over the next $seconds seconds with the pointer off the window.
measure() {
  local before after
  xdotool mousemove 1279 1023
  sleep 2
  before=$(per_thread "$ZIN_PID")
  sleep "$seconds"
  after=$(per_thread "$ZIN_PID")
  # Threads that ended in between lose their counts; those that began count from zero.
  join -a 2 -e 0 -o 2.1,2.2,1.3,2.3 <(sort <<<"$before") <(sort <<<"$after") |
    awk -v what="$1" -v s="$seconds" '
      { d = $4 - $3; total += d; if (d > 0) woke = woke sprintf(" %s:%d", $2, d) }
      END { printf "%-24s %7.1f wake-ups/s  (%d in %d s; threads:%s)\n",
              what, total / s, total, s, woke == "" ? " none" : woke }'
}

zin_start "$build/bin/zintaro"
measure "idle, stopped"
zin_click $ZIN_PLAY
zin_wait_text $ZIN_STATUS_POSITION '^1/16$' 5 >/dev/null || echo "warning: Play did not show word 1" >&2
measure "playing, interval 3"
zin_click $ZIN_STOP
measure "stopped after playing"
