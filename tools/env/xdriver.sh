# Sourced by the end-to-end tests and the showcase: drives the real zintaro binary on an
# X display with xdotool and reads its window with ImageMagick.

# zin_start <binary> [args...]: starts it in the background, waits for its main window.
zin_start() {
  local binary=$1
  shift
  ZIN_LOG=$(mktemp /tmp/zintaro-run.XXXXXX)
  "$binary" "$@" >"$ZIN_LOG" 2>&1 &
  ZIN_PID=$!
  ZIN_WINDOW=""
  for _ in $(seq 100); do
    ZIN_WINDOW=$(xdotool search --sync --onlyvisible --pid "$ZIN_PID" --name 'Varnel  Zintaro' 2>/dev/null | head -1) || true
    [[ -n "$ZIN_WINDOW" ]] && break
    sleep 0.1
  done
  if [[ -z "$ZIN_WINDOW" ]]; then
    echo "zintaro did not map its window; its output:" >&2
    cat "$ZIN_LOG" >&2
    return 1
  fi
  sleep 0.5
}

# The program ends by the signal, so its status is not ours: callers under set -e go on.
zin_stop() {
  if [[ -n "${ZIN_PID:-}" ]] && kill "$ZIN_PID" 2>/dev/null; then
    wait "$ZIN_PID" 2>/dev/null || true
  fi
  ZIN_PID=""
}

# zin_geometry: sets ZIN_X ZIN_Y ZIN_W ZIN_H of the main window.
zin_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$ZIN_WINDOW")"
  ZIN_X=$X ZIN_Y=$Y ZIN_W=$WIDTH ZIN_H=$HEIGHT
}

# zin_click <x> <y>: a left click at window coordinates.
zin_click() {
  zin_geometry
  xdotool mousemove $((ZIN_X + $1)) $((ZIN_Y + $2)) sleep 0.1 click 1
  sleep 0.3
}

# zin_screenshot <file>: the main window as a PNG; fails when the program has gone.
zin_screenshot() {
  kill -0 "$ZIN_PID" 2>/dev/null || { echo "zintaro is no longer running" >&2; return 1; }
  timeout 10 import -window "$ZIN_WINDOW" "$1"
}

# zin_screen_shot <file>: the whole screen (to see dialogs and boxes too).
zin_screen_shot() {
  timeout 10 import -window root "$1"
}

# zin_pixel <png> <x> <y>: prints the pixel as "r,g,b".
zin_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# zin_wait_window <name> [seconds]: waits for a top-level window titled <name>; prints its id.
zin_wait_window() {
  local name=$1 limit=${2:-10} id=""
  for _ in $(seq $((limit * 10))); do
    id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -1) || true
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# zin_ocr <png> <x> <y> <w> <h>: the text in that part of the picture, on one line.
zin_ocr() {
  local crop
  crop=$(mktemp /tmp/zintaro-ocr.XXXXXX.png)
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -resize 400% -threshold 60% "$crop"
  tesseract "$crop" - --psm 7 2>/dev/null | tr -s ' \n' ' ' | sed 's/^ *//; s/ *$//'
  rm -f "$crop"
}

# zin_wait_text <x> <y> <w> <h> <pattern> [seconds]: waits until the window shows text
# matching the extended regular expression there, blanks left out (OCR drops some);
# prints what it read last.
zin_wait_text() {
  local limit=${6:-10} shot text=""
  shot=$(mktemp /tmp/zintaro-shot.XXXXXX.png)
  for _ in $(seq $((limit * 2))); do
    zin_screenshot "$shot"
    text=$(zin_ocr "$shot" "$1" "$2" "$3" "$4" | tr -d ' ')
    if [[ "$text" =~ $5 ]]; then
      rm -f "$shot"
      echo "$text"
      return 0
    fi
    sleep 0.5
  done
  rm -f "$shot"
  echo "$text"
  return 1
}

# Window coordinates of the elements the tests press and read (the frame, the page
# container and the player page are at 3,0 / 0,28 / 78,22).
ZIN_PLAY="135 414"
ZIN_STOP="181 414"
ZIN_PAUSE="231 414"
ZIN_OPEN="48 99"
ZIN_DOWNLOAD="48 130"
ZIN_ABOUT="48 164"
ZIN_HELP="48 202"
ZIN_OK="472 322"
ZIN_BACK="286 414"
ZIN_FORWARD="337 414"
ZIN_REPLAY="674 386"
# The interval slider: 124 x 21 at 502,409; its knob starts at 513..523 (position 3 of 30).
ZIN_SLIDER_LEFT=502
ZIN_SLIDER_Y=419
ZIN_STATUS_COURSE="84 460 196 20"
ZIN_STATUS_POSITION="284 460 96 20"
