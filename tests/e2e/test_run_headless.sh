#!/usr/bin/env bash
# ./run.sh without a display: it starts its own X display and sound server, plays the
# Demo, saves the screenshots and exits 0 once it has stopped the program.
source "$(dirname "$0")/common.sh"

build=$(cd "$ZIN_BIN_DIR/.." && pwd)
shots="$build/screenshots"
marker=$(mktemp /tmp/zintaro-run-marker.XXXXXX)
log=$(mktemp /tmp/zintaro-run-log.XXXXXX)
trap 'rm -f "$marker" "$log"' EXIT
sleep 1

env -u DISPLAY ZINTARO_BUILD_DIR="$build" bash "$ZIN_SOURCE_DIR/run.sh" >"$log" 2>&1
status=$?
cat "$log"
zin_check "run.sh exits 0 (it exited $status)" test "$status" = 0
for shot in 0-started 1-word 2-word 3-word; do
  zin_check "$shot.png saved in this run" test "$shots/$shot.png" -nt "$marker"
done
position=$(zin_ocr "$shots/1-word.png" $ZIN_STATUS_POSITION | tr -d ' ')
zin_check "the first word screenshot shows Demo word 1 ('$position')" test "$position" = 1/16
display=$(sed -n 's/^Zintaro ran on display \(:[0-9]*\);.*/\1/p' "$log")
zin_check "it used a display of its own ($display)" test -n "$display" -a "$display" != "$DISPLAY"
zin_check "the program is stopped" bash -c "! pgrep -f '^$build/bin/zintaro\$'"
