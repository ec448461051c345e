#!/usr/bin/env bash
# The playback controls as a learner uses them: Pause, Forward and Back move through the
# course, Replay holds the word, and the interval slider, clicked and keyed, sets the pace.
source "$(dirname "$0")/common.sh"

position() { zin_wait_text $ZIN_STATUS_POSITION "$1" "${2:-5}"; }

zin_start "$ZIN_BIN_DIR/zintaro"
zin_click $ZIN_PLAY
text=$(position '^1/16$') || zin_fail "Play shows word 1, read '$text'"
zin_click $ZIN_PAUSE
zin_click $ZIN_FORWARD
zin_click $ZIN_FORWARD
zin_click $ZIN_BACK
zin_click $ZIN_PLAY
text=$(position '^2/16$') || zin_fail "Forward twice and Back once lead to word 2, read '$text'"
echo "ok: Pause, Forward, Back and Play: $text"

# On a loaded machine reading the screen takes seconds, so the word held is the one shown
# once Replay is checked, not necessarily word 2.
zin_click $ZIN_REPLAY
held=$(position '^[0-9]+/16$' 2) || zin_fail "position readable, read '$held'"
sleep 4.5
text=$(position "^$held\$" 1) || zin_fail "Replay holds word $held, read '$text'"
echo "ok: Replay holds the word"
zin_click $ZIN_REPLAY
# The next word is due within one interval (3 s); allow for a loaded machine.
deadline=$((SECONDS + 10))
while ((SECONDS < deadline)); do
  text=$(position '^[0-9]+/16$' 1)
  [[ "$text" != "$held" ]] && break
  sleep 0.5
done
zin_check "unchecked, the words advance ($held, then $text)" test "$text" != "$held"

# Home puts the slider at 0 (a word every tick), Right one step up to 1: a word a second.
zin_click $((ZIN_SLIDER_LEFT + 16)) $ZIN_SLIDER_Y
xdotool key Home Right
zin_click $ZIN_PAUSE
zin_click $ZIN_STOP
zin_click $ZIN_PLAY
text=$(position '^1/16$') || zin_fail "Stop and Play restart at word 1, read '$text'"
start=$(date +%s.%N)
text=$(position '^(3|4)/16$' 4) || zin_fail "slider at 1 steps every second, read '$text'"
elapsed=$(echo "$(date +%s.%N) - $start" | bc)
zin_check "two words in ${elapsed}s at interval 1" test "$(echo "$elapsed < 3.5" | bc)" = 1

# The buttons took the focus: a click on the knob (at position 1) gives it back to the
# slider, and End puts it at 30, so no word follows for a long while.
zin_click $((ZIN_SLIDER_LEFT + 8)) $ZIN_SLIDER_Y
xdotool key End
text=$(zin_wait_text $ZIN_STATUS_POSITION '^[0-9]+/16$' 2) || zin_fail "position readable, read '$text'"
sleep 6
after=$(zin_wait_text $ZIN_STATUS_POSITION '^[0-9]+/16$' 2)
zin_check "at the slider's end no word follows in 6 s ($text, $after)" test "$text" = "$after"

# The note memo (sPanel_Note at 494,52 holds it at 4,25, 226 x 274): no frame to be seen,
# the note in it, and a drag across it or the wheel over it changes none of its pixels, so
# nothing is selected or scrolled.
memo_crop="226x274+498+77"
note_before="$ZIN_SHOTS/note-before.png"
note_after="$ZIN_SHOTS/note-after.png"
zin_screenshot "$note_before" || zin_fail "screenshot"
for edge in "498 200" "723 200" "600 77" "600 350"; do
  pixel=$(zin_pixel "$note_before" $edge)
  zin_check "the memo's edge at $edge is white ($pixel)" test "$pixel" = "255,255,255"
done
inked=$(convert "$note_before" -crop "$memo_crop" +repage -colorspace Gray -threshold 70% \
  -format '%[fx:int(w*h*(1-mean))]' info:)
zin_check "the memo shows the note ($inked dark pixels)" test "$inked" -gt 200
zin_geometry
xdotool mousemove $((ZIN_X + 505)) $((ZIN_Y + 85)) mousedown 1 sleep 0.1 \
  mousemove $((ZIN_X + 650)) $((ZIN_Y + 200)) sleep 0.1 mousemove $((ZIN_X + 700)) $((ZIN_Y + 330)) \
  sleep 0.1 mouseup 1 click --repeat 3 5
sleep 0.5
zin_screenshot "$note_after" || zin_fail "screenshot"
convert "$note_before" -crop "$memo_crop" +repage "$note_before.memo.png"
convert "$note_after" -crop "$memo_crop" +repage "$note_after.memo.png"
changed=$(compare -metric AE "$note_before.memo.png" "$note_after.memo.png" null: 2>&1)
zin_check "a drag and the wheel leave the memo as it was ($changed pixels changed)" test "$changed" = 0

# Holding a playback button does no more than clicking it: Forward held for 1.5 s while
# paused moves one word on, shown by the next Play.
zin_click $ZIN_PAUSE
zin_geometry
read -r fx fy <<<"$ZIN_FORWARD"
xdotool mousemove $((ZIN_X + fx)) $((ZIN_Y + fy)) sleep 0.1 mousedown 1 sleep 1.5 mouseup 1
sleep 0.3
zin_click $ZIN_PLAY
shown=${after%/16}
expected="$((shown % 16 + 1))/16"
text=$(position "^$expected\$" 3) || zin_fail "Forward held once moves one word, from $after to $expected, read '$text'"
echo "ok: Forward held for 1.5 s moves one word: $after to $text"
