#!/usr/bin/env bash
# cmake --install puts the program beside its Demo course and help page, launchers on the
# PATH, a valid desktop entry and AppStream file, and the program's icon; the entry's
# command starts the window. The Debian package holds the same, declares what it needs
# from Debian, and the program unpacked from it plays the Demo.
source "$(dirname "$0")/common.sh"

build=$(cd "$ZIN_BIN_DIR/.." && pwd)
scratch=$(mktemp -d /tmp/zintaro-install.XXXXXX)
trap 'zin_stop; rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
app_id=org.example.Zintaro
desktop=share/applications/$app_id.desktop
cmake --install "$build" --prefix "$prefix" >/dev/null || zin_fail "cmake --install"
libdir=$(cd "$prefix" && ls -d lib*/zintaro | head -1)
for file in bin/zintaro bin/zintaro-gallery bin/zintaro-theme "$libdir/zintaro" \
            "$libdir/zintaro-gallery" "$libdir/help.html" "$libdir/Jade.theme" \
            "$libdir/Demo/index.ini" "$libdir/Demo/1.jpg" "$libdir/Demo/1.wav" "$desktop" \
            share/metainfo/$app_id.metainfo.xml; do
  [[ -e "$prefix/$file" ]] || zin_fail "installed $file"
done
echo "ok: installed files are in place"
zin_check "desktop entry is valid" desktop-file-validate "$prefix/$desktop"
zin_check "AppStream file is valid" appstreamcli validate --no-net --no-color \
  "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q '<image>https://[^<]*\.png</image>' "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  zin_fail "AppStream file shows a screenshot"
grep -q "^Icon=$app_id\$" "$prefix/$desktop" || zin_fail "desktop entry names the icon"
# The icon is the program's own MAINICON, at every size it is drawn at.
zin_check "48 x 48 icon is MAINICON" cmp -s "$ZIN_SOURCE_DIR/resources/skin/MAINICON.png" \
  "$prefix/share/icons/hicolor/48x48/apps/$app_id.png"
for size in 16 32 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [[ $(identify -format '%wx%h' "$icon" 2>/dev/null) == "${size}x$size" ]] || zin_fail "$size px icon"
done
echo "ok: icons at 16, 32, 48, 128 and 256 px"
PATH="$prefix/bin:$PATH" zin_check "the theme tool runs from the PATH" \
  bash -c 'zintaro-theme export WinXP "$1" >/dev/null' _ "$scratch/winxp"
PATH="$prefix/bin:$PATH" zin_check "the gallery renders from the PATH" \
  bash -c 'zintaro-gallery --render "$1"' _ "$scratch/gallery.png"

command=$(sed -n 's/^Exec=//p' "$prefix/$desktop")
PATH="$prefix/bin:$PATH" zin_start $command
echo "ok: the desktop entry's command ($command) starts the window"
zin_click $ZIN_PLAY
text=$(zin_wait_text $ZIN_STATUS_POSITION '^1/16$' 5) || zin_fail "installed Demo plays, read '$text'"
echo "ok: the installed Demo course plays: $text"
zin_stop

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; zin_fail "cpack -G DEB"; }
deb=$(ls "$scratch"/deb/zintaro_*.deb)
echo "ok: built $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libpulse0 \
              libjpeg62-turbo qt6-qpa-plugins fonts-noto-cjk; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] ||
    zin_fail "the package depends on $needed"
done
echo "ok: the package declares the libraries it links, Qt's platform plugins and the card font"
# apt resolves the package's dependencies from Debian's archive without installing it.
zin_check "apt-get would install the package" apt-get install -s -q "$deb"

root=$scratch/root
dpkg-deb -x "$deb" "$root" || zin_fail "unpack the package"
for file in usr/bin/zintaro usr/bin/zintaro-gallery usr/bin/zintaro-theme \
            usr/lib/zintaro/zintaro usr/lib/zintaro/Demo/index.ini usr/lib/zintaro/help.html \
            "usr/$desktop" usr/share/metainfo/$app_id.metainfo.xml \
            usr/share/icons/hicolor/256x256/apps/$app_id.png; do
  [[ -e "$root/$file" ]] || zin_fail "the package holds /$file"
done
echo "ok: the package holds the programs, the Demo, help, desktop entry, AppStream file and icons"
zin_start "$root/usr/bin/zintaro"
echo "ok: the program unpacked from the package starts"
zin_click $ZIN_PLAY
text=$(zin_wait_text $ZIN_STATUS_POSITION '^1/16$' 5) || zin_fail "packaged Demo plays, read '$text'"
echo "ok: the packaged Demo course plays: $text"
