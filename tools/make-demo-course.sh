#!/usr/bin/env bash
# Regenerates the Demo course (index.ini and N.jpg, N.txt, N.wav per word) from
# tools/demo/words.tsv. The output depends only on the word list and the tool versions,
# so running it twice gives the same bytes. The build never runs it: Demo/ is committed.
#
#   tools/make-demo-course.sh [OUTPUT_DIR]      (default: Demo/ at the repository root)
#
# Needs espeak-ng, sox, ImageMagick and fonts-noto-cjk.
set -euo pipefail
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/.." && pwd)
words="$here/demo/words.tsv"
out=${1:-$repo/Demo}

readonly course_name="Demo: First Words"

# Picture: a paper card with one practice square per character and the pinyin below.
readonly card_w=360 card_h=260            # fits the 374 x 273 picture box with a margin
readonly paper="#FFFDF6" card_edge="#D9D1BF"
readonly grid_edge="#D98C82" grid_guide="#F1D3CE"
readonly ink="#1C1C24" pinyin_ink="#9E3024"
readonly hanzi_font="Noto-Serif-CJK-SC-Bold" pinyin_font="Noto-Sans-CJK-SC"
readonly square_max=138 square_top=24 hanzi_fill=0.78
readonly pinyin_size=36 pinyin_centre_y=212
# Centring by the font's box puts ideographs a little low; measured on 国.
readonly hanzi_lift=0.065
readonly jpeg_quality=86

# Sound: the pinyin voice reads tone numbers exactly; the plain cmn voice spells most
# characters out in English with this espeak-ng.
readonly voice="cmn-latn-pinyin" speed=125 pitch=50
readonly lead_in=0.05 tail=0.20 peak_db=-3

# Note: the memo is narrow, so remarks are broken into short lines.
readonly note_width=24

for tool in espeak-ng sox convert; do
  command -v "$tool" >/dev/null || { echo "make-demo-course: $tool is missing" >&2; exit 1; }
done
for font in "$hanzi_font" "$pinyin_font"; do
  convert -list font | grep -x "  Font: $font" >/dev/null ||
    { echo "make-demo-course: font $font is missing (fonts-noto-cjk)" >&2; exit 1; }
