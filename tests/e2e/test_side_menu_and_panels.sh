#!/usr/bin/env bash
# The side menu and the folding panel as a learner meets them: the menu starts pinned open,
# unpinned it collapses to its bar within a second of the mouse leaving and pops out again
# under the mouse, and its pin pins it; "Control Panel" folds to its caption bar while the
# words go on, heard, and unfolds.
source "$(dirname "$0")/common.sh"

# The side menu sits at 6,50 (frame 3,0; page container 0,28; channel 3,22), 75 wide; its
# pin is at the caption bar's right end, its Open button at ZIN_OPEN.
ZIN_PIN="70 63"
SIDE_BUTTONS="20 90 56 20"
# "Control Panel" at 101,369 (player page 81,50; panel 20,319), 374 wide: its fold button
# at the caption bar's right end, the playback buttons below the bar.
ZIN_FOLD="464 379"
PLAYBACK_BUTTONS="115 405 250 20"

shot="$ZIN_SHOTS/side-menu.png"
dark_pixels() { # <png> <x> <y> <w> <h>
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -threshold 50% -format '%[fx:int(w*h*(1-mean))]' info:
}
side_menu_reads() { zin_screenshot "$shot" && zin_ocr "$shot" $SIDE_BUTTONS | tr -d ' '; }

zin_start "$ZIN_BIN_DIR/zintaro"
zin_check "the side menu starts open" test "$(side_menu_reads)" = Open

zin_click $ZIN_PIN
zin_geometry
xdotool mousemove $((ZIN_X + 400)) $((ZIN_Y + 200))
sleep 1.2
zin_check "unpinned, it collapses within a second of the mouse leaving" test "$(side_menu_reads)" != Open
zin_check "collapsed, the player page moves left over where the menu was" \
  test "$(zin_ocr "$shot" 38 56 70 14 | tr -d ' ')" = Chinese

xdotool mousemove $((ZIN_X + 10)) $((ZIN_Y + 300))
sleep 0.5
zin_check "the mouse over its bar pops it out" test "$(side_menu_reads)" = Open
zin_click $ZIN_PIN
xdotool mousemove $((ZIN_X + 400)) $((ZIN_Y + 200))
sleep 2.2
zin_check "pinned again, it stays open" test "$(side_menu_reads)" = Open

recording=$(mktemp /tmp/zintaro-rec.XXXXXX.raw)
zin_click $ZIN_PLAY
zin_wait_text $ZIN_STATUS_POSITION '^1/16$' 5 >/dev/null || zin_fail "Play shows word 1"
zin_screenshot "$shot"
zin_check "the playback buttons show" test "$(zin_ocr "$shot" $PLAYBACK_BUTTONS | cut -c1-4)" = Play
zin_click $ZIN_FOLD
sleep 1
zin_screenshot "$shot"
zin_check "folded, the playback buttons are gone" test "$(dark_pixels "$shot" $PLAYBACK_BUTTONS)" -lt 10
parec --device="$ZINTARO_SINK_MONITOR" --format=s16le --rate=22050 --channels=1 --raw >"$recording" &
parec_pid=$!
position=$(zin_wait_text $ZIN_STATUS_POSITION '^[3-5]/16$' 10) || zin_fail "words go on while folded, read '$position'"
sleep 1
kill "$parec_pid"
wait "$parec_pid" 2>/dev/null
loudest=$(sox -t raw -r 22050 -e signed -b 16 -c 1 "$recording" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
rm -f "$recording"
zin_check "words go on while folded ($position), heard (peak $loudest)" \
  test "$(echo "${loudest:-0} > 0.05" | bc)" = 1
zin_click $ZIN_FOLD
sleep 1
zin_screenshot "$shot"
zin_check "unfolded, the playback buttons are back" test "$(zin_ocr "$shot" $PLAYBACK_BUTTONS | cut -c1-4)" = Play
