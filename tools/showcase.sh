#!/usr/bin/env bash
# showcase.sh <zintaro binary> <screenshot folder>: on the current X display, starts
# Zintaro, presses Play, waits for three words and saves a screenshot of each.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env/xdriver.sh"
binary=$1
shots=$2
mkdir -p "$shots"
zin_start "$binary"
trap zin_stop EXIT
zin_screenshot "$shots/0-started.png"
# Play sits in the "Control Panel" panel of the player page.
zin_click 135 414
for word in 1 2 3; do
  zin_screenshot "$shots/$word-word.png"
  echo "word $word on screen: $shots/$word-word.png"
  [[ $word -lt 3 ]] && sleep 3
done
echo "Zintaro ran on display $DISPLAY; screenshots are in $shots/"
