#!/usr/bin/env bash
# Remakes the shipped Jade theme: the WinXP bitmaps turned from blue to a green-grey jade,
# and the values kept by hand in resources/themes/Jade/values.txt. The build never runs
# it: the folder and Jade.theme are committed, and a test checks that they agree.
#
#   tools/zintaro-theme/make-jade.sh [ZINTARO_THEME]   (default: build/bin/zintaro-theme)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
tool=${1:-$repo/build/bin/zintaro-theme}
out=$repo/resources/themes/Jade

# WinXP's blues sit near 220 degrees; jade near 152, greyer and a little darker.
readonly from_hue=220 to_hue=152 saturation_percent=50 lightness_percent=80

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$tool" export WinXP "$work/xp"
"$tool" tint "$work/xp" "$from_hue" "$to_hue" "$saturation_percent" "$lightness_percent"
rm -f "$out"/*.png "$out"/*.bmp
cp "$work"/xp/*.png "$out"/
"$tool" pack "$out" "$repo/resources/themes/Jade.theme"
