# Shared settings of the project's scripts (sourced, not run).
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
RUN_DIR="$BUILD_DIR/run"
export WINEPREFIX="${WINEPREFIX:-$ROOT/.wine}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Starts a private Xvfb on a display it picks itself; sets DISPLAY and XVFB_PID. A server
# that dies before it names its display (a busy machine, a stale lock) is tried again.
start_xvfb() {
  local fifo number attempt
  for attempt in 1 2 3; do
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    number=""
    read -r number <"$fifo" || true
    rm -f "$fifo"
    if [ -n "$number" ]; then
      export DISPLAY=":$number"
      return 0
    fi
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
    sleep 1
  done
  echo "Xvfb could not be started" >&2
  return 1
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# Starts a private PulseAudio server whose default sink is paced by the system clock
# and written to a pipe, so that Wine has an output device that plays in real time;
# everything played is captured in the file given (s16le, 44.1 kHz, stereo; by default
# $PULSE_DIR/capture.raw). Sets PULSE_SERVER, PULSE_PID and PULSE_READER_PID.
start_pulse() {
  PULSE_DIR="$(mktemp -d)"
  local capture="${1:-$PULSE_DIR/capture.raw}"
  mkdir -p "$PULSE_DIR/home" "$PULSE_DIR/runtime"
  cat >"$PULSE_DIR/server.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$PULSE_DIR/native
load-module module-null-sink sink_name=silent
load-module module-pipe-sink file=$PULSE_DIR/pipe format=s16le rate=44100 channels=2 use_system_clock_for_timing=yes sink_name=capture
set-default-sink capture
PA
  HOME="$PULSE_DIR/home" XDG_RUNTIME_DIR="$PULSE_DIR/runtime" pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --disallow-exit --use-pid-file=no -F "$PULSE_DIR/server.pa" >"$PULSE_DIR/log" 2>&1 &
  PULSE_PID=$!
  local i
  for i in $(seq 50); do [ -p "$PULSE_DIR/pipe" ] && [ -S "$PULSE_DIR/native" ] && break; sleep 0.1; done
  cat "$PULSE_DIR/pipe" >"$capture" &
  PULSE_READER_PID=$!
  export PULSE_SERVER="unix:$PULSE_DIR/native"
  export AUDIO_CAPTURE_FILE="$capture"
}

# Whether Wine has somewhere to play: a sound server that answers (the one in
# PULSE_SERVER or the user's own), or a sound card it can open directly.
sound_output_available() {
  pactl info >/dev/null 2>&1 && return 0
  grep -q '^ *[0-9]' /proc/asound/cards 2>/dev/null
}

stop_pulse() {
  if [ -n "${PULSE_PID:-}" ]; then
    kill "$PULSE_PID" 2>/dev/null || true
    wait "$PULSE_PID" 2>/dev/null || true
    PULSE_PID=
  fi
  if [ -n "${PULSE_READER_PID:-}" ]; then
    kill "$PULSE_READER_PID" 2>/dev/null || true
    wait "$PULSE_READER_PID" 2>/dev/null || true
    PULSE_READER_PID=
  fi
  [ -n "${PULSE_DIR:-}" ] && rm -rf "$PULSE_DIR"
  PULSE_DIR=
}
