# Sourced by each end-to-end test: the real binary, the X driver, and a way to fail.
set -uo pipefail
ZIN_BIN_DIR=$1
ZIN_SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$ZIN_SOURCE_DIR/tools/env/xdriver.sh"
ZIN_SHOTS="$ZIN_BIN_DIR/../e2e-screenshots"
mkdir -p "$ZIN_SHOTS"

if [[ -z "${DISPLAY:-}" ]] || ! xdpyinfo >/dev/null 2>&1; then
  echo "no X display: test.sh starts one" >&2
  exit 1
fi

zin_fail() {
  echo "FAIL: $*" >&2
  zin_screen_shot "$ZIN_SHOTS/failure-$(basename "$0" .sh).png" 2>/dev/null
  zin_stop
  exit 1
}

zin_check() {
  local what=$1
  shift
  "$@" || zin_fail "$what"
  echo "ok: $what"
}

# zin_open_folder <path>: Open, type the path into the folder browser, accept.
zin_open_folder() {
  zin_click $ZIN_OPEN
  local dialog
  dialog=$(zin_wait_window "Select Directory" 10) || zin_fail "folder browser opens"
  xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
  sleep 0.5
  xdotool key --clearmodifiers ctrl+a
  # Characters missing from the keymap are typed through a key remapped for each; the
  # program must read each key before the mapping is put back, so they go slowly.
  xdotool type --delay 100 "$1"
  xdotool key Return
  sleep 1
  # The browser may step into the folder first; a second Return then chooses it.
  if xdotool search --onlyvisible --name '^Select Directory$' >/dev/null 2>&1; then
    xdotool key Return
    sleep 1
  fi
  xdotool search --onlyvisible --name '^Select Directory$' >/dev/null 2>&1 && zin_fail "browser closes on $1"
  return 0
}

trap zin_stop EXIT
