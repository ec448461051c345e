#!/usr/bin/env bash
# tools/screenshots.sh [build dir]: remakes the README's pictures in docs/screenshots/ on a
# private X display with a null sound sink: the main window playing the first Demo word,
# and the control gallery's sheet.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=docs/screenshots
source tools/env/services.sh
source tools/env/xdriver.sh
raw=$(mktemp -d /tmp/zintaro-screenshots.XXXXXX)
trap 'zin_stop; zintaro_stop_services; rm -rf "$raw"' EXIT
cmake --build "$build" --target zintaro zintaro_demo zintaro_help zintaro_themes zintaro-gallery >/dev/null
zintaro_start_display
zintaro_start_sound
mkdir -p "$out"

zin_start "$build/bin/zintaro"
zin_click $ZIN_PLAY
zin_wait_text $ZIN_STATUS_POSITION '^1/16$' 5 >/dev/null || { echo "Play did not show word 1" >&2; exit 1; }
# The pointer would show Play hovered.
xdotool mousemove 1279 1023
sleep 0.5
zin_screenshot "$raw/main-window.png"
zin_stop
"$build/bin/zintaro-gallery" --render "$raw/gallery.png"

# Stripped of dates and other metadata, so an unchanged picture makes no change in git.
for shot in main-window gallery; do
  convert "$raw/$shot.png" -strip -define png:exclude-chunks=date,time "PNG24:$out/$shot.png"
  echo "$out/$shot.png: $(identify -format '%w x %h' "$out/$shot.png")"
done
