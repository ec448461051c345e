# Sourced by run.sh and test.sh: a private X display with a window manager and a PulseAudio
# server with a null sink, all ended when the calling script exits.

zintaro_start_display() {
  if [[ -n "${ZINTARO_KEEP_DISPLAY:-}" && -n "${DISPLAY:-}" ]]; then return; fi
  local n
  for n in $(seq 91 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ZINTARO_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      if xdpyinfo >/dev/null 2>&1; then
        # A run starting at the same moment may own this number; sharing its display
        # would send each run's clicks into the other's windows.
        [[ "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" == "$ZINTARO_XVFB_PID" ]] || break
        zintaro_start_window_manager
        return
      fi
      sleep 0.1
    done
    kill "$ZINTARO_XVFB_PID" 2>/dev/null
  done
  echo "Could not start Xvfb" >&2
  return 1
}

# Moving, resizing, maximising and iconifying a frameless window are the window manager's
# work; the display gets one that binds no keys.
zintaro_start_window_manager() {
  local config log try
  # openbox changes to the home folder before it reads its configuration, so the path is
  # absolute; with a relative one it silently falls back to the system's default.
  config="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/openbox-rc.xml"
  log=$(mktemp /tmp/zintaro-openbox.XXXXXX)
  # Now and then openbox does not come up (three times in some forty starts on a loaded
  # machine, cause unknown): a second one is started, and what it said is shown.
  for try in 1 2; do
    openbox --sm-disable --config-file "$config" >"$log" 2>&1 &
    ZINTARO_WM_PID=$!
    # On a busy machine it may take seconds; one that arrives after the program has mapped
    # its window takes that window over while the test clicks.
    for _ in $(seq 200); do
      if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        rm -f "$log"
        return
      fi
      kill -0 "$ZINTARO_WM_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$ZINTARO_WM_PID" 2>/dev/null
    wait "$ZINTARO_WM_PID" 2>/dev/null
    echo "openbox did not come up (try $try): $(head -c 500 "$log")" >&2
  done
  rm -f "$log"
  echo "Could not start the window manager" >&2
  return 1
}

zintaro_start_sound() {
  export XDG_RUNTIME_DIR
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/zintaro-pulse.XXXXXX)
  chmod 700 "$XDG_RUNTIME_DIR"
  export PULSE_RUNTIME_PATH="$XDG_RUNTIME_DIR/pulse"
  # -n skips the default configuration, so root may run it as a private user server.
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=zintaro_sink rate=44100" \
    --load=module-native-protocol-unix \
    --use-pid-file=false --log-target=stderr --log-level=error >/dev/null 2>"$XDG_RUNTIME_DIR/pulse.log" &
  ZINTARO_PULSE_PID=$!
  for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! pactl info >/dev/null 2>&1; then
    echo "Could not start PulseAudio:" >&2
    cat "$XDG_RUNTIME_DIR/pulse.log" >&2
    return 1
  fi
  pactl set-default-sink zintaro_sink
  export ZINTARO_SINK_MONITOR=zintaro_sink.monitor
}

zintaro_stop_services() {
  [[ -n "${ZINTARO_PULSE_PID:-}" ]] && kill "$ZINTARO_PULSE_PID" 2>/dev/null
  [[ -n "${ZINTARO_WM_PID:-}" ]] && kill "$ZINTARO_WM_PID" 2>/dev/null
  [[ -n "${ZINTARO_XVFB_PID:-}" ]] && kill "$ZINTARO_XVFB_PID" 2>/dev/null
  return 0
}
