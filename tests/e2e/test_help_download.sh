#!/usr/bin/env bash
# Help and Download hand their documents to the desktop's open service: a recording
# xdg-open stub stands first on the PATH.
source "$(dirname "$0")/common.sh"

stub=$(mktemp -d /tmp/zintaro-stub.XXXXXX)
trap 'zin_stop; rm -rf "$stub"' EXIT
cat >"$stub/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >>"$stub/opened"
STUB
chmod +x "$stub/xdg-open"

PATH="$stub:$PATH" zin_start "$ZIN_BIN_DIR/zintaro"
zin_click $ZIN_HELP
zin_click $ZIN_DOWNLOAD
for _ in $(seq 30); do
  [[ $(wc -l <"$stub/opened" 2>/dev/null || echo 0) -ge 2 ]] && break
  sleep 0.2
done
cat "$stub/opened" 2>/dev/null
help_page=$(cd "$ZIN_BIN_DIR" && pwd)/help.html
grep -q "$help_page" "$stub/opened" || zin_fail "Help opens $help_page"
echo "ok: Help opens the help page beside the program"
grep -q '^https://www.example.org/zintaro/download/$' "$stub/opened" || zin_fail "Download opens our page"
echo "ok: Download opens the download page"
kill -0 "$ZIN_PID" || zin_fail "the program goes on"
