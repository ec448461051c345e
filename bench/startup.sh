#!/usr/bin/env bash
# bench/startup.sh [runs]: start to first painted frame, and peak resident memory, of
# zintaro next to a bare Qt window and, where the machine has it, Debian's flash-card
# trainer mnemosyne, one after another on one private X display with its window manager
# (the build in $ZINTARO_BUILD_DIR, build/ by default). A frame counts as painted when a
# point the program paints white shows white on screen, read every millisecond by
# first_frame. Memory is the peak resident set summed over the program's processes.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
build=${ZINTARO_BUILD_DIR:-build}
source tools/env/services.sh
home=$(mktemp -d /tmp/zintaro-startup.XXXXXX)
trap 'zintaro_stop_services; rm -rf "$home"' EXIT
zintaro_start_display
zintaro_start_sound
cmake --build "$build" --target zintaro bare_window first_frame >/dev/null

# Peak resident kB of a process and all its descendants.
tree_peak() {
  local total=0 child
  total=$(awk '/VmHWM/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0)
  for child in $(pgrep -P "$1"); do
    total=$((total + $(tree_peak "$child")))
  done
  echo "$total"
}

# one_start <title> <x> <y> <command...>: prints "<ms> <peak kB>" for one start.
one_start() {
  local ms pid peak
  read -r ms pid < <("$build/bin/first_frame" "$@")
  sleep 1
  peak=$(tree_peak "$pid")
  kill -- -"$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
  echo "$ms $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# report <name> <lines of "ms peak">
report() {
  local results=${2%$'\n'}
  echo "$1: first frame $(cut -d' ' -f1 <<<"$results" | median) ms, peak RSS $(cut -d' ' -f2 <<<"$results" | median) kB (median of $runs)"
}

measure() {
  local name=$1
  shift
  report "$name" "$(for _ in $(seq "$runs"); do one_start "$@"; done)"
}

# A start of each in every round, so the machine's drift falls on the three alike.
bare="" text="" zintaro=""
for _ in $(seq "$runs"); do
  bare+="$(one_start Bare 300 300 "$build/bin/bare_window")"$'\n'
  text+="$(one_start Bare 300 300 "$build/bin/bare_window" --text)"$'\n'
  zintaro+="$(one_start Varnel 300 470 "$build/bin/zintaro")"$'\n'
done
report bare "$bare"
report "bare with a line of text" "$text"
report zintaro "$zintaro"

if ! command -v mnemosyne >/dev/null; then
  echo "mnemosyne: not installed, not measured"
  exit 0
fi
# A profile of its own that has had its first start, with the welcome wizard and the tip
# of the day turned off, so each start opens straight on the main window; its question
# pane is white once the web view has painted. As root its web engine needs no sandbox.
mnemosyne=(env HOME="$home" QTWEBENGINE_DISABLE_SANDBOX=1 mnemosyne)
setsid "${mnemosyne[@]}" >/dev/null 2>&1 &
first=$!
for _ in $(seq 600); do
  xdotool search --onlyvisible --pid "$first" --name Mnemosyne >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 3
kill -- -"$first" 2>/dev/null || true
wait "$first" 2>/dev/null || true
/usr/bin/python3 - "$home/.config/mnemosyne/config.db" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("update config set value='False' where key in ('first_run', 'show_daily_tips')")
db.commit()
PY
measure mnemosyne Mnemosyne 100 120 "${mnemosyne[@]}"
