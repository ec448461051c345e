#!/usr/bin/env bash
# bench/startup.sh [runs]: start to first painted frame, and peak resident memory, of
# zintaro next to a bare Qt window, side by side on one private X display with its window
# manager (the build in $ZINTARO_BUILD_DIR, build/ by default). A frame counts as painted
# when a point the program paints white shows white on screen.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
build=${ZINTARO_BUILD_DIR:-build}
source tools/env/services.sh
trap zintaro_stop_services EXIT
zintaro_start_display
zintaro_start_sound
cmake --build "$build" --target zintaro bare_window >/dev/null

# first_frame <binary> <title> <x> <y>: prints "<ms> <peak kB>" for one start.
first_frame() {
  local start pid window="" ms peak
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  pid=$!
  while [[ -z "$window" ]]; do
    window=$(xdotool search --onlyvisible --pid "$pid" --name "$2" 2>/dev/null | head -1) || true
  done
  until [[ $(convert "x:$window[1x1+$3+$4]" -format '%[hex:p{0,0}]' info: 2>/dev/null) == FFFFFF* ]]; do :; done
  ms=$((($(date +%s%N) - start) / 1000000))
  sleep 1
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$ms $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for program in "bare $build/bin/bare_window Bare 300 300" "zintaro $build/bin/zintaro Varnel 300 470"; do
  read -r name binary title x y <<<"$program"
  results=$(for _ in $(seq "$runs"); do first_frame "$binary" "$title" "$x" "$y"; done)
  echo "$name: first frame $(cut -d' ' -f1 <<<"$results" | median) ms, peak RSS $(cut -d' ' -f2 <<<"$results" | median) kB (median of $runs)"
done
