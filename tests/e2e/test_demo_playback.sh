#!/usr/bin/env bash
# The window maps, Play before any Open shows and speaks the Demo course, the words
# advance on the interval, About covers the player and OK brings it back.
source "$(dirname "$0")/common.sh"

zin_start "$ZIN_BIN_DIR/zintaro"
zin_geometry
# The skinned frame sizes the frameless window around its stored 748 x 487.
zin_check "window is 754 x 491" test "$ZIN_W" = 754 -a "$ZIN_H" = 491
zin_check "caption" test "$(xdotool getwindowname "$ZIN_WINDOW")" = "Varnel  Zintaro"

recording=$(mktemp /tmp/zintaro-rec.XXXXXX.raw)
if [[ -n "${ZINTARO_SINK_MONITOR:-}" ]]; then
  parec --device="$ZINTARO_SINK_MONITOR" --format=s16le --rate=22050 --channels=1 --raw >"$recording" &
  parec_pid=$!
  # parec takes a while to connect; record nothing of value until samples flow.
  for _ in $(seq 100); do
    [[ -s "$recording" ]] && break
    sleep 0.1
  done
  [[ -s "$recording" ]] || zin_fail "parec records the sink"
  sleep 0.3
fi
zin_click $ZIN_PLAY
position=$(zin_wait_text $ZIN_STATUS_POSITION '^1/16$' 5) || zin_fail "status shows 1/16, read '$position'"
echo "ok: Demo word 1 is shown: $position"
course=$(zin_wait_text $ZIN_STATUS_COURSE 'Demo' 5) || zin_fail "course name, read '$course'"
echo "ok: course name: $course"
zin_screenshot "$ZIN_SHOTS/demo-word-1.png"
# The Demo picture is a cream card with a red frame: no longer the empty white pane.
pixel=$(zin_pixel "$ZIN_SHOTS/demo-word-1.png" 200 150)
zin_check "picture pane shows the word card ($pixel)" test "$pixel" != "255,255,255"


# The interval slider starts at 3: a word every three seconds.
position=$(zin_wait_text $ZIN_STATUS_POSITION '^2/16$' 8) || zin_fail "word 2 follows, read '$position'"
start=$(date +%s.%N)
position=$(zin_wait_text $ZIN_STATUS_POSITION '^3/16$' 8) || zin_fail "word 3 follows, read '$position'"
elapsed=$(echo "$(date +%s.%N) - $start" | bc)
zin_check "word 3 came ${elapsed}s after word 2" test "$(echo "$elapsed > 1.5 && $elapsed < 4.5" | bc)" = 1

zin_click $ZIN_ABOUT
zin_screenshot "$ZIN_SHOTS/about.png"
about=$(zin_ocr "$ZIN_SHOTS/about.png" 130 125 180 35)
[[ "$about" == *Zintaro* ]] || zin_fail "About page shows the name, read '$about'"
echo "ok: About page: $about"
sleep 3
zin_click $ZIN_OK
position=$(zin_wait_text $ZIN_STATUS_POSITION '^(4|5)/16$' 3) || zin_fail "words went on behind About, read '$position'"
echo "ok: back on the player at $position"
zin_screenshot "$ZIN_SHOTS/after-ok.png"

# Word 1 was spoken right after Play; the sound server's latency varies, so the check
# runs on the first seconds of a recording that kept going meanwhile.
if [[ -n "${parec_pid:-}" ]]; then
  kill "$parec_pid"
  wait "$parec_pid" 2>/dev/null
  head -c $((22050 * 2 * 8)) "$recording" >"$recording.start"
  zin_check "word 1 is heard" "$ZIN_BIN_DIR/sound_match" "$recording.start" "$ZIN_BIN_DIR/Demo/1.wav"
  rm -f "$recording.start"
fi
rm -f "$recording"
