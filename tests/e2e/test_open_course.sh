#!/usr/bin/env bash
# Open through the folder browser: a course typed into it plays; a folder without
# index.ini asks for a book; a course whose next word has no sound reports it in a box
# that leaves the window usable.
source "$(dirname "$0")/common.sh"

courses=$(mktemp -d /tmp/zintaro-courses.XXXXXX)
trap 'zin_stop; rm -rf "$courses"' EXIT
make_course() { # make_course <folder> <words>
  mkdir -p "$1"
  printf '[set]\r\nCourse=Typed course\r\nMaxLength=%s\r\n' "$2" >"$1/index.ini"
  for n in $(seq "$2"); do cp "$ZIN_BIN_DIR/Demo/$n."{jpg,txt,wav} "$1/"; done
}
make_course "$courses/我的 课程" 3
make_course "$courses/fading" 2
rm "$courses/fading/2.wav"
mkdir -p "$courses/no index"

zin_start "$ZIN_BIN_DIR/zintaro"

zin_open_folder "$courses/我的 课程"
text=$(zin_wait_text $ZIN_STATUS_POSITION '^1/3$' 5) || zin_fail "typed course opens at 1/3, read '$text'"
echo "ok: typed course with Chinese characters and blanks opens: $text"
text=$(zin_wait_text $ZIN_STATUS_COURSE 'Typed' 3) || zin_fail "course name, read '$text'"
zin_click $ZIN_PAUSE

zin_open_folder "$courses/no index"
text=$(zin_wait_text $ZIN_STATUS_COURSE '^Pleaseselectabook\.$' 5) || zin_fail "asks for a book, read '$text'"
echo "ok: folder without index.ini: $text"
text=$(zin_wait_text $ZIN_STATUS_POSITION '^0$' 3) || zin_fail "word count 0, read '$text'"
echo "ok: position panel reads $text"

zin_open_folder "$courses/fading"
text=$(zin_wait_text $ZIN_STATUS_POSITION '^1/2$' 5) || zin_fail "fading course opens, read '$text'"
box=$(zin_wait_window zintaro 8) || zin_fail "a box titled zintaro reports the missing sound"
# The box must not block the window: Stop still works, so no further word is tried. It is
# pressed at once, but a failed word keeps its tick count and the next word (1) may come
# one tick on, before Stop lands: either word may be shown, and it must stay.
zin_click $ZIN_STOP
zin_screen_shot "$ZIN_SHOTS/missing-sound.png"
eval "$(xdotool getwindowgeometry --shell "$box")"
import -window "$box" "$ZIN_SHOTS/missing-sound-box.png"
message=$(tesseract "$ZIN_SHOTS/missing-sound-box.png" - --psm 6 2>/dev/null | tr -s ' \n' ' ' | sed 's/ *$//')
echo "box says: $message"
[[ "$message" == *"not found"* ]] || zin_fail "box names the missing file"
[[ "$message" =~ \.\ *OK$ || "$message" =~ \.$ ]] || zin_fail "box text ends with a full stop"
echo "ok: missing sound reported in a zintaro box ending with a full stop"

stopped=$(zin_wait_text $ZIN_STATUS_POSITION '^[12]/2$' 2) || zin_fail "position after Stop, read '$stopped'"
sleep 4
text=$(zin_wait_text $ZIN_STATUS_POSITION "^$stopped\$" 1) || zin_fail "Stop reached past the box: $stopped became '$text'"
boxes=$(xdotool search --onlyvisible --name '^zintaro$' | wc -l)
zin_check "one box, not a stack ($boxes)" test "$boxes" = 1
echo "ok: Stop works while the box is open"
