#!/usr/bin/env bash
# Builds Zintaro and starts it. On a machine without a display it starts it on a private
# X display instead, presses Play, waits for three words and saves screenshots under
# build/screenshots/, so a headless machine still shows that it works.
# ZINTARO_BUILD_DIR builds elsewhere than build/.
set -euo pipefail
cd "$(dirname "$0")"
build=${ZINTARO_BUILD_DIR:-build}
tools/env/ensure-packages.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target zintaro zintaro_demo zintaro_help

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  exec "$build/bin/zintaro" "$@"
fi

echo "No display here: running Zintaro on a private X display with a null sound sink."
source tools/env/services.sh
trap zintaro_stop_services EXIT
zintaro_start_display
zintaro_start_sound
tools/showcase.sh "$build/bin/zintaro" "$build/screenshots"
