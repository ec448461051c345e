#!/usr/bin/env bash
# On a screen of twice the density (QT_SCALE_FACTOR=2) the window is twice the size and
# sharp: the border is twice as wide, and every pixel of the skin's pictures, the title
# bar's buttons and the slider's ticks among them, becomes a 2 x 2 block with no blur
# between neighbours.
source "$(dirname "$0")/common.sh"

# A display of its own, large enough for the doubled window.
for n in $(seq 141 160); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
  Xvfb ":$n" -screen 0 1800x1200x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  break
done
trap 'zin_stop; kill $xvfb 2>/dev/null' EXIT
export DISPLAY=":$n"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

QT_SCALE_FACTOR=2 zin_start "$ZIN_BIN_DIR/zintaro"
zin_geometry
zin_check "the window is twice its size ($ZIN_W x $ZIN_H)" test "$ZIN_W" = 1508 -a "$ZIN_H" = 982
shot="$ZIN_SHOTS/high-density.png"
zin_screenshot "$shot" || zin_fail "screenshot"

# The 3-pixel border is 6 pixels wide on the left, right and bottom edges.
for at in "0 600" "5 600" "1507 600" "1502 600" "700 981" "700 976"; do
  zin_check "border at $at" test "$(zin_pixel "$shot" $at)" = "0,44,200"
done
zin_check "inside the border at 6 600" test "$(zin_pixel "$shot" 6 600)" != "0,44,200"

# sharp <name> <x> <y> <w> <h> (logical pixels): the part doubled is made of 2 x 2 blocks.
sharp() {
  local part="$ZIN_SHOTS/high-density-$1.png" blocks
  convert "$shot" -crop "$(($4 * 2))x$(($5 * 2))+$(($2 * 2))+$(($3 * 2))" +repage "$part"
  convert "$part" -sample 50% -sample 200% "$part.blocks.png"
  blocks=$(compare -metric AE "$part" "$part.blocks.png" null: 2>&1)
  zin_check "$1 is sharp: every pixel a 2 x 2 block ($blocks pixels differ)" test "$blocks" = 0
}
# The title bar's buttons at its right end, and the interval slider with its ticks.
sharp title-bar-buttons 690 4 56 22
sharp slider-ticks 502 409 124 21
