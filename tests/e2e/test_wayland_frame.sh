#!/usr/bin/env bash
# On Wayland no window is shaped: the rounded top corners are see-through pixels of a
# translucent window. Under a headless weston with a green desktop, the window's top
# corners show the desktop, its bottom corners are square, and its border is on the left,
# right and bottom edges as on X11.
source "$(dirname "$0")/common.sh"

run=$(mktemp -d /tmp/zintaro-wayland.XXXXXX)
chmod 700 "$run"
cat >"$run/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
background-color=0xff20a040
panel-position=none
EOF
export XDG_RUNTIME_DIR=$run WAYLAND_DISPLAY=zintaro-test
# --debug lets weston-screenshooter read the screen.
weston --config="$run/weston.ini" --backend=headless-backend.so --socket=$WAYLAND_DISPLAY \
  --width=1024 --height=768 --use-pixman --debug >"$run/weston.log" 2>&1 &
weston=$!
trap 'zin_stop; kill $weston 2>/dev/null; rm -rf "$run"' EXIT
for _ in $(seq 100); do [[ -S $run/$WAYLAND_DISPLAY ]] && break; sleep 0.1; done
[[ -S $run/$WAYLAND_DISPLAY ]] || zin_fail "weston starts: $(tail -3 "$run/weston.log")"

desktop=32,160,64
border=0,44,200
# Not zin_start: that waits for an X window.
QT_QPA_PLATFORM=wayland "$ZIN_BIN_DIR/zintaro" >"$run/zintaro.log" 2>&1 &
ZIN_PID=$!

# The window is where the compositor put it: found by its border, which shows on the
# left, right and bottom edges. Its top is its stored height (491) above its bottom row.
shot="$ZIN_SHOTS/wayland-frame.png"
for _ in $(seq 20); do
  sleep 1
  rm -f "$run"/wayland-screenshot-*.png
  (cd "$run" && weston-screenshooter >/dev/null 2>&1)
  cp "$run"/wayland-screenshot-*.png "$shot" 2>/dev/null || continue
  box=$(convert "$shot" -alpha off -fill black +opaque "rgb($border)" -format '%@' info:)
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && ((BASH_REMATCH[1] > 100)) && break
done
[[ ${box:-} =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || zin_fail "window shown: ${box:-no screenshot}; $(tail -3 "$run/zintaro.log")"
width=${BASH_REMATCH[1]} left=${BASH_REMATCH[3]}
right=$((left + width - 1))
bottom=$((BASH_REMATCH[4] + BASH_REMATCH[2] - 1))
top=$((bottom - 490))
zin_check "the window is 754 wide ($width)" test "$width" = 754

pixel_is() { test "$(zin_pixel "$shot" "$2" "$3")" = "$1"; }
# The rounded top corners row by row, as the window's region has them on X11: how many
# desktop pixels show at the left and at the right end of each row.
row=0
for insets in "4 3" "2 1" "1 0" "1 0" "0 0"; do
  read -r at_left at_right <<<"$insets"
  y=$((top + row))
  for x in $(seq $left $((left + at_left - 1))) $(seq $((right - at_right + 1)) $right); do
    zin_check "desktop at $x $y in a top corner" pixel_is $desktop $x $y
  done
  zin_check "window from $((left + at_left)) to $((right - at_right)) on row $row" \
    test "$(zin_pixel "$shot" $((left + at_left)) $y)" != $desktop -a \
    "$(zin_pixel "$shot" $((right - at_right)) $y)" != $desktop
  row=$((row + 1))
done
middle=$(((top + bottom) / 2))
for at in "$left $middle" "$right $middle" "$(((left + right) / 2)) $bottom" "$left $bottom" "$right $bottom"; do
  zin_check "border at $at (edges and square bottom corners)" pixel_is $border $at
done
