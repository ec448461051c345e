#!/usr/bin/env bash
# A whole session traced with strace: a course opened through the folder browser,
# played, paused and played again, the window closed. The program writes nothing
# anywhere (no file opened for writing, created, renamed, linked, changed or deleted)
# and starts no other program, not even for a missing session bus.
source "$(dirname "$0")/common.sh"

work=$(mktemp -d /tmp/zintaro-traced.XXXXXX)
ZIN_APP_PID=""
finish() {
  [[ -n "$ZIN_APP_PID" ]] && kill "$ZIN_APP_PID" 2>/dev/null
  zin_stop
  rm -rf "$work"
}
trap finish EXIT
course="$work/course"
mkdir -p "$course"
printf '[set]\r\nCourse=Traced course\r\nMaxLength=3\r\n' >"$course/index.ini"
for n in 1 2 3; do cp "$ZIN_BIN_DIR/Demo/$n."{jpg,txt,wav} "$course/"; done

# One file per process and thread, so no call is split across lines.
trace="$work/trace"
strace -ff -qq -o "$trace" -e trace=%file,%process "$ZIN_BIN_DIR/zintaro" >"$work/output.log" 2>&1 &
ZIN_PID=$!
ZIN_WINDOW=$(zin_wait_window 'Varnel  Zintaro' 30) || zin_fail "the window maps under strace"
ZIN_APP_PID=$(xdotool getwindowpid "$ZIN_WINDOW")
sleep 1

zin_click $ZIN_OPEN
dialog=$(zin_wait_window "Select Directory" 10) || zin_fail "folder browser opens"
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$course"
xdotool key Return
text=$(zin_wait_text $ZIN_STATUS_POSITION '^1/3$' 10) || zin_fail "the course opens at 1/3, read '$text'"
echo "ok: course opened through the folder browser: $text"
text=$(zin_wait_text $ZIN_STATUS_POSITION '^2/3$' 10) || zin_fail "the course plays on to 2/3, read '$text'"
echo "ok: playing: $text"
zin_click $ZIN_PAUSE
zin_click $ZIN_PLAY
sleep 1

"$ZIN_BIN_DIR/close_window" "$ZIN_WINDOW" || zin_fail "close request sent"
for _ in $(seq 100); do
  kill -0 "$ZIN_PID" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$ZIN_PID" 2>/dev/null && zin_fail "the program ends when its window is closed"
wait "$ZIN_PID"
ZIN_PID="" ZIN_APP_PID=""
echo "ok: the program ended when its window was closed"

calls() { cat "$trace".* | grep -E "$1"; }
opened_for_writing=$(calls '^(open|openat|openat2|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|O_TMPFILE).*\) = [0-9]+$')
changed=$(calls '^(mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|mknod|mknodat|truncate|chmod|fchmodat|chown|fchownat|lchown|utime|utimes|utimensat|futimesat|setxattr|lsetxattr|removexattr|lremovexattr)\(.*\) = 0$')
forks=$(calls '^(fork|vfork)\(|^clone3?\(' | grep -v CLONE_VM)
programs=$(calls '^execve\(' | grep -vF "execve(\"$ZIN_BIN_DIR/zintaro\"")
report() { # report <what> <calls>
  [[ -z "$2" ]] && return 0
  echo "$1:" >&2
  echo "$2" | head -20 >&2
  return 1
}
report "files opened for writing" "$opened_for_writing" || zin_fail "files opened for writing"
report "files created, renamed, linked, changed or deleted" "$changed" || zin_fail "files changed"
report "processes forked" "$forks" || zin_fail "a process forked"
report "programs started" "$programs" || zin_fail "a program started"
echo "ok: nothing written, created, renamed or deleted; no process forked ($(cat "$trace".* | wc -l) calls traced)"
