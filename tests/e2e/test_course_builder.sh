#!/usr/bin/env bash
# A course built by zintaro-course from a word list opens in the program, shows its name
# and first word, and its word 1 is heard.
source "$(dirname "$0")/common.sh"

work=$(mktemp -d /tmp/zintaro-built.XXXXXX)
trap 'zin_stop; kill "${parec_pid:-}" 2>/dev/null; rm -rf "$work"' EXIT
printf '# a built course\n茶\tchá\ttea\tA plant.\n你好\tni3 hao3\thello\n水\tshuǐ\twater\n' >"$work/words.tsv"
# Not a terminal: the tool says nothing when all goes well.
output=$("$ZIN_BIN_DIR/zintaro-course" build "$work/words.tsv" "$work/course" --name "Built course" 2>&1)
zin_check "the tool builds the course quietly ($output)" test -z "$output" -a -f "$work/course/index.ini"
if "$ZIN_BIN_DIR/zintaro-course" build "$work/words.tsv" "$work/course" 2>"$work/refused"; then
  zin_fail "a second build without --force is refused"
fi
echo "ok: refused: $(cat "$work/refused")"

zin_start "$ZIN_BIN_DIR/zintaro"
if [[ -n "${ZINTARO_SINK_MONITOR:-}" ]]; then
  parec --device="$ZINTARO_SINK_MONITOR" --format=s16le --rate=22050 --channels=1 --raw >"$work/heard.raw" &
  parec_pid=$!
  for _ in $(seq 100); do
    [[ -s "$work/heard.raw" ]] && break
    sleep 0.1
  done
  [[ -s "$work/heard.raw" ]] || zin_fail "parec records the sink"
  sleep 0.3
fi

zin_open_folder "$work/course"
text=$(zin_wait_text $ZIN_STATUS_POSITION '^1/3$' 5) || zin_fail "built course opens at 1/3, read '$text'"
echo "ok: the built course opens: $text"
text=$(zin_wait_text $ZIN_STATUS_COURSE 'Built' 3) || zin_fail "course name, read '$text'"
echo "ok: course name: $text"
zin_click $ZIN_PAUSE
zin_screenshot "$ZIN_SHOTS/built-course-word-1.png"
pixel=$(zin_pixel "$ZIN_SHOTS/built-course-word-1.png" 200 150)
zin_check "picture pane shows the card ($pixel)" test "$pixel" != "255,255,255"

if [[ -n "${parec_pid:-}" ]]; then
  sleep 2
  kill "$parec_pid"
  wait "$parec_pid" 2>/dev/null
  parec_pid=""
  zin_check "word 1 is heard" "$ZIN_BIN_DIR/sound_match" "$work/heard.raw" "$work/course/1.wav"
fi
