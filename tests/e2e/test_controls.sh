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

zin_click $ZIN_REPLAY
sleep 4.5
text=$(position '^2/16$' 1) || zin_fail "Replay holds word 2, read '$text'"
echo "ok: Replay holds the word"
zin_click $ZIN_REPLAY
text=$(position '^3/16$' 5) || zin_fail "unchecked, the words go on, read '$text'"
echo "ok: Replay unchecked, words advance: $text"

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
