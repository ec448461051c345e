#!/usr/bin/env bash
# The skinned frame as the window manager and a person see it: a frameless window with a
# 3-pixel border, rounded top corners and the skinned title bar, moved by its bar, resized
# from its edges, maximised and restored by a double click, minimised and closed from the
# control box's system menu and the close button.
source "$(dirname "$0")/common.sh"

screen=$(mktemp /tmp/zintaro-frame.XXXXXX.png)
before=$(mktemp /tmp/zintaro-behind.XXXXXX.png)
zin_screen_shot "$before"
zin_start "$ZIN_BIN_DIR/zintaro"
zin_geometry
x0=$ZIN_X y0=$ZIN_Y w0=$ZIN_W h0=$ZIN_H
zin_screen_shot "$screen"
cp "$screen" "$ZIN_SHOTS/window-frame.png"
at() { zin_pixel "$screen" $((x0 + $1)) $((y0 + $2)); }

border="0,44,200" # $C82C00
for spot in "0 200" "2 200" "$((w0 - 1)) 200" "$((w0 - 3)) 200" "300 $((h0 - 1))" "300 $((h0 - 3))"; do
  zin_check "border colour at $spot" test "$(at $spot)" = "$border"
done
zin_check "the border is 3 pixels wide" test "$(at 3 200)" != "$border"
zin_check "the bottom border is 3 pixels high" test "$(at 300 $((h0 - 4)))" != "$border"
# The corners are cut away: the screen behind shows there, unchanged.
for spot in "0 0" "$((w0 - 1)) 0"; do
  behind=$(zin_pixel "$before" $((x0 + ${spot% *})) $((y0 + ${spot#* })))
  zin_check "the rounded corner at $spot shows what is behind" test "$(at $spot)" = "$behind"
done
zin_check "below the corner the border starts" test "$(at 0 13)" = "$border"
# The bar's rows are the blue of its picture down to row 27 (the page container covers
# its last row); the white below is the page container.
blue_rows=0
for y in $(seq 0 40); do
  IFS=, read -r r g b <<<"$(at 400 "$y")"
  ((b > 150 && r < 120)) && blue_rows=$((blue_rows + 1))
done
zin_check "the title bar is 28 to 29 rows high ($blue_rows)" test "$blue_rows" -ge 28 -a "$blue_rows" -le 29
white=0
for x in $(seq 30 130); do
  [[ "$(at "$x" 14)" == "255,255,255" ]] && white=$((white + 1))
done
zin_check "the caption is drawn in white ($white pixels on its middle row)" test "$white" -ge 10
caption=$(zin_ocr "$screen" $((x0 + 28)) $((y0 + 4)) 160 20 | tr -d ' ')
zin_check "the caption reads Varnel Zintaro ($caption)" test "$caption" = "VarnelZintaro"

# Where the bar's painting puts its parts. The frame sits at x = 3 (the border), so the
# bar is the frame's 748 pixels wide and its x is the window's minus 3. WinXP lays the
# buttons from the right with a right offset of 2 and 21-pixel frames: close, the first
# button, at 748 - 2 - 21 = 725; maximise is hidden and takes no room, so minimise follows
# at 725 - 21 - 1 = 703. The control box is at the left offset, 2, with the program's seal
# in it; the caption starts after it, at 2 + 21 + 5 = 28. In window pixels: close 728..748,
# minimise 706..726, the control box from 5, the caption from 31.
light() { IFS=, read -r r g b <<<"$(at "$1" 15)"; ((r > 200 && g > 200 && b > 200)); }
bar_blue() { IFS=, read -r r g b <<<"$(at "$1" 15)"; ((b > 200 && r < 60)); }
for edge in 728 748 706 726; do
  zin_check "a button's light frame at x = $edge" light $edge
done
for gap in 727 705; do
  zin_check "the bar between and before the buttons at x = $gap" bar_blue $gap
done
IFS=, read -r r g b <<<"$(at 20 15)"
zin_check "the control box's red seal at x = 20 ($r,$g,$b)" test $((r > 120 && b < 100)) = 1
zin_check "the bar left of the seal at x = 5" bar_blue 5
first_ink=""
for x in $(seq 24 40); do
  for y in $(seq 8 20); do
    IFS=, read -r r g b <<<"$(at "$x" "$y")"
    ((r > 60)) && { first_ink=$x; break 2; }
  done
done
zin_check "the caption starts at x = 31 (first caption pixel at ${first_ink:-none})" \
  test "${first_ink:-0}" -ge 31 -a "${first_ink:-0}" -le 33

# Dragging the bar moves the window: the move starts once the pointer has left the drag
# distance, and from there the window follows it. The pauses let a loaded machine hand
# the move to the window manager before the pointer goes on, as a person's hand would.
# Under openbox on a loaded machine a drag now and then does not take (the window stays
# put; not yet understood), so a second drag is allowed, as a person would try again.
drag_bar() {
  xdotool mousemove $((x0 + 300)) $((y0 + 12)) mousedown 1 sleep 0.3 \
    mousemove $((x0 + 312)) $((y0 + 12)) sleep 1 mousemove $((x0 + 340)) $((y0 + 40)) sleep 0.5 \
    mousemove $((x0 + 362)) $((y0 + 62)) sleep 0.8 mouseup 1
  sleep 0.5
  zin_geometry
}
drag_bar
if [[ "$ZIN_X,$ZIN_Y" == "$x0,$y0" ]]; then
  echo "note: the first drag left the window at $ZIN_X,$ZIN_Y; dragging again"
  drag_bar
fi
zin_check "the bar drags the window by (50, 50): now at $ZIN_X,$ZIN_Y" \
  test "$ZIN_X" = $((x0 + 50)) -a "$ZIN_Y" = $((y0 + 50)) -a "$ZIN_W" = "$w0"

# The left edge and the bottom edge resize it, never below 150 pixels wide.
drag() { # from-x from-y to-x to-y, window coordinates
  xdotool mousemove $((ZIN_X + $1)) $((ZIN_Y + $2)) sleep 0.2 mousedown 1 sleep 0.2 \
    mousemove $((ZIN_X + ($1 + $3) / 2)) $((ZIN_Y + ($2 + $4) / 2)) sleep 0.2 \
    mousemove $((ZIN_X + $3)) $((ZIN_Y + $4)) sleep 0.3 mouseup 1
  sleep 0.5
  zin_geometry
}
x1=$ZIN_X
drag 1 200 -39 200
zin_check "the left edge widens it by 40: $ZIN_W at $ZIN_X" test "$ZIN_W" = $((w0 + 40)) -a "$ZIN_X" = $((x1 - 40))
drag 300 $((ZIN_H - 2)) 300 $((ZIN_H + 28))
zin_check "the bottom edge heightens it by 30: $ZIN_H" test "$ZIN_H" = $((h0 + 30))
drag 1 200 700 200
zin_check "dragged far right the left edge stops at 150 wide: $ZIN_W" test "$ZIN_W" = 150
drag 1 200 -600 200
work=$(xprop -root _NET_WORKAREA | sed 's/.*= //; s/, /x/g' | cut -dx -f1-4)

# A double click on the bar maximises to the work area; a second one restores.
zin_geometry
restored="$ZIN_X $ZIN_Y $ZIN_W $ZIN_H"
xdotool mousemove $((ZIN_X + 100)) $((ZIN_Y + 12)) click --repeat 2 --delay 80 1
sleep 1
zin_geometry
zin_check "a double click maximises to the work area $work: $ZIN_X,$ZIN_Y ${ZIN_W}x$ZIN_H" \
  test "$ZIN_X"x"$ZIN_Y"x"$ZIN_W"x"$ZIN_H" = "$work"
xdotool mousemove $((ZIN_X + 100)) $((ZIN_Y + 12)) click --repeat 2 --delay 80 1
sleep 1
zin_geometry
zin_check "a second double click restores $restored: $ZIN_X $ZIN_Y $ZIN_W $ZIN_H" test "$ZIN_X $ZIN_Y $ZIN_W $ZIN_H" = "$restored"

# The control box opens the system menu just below the bar's left edge.
xdotool mousemove $((ZIN_X + 15)) $((ZIN_Y + 15)) click 1
sleep 1
menu=""
for id in $(xdotool search --onlyvisible --pid "$ZIN_PID" 2>/dev/null); do
  [[ "$id" != "$ZIN_WINDOW" ]] && menu=$id
done
zin_check "the control box opens a menu" test -n "$menu"
eval "$(xdotool getwindowgeometry --shell "$menu")"
zin_check "the menu's corner is at the bar's bottom-left ($X,$Y)" \
  test "$X" = $((ZIN_X + 3)) -a "$Y" = $((ZIN_Y + 29))
zin_screen_shot "$screen"
cp "$screen" "$ZIN_SHOTS/window-system-menu.png"
items=$(convert "$screen" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -colorspace Gray -resize 400% \
  -threshold 50% png:- | tesseract - - -l chi_sim+eng --psm 6 2>/dev/null | tr -d ' \n')
for caption in '最小化' '最大化' '关闭'; do
  zin_check "the system menu shows $caption ($items)" grep -q "$caption" <<<"$items"
done

# Its first item minimises: the window is iconified.
xdotool mousemove $((X + 40)) $((Y + 13)) click 1
sleep 1
state=$(xprop -id "$ZIN_WINDOW" WM_STATE 2>/dev/null | grep 'window state')
zin_check "Minimise iconifies the window ($state)" grep -q Iconic <<<"$state"
xdotool windowactivate --sync "$ZIN_WINDOW" 2>/dev/null
sleep 1
zin_geometry

# The close button ends the program.
xdotool mousemove $((ZIN_X + ZIN_W - 3 - 23 + 10)) $((ZIN_Y + 15)) click 1
for _ in $(seq 50); do
  kill -0 "$ZIN_PID" 2>/dev/null || break
  sleep 0.1
done
zin_check "the close button ends the program" bash -c "! kill -0 $ZIN_PID 2>/dev/null"
ZIN_PID=""
rm -f "$screen" "$before"
