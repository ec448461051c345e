#!/usr/bin/env bash
# cmake --install puts the program beside its Demo course and help page, a launcher on
# the PATH, a desktop entry and an icon; the installed launcher starts the window.
source "$(dirname "$0")/common.sh"

prefix=$(mktemp -d /tmp/zintaro-install.XXXXXX)
trap 'zin_stop; rm -rf "$prefix"' EXIT
cmake --install "$ZIN_BIN_DIR/.." --prefix "$prefix" >/dev/null || zin_fail "cmake --install"
libdir=$(cd "$prefix" && ls -d lib*/zintaro | head -1)
for file in bin/zintaro "$libdir/zintaro" "$libdir/help.html" "$libdir/Demo/index.ini" \
            "$libdir/Demo/1.jpg" "$libdir/Demo/1.wav" share/applications/zintaro.desktop \
            share/icons/hicolor/48x48/apps/zintaro.png; do
  [[ -e "$prefix/$file" ]] || zin_fail "installed $file"
done
echo "ok: installed files are in place"
grep -q '^Exec=zintaro$' "$prefix/share/applications/zintaro.desktop" || zin_fail "desktop entry runs zintaro"

PATH="$prefix/bin:$PATH" zin_start zintaro
echo "ok: the launcher on the PATH starts the window"
zin_click $ZIN_PLAY
text=$(zin_wait_text $ZIN_STATUS_POSITION '^1/16$' 5) || zin_fail "installed Demo plays, read '$text'"
echo "ok: the installed Demo course plays: $text"