done
[[ -f $words ]] || { echo "make-demo-course: $words is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints how many columns WORD takes: CJK characters are twice as wide as Latin ones.
columns() {
  local word=$1 n=0 i code
  for (( i = 0; i < ${#word}; i++ )); do
    printf -v code '%d' "'${word:i:1}"
    (( n += code >= 0x2E80 ? 2 : 1 ))
  done
  echo "$n"
}

# Prints TEXT broken at blanks into lines of at most WIDTH columns.
wrap() {
  local width=$1 line="" used=0 word size
  for word in $2; do
    size=$(columns "$word")
    if (( used == 0 )); then
      line=$word used=$size
    elif (( used + 1 + size <= width )); then
      line+=" $word" used=$(( used + 1 + size ))
    else
      printf '%s\n' "$line"
      line=$word used=$size
    fi
  done
  (( used == 0 )) || printf '%s\n' "$line"
}

make_picture() {
  local hanzi=$1 pinyin=$2 file=$3
  local count=${#hanzi}
  local square=$(( (card_w - 40) / count ))
  (( square > square_max )) && square=$square_max
  local left=$(( (card_w - count * square) / 2 ))
  local bottom=$(( square_top + square ))
  local half=$(( square / 2 ))
  local size lift
  size=$(awk -v s="$square" -v f="$hanzi_fill" 'BEGIN { printf "%d", s * f }')
  lift=$(awk -v s="$size" -v l="$hanzi_lift" 'BEGIN { printf "%d", s * l + 0.5 }')

  local grid=() walls=() glyphs=() i x cx cy
  for (( i = 0; i < count; i++ )); do
    x=$(( left + i * square ))
    (( i > 0 )) && walls+=(-draw "line $x,$square_top $x,$bottom")
    cx=$(( x + half ))
    cy=$(( square_top + half ))
    grid+=(-stroke "$grid_guide" -strokewidth 1.5 -draw "stroke-dasharray 6 5 line $cx,$((square_top + 4)) $cx,$((bottom - 4))"
           -draw "stroke-dasharray 6 5 line $((x + 4)),$cy $((x + square - 4)),$cy")
    glyphs+=(-annotate "$(printf '%+d%+d' $(( cx - card_w / 2 )) $(( cy - card_h / 2 - lift )))" "${hanzi:i:1}")
  done

  convert -size "${card_w}x${card_h}" xc:white \
    -fill "$paper" -stroke "$card_edge" -strokewidth 2 \
    -draw "roundrectangle 1,1 $((card_w - 2)),$((card_h - 2)) 14,14" \
    -fill none "${grid[@]}" \
    -stroke "$grid_edge" -strokewidth 2 -draw "rectangle $left,$square_top $((left + count * square)),$bottom" \
    "${walls[@]}" \
    -stroke none -fill "$ink" -font "$hanzi_font" -pointsize "$size" -gravity center "${glyphs[@]}" \
    -fill "$pinyin_ink" -font "$pinyin_font" -pointsize "$pinyin_size" \
    -annotate "$(printf '+0%+d' $(( pinyin_centre_y - card_h / 2 )))" "$pinyin" \
    -strip -type TrueColor -interlace none -sampling-factor 2x2 -quality "$jpeg_quality" \
    "JPEG:$file"
}

make_sound() {
  local spoken=$1 file=$2
  espeak-ng -v "$voice" -s "$speed" -p "$pitch" -w "$work/raw.wav" "$spoken"
  # -R and -D: no random dither, so every run writes the same samples.
  sox -R -D "$work/raw.wav" -e signed-integer -b 16 -c 1 "$file" \
    silence 1 0.01 0.3% reverse silence 1 0.01 0.3% reverse \
    gain -n "$peak_db" pad "$lead_in" "$tail"
}

make_note() {
  local pinyin=$1 meaning=$2 remark=$3 ex_hanzi=$4 ex_pinyin=$5 ex_english=$6 file=$7
  {
    printf '%s\n%s\n\n' "$pinyin" "$meaning"
    wrap "$note_width" "$remark"
    printf '\n%s\n%s\n%s\n' "$ex_hanzi" "$ex_pinyin" "$ex_english"
  } >"$file"
}

mkdir -p "$work/course"
count=0
while IFS=$'\t' read -r hanzi pinyin spoken meaning remark ex_hanzi ex_pinyin ex_english extra; do
  [[ -z $hanzi || $hanzi == \#* ]] && continue
  if [[ -z $ex_english || -n $extra ]]; then
    echo "make-demo-course: line for $hanzi needs exactly 8 tab-separated fields" >&2
    exit 1
  fi
  count=$(( count + 1 ))
  make_picture "$hanzi" "$pinyin" "$work/course/$count.jpg"
  make_note "$pinyin" "$meaning" "$remark" "$ex_hanzi" "$ex_pinyin" "$ex_english" "$work/course/$count.txt"
  make_sound "$spoken" "$work/course/$count.wav"
  echo "$count  $hanzi  $pinyin  $meaning"
done <"$words"

printf '[set]\nCourse=%s\nMaxLength=%d\n' "$course_name" "$count" >"$work/course/index.ini"

# Replace the old course files, leaving anything else in the folder (its CMakeLists.txt).
mkdir -p "$out"
find "$out" -maxdepth 1 -type f -regextype posix-extended \
  -regex '.*/([0-9]+\.(jpg|txt|wav)|index\.ini)' -delete
cp "$work/course/"* "$out/"
echo "make-demo-course: $count words in $out ($(du -sk "$out" | cut -f1) KiB)"
