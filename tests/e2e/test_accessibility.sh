#!/usr/bin/env bash
# A screen reader's view of the window: on a session bus of its own with the accessibility
# bus running, every control is read from outside with its role, name, and value or text.
if [[ -z "${ZIN_ACCESSIBILITY_BUS:-}" ]]; then
  ZIN_ACCESSIBILITY_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/common.sh"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus_launcher=$!
trap 'zin_stop; kill $bus_launcher 2>/dev/null' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

zin_start "$ZIN_BIN_DIR/zintaro"
zin_click $ZIN_PLAY
zin_wait_text $ZIN_STATUS_POSITION '^1/16$' 5 >/dev/null || zin_fail "Play shows word 1"
zin_click $ZIN_PAUSE

/usr/bin/python3 "$ZIN_SOURCE_DIR/tests/e2e/accessible_tree.py" zintaro \
  'push button|Play' 'push button|Stop' 'push button|Pause' 'push button|Back' \
  'push button|Forward' 'push button|OK' 'push button|Pin' 'push button|Open' \
  'push button|Download' 'push button|About' 'push button|Help' \
  'check box|Replay' 'slider|Play Interval|3' \
  'panel|Chinese' 'panel|English' 'panel|Control Panel' 'panel|Menu' \
  'text|nǐ hǎo\s+hello.*' 'status bar|.*1 ?/ ?16.*' 'label|Play Interval' \
  || zin_fail "the accessible tree lacks the controls above"
echo "ok: every control is read over AT-SPI with its name"
