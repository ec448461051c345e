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

trap zin_stop EXIT
