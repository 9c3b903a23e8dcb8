#!/bin/bash
# Starts the player on a private Xvfb, waits for its frame, and writes a screenshot.
# Usage: tools/screenshot.sh OUT.png [SECONDS_TO_WAIT_AFTER_THE_FRAME_SHOWS]
# It runs in a copy of the Wine prefix of its own, so that no other program's wineserver
# (bound to another display) is shared, and it stops nothing but what it started.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
OUT="$(realpath -m "${1:-screenshot.png}")"
SETTLE="${2:-2}"
[ -f "$RUN_DIR/Corvanta.exe" ] || "$ROOT/tools/build.sh" Corvanta
PREFIX_COPY="$(mktemp -d)"
cp -a "$WINEPREFIX/." "$PREFIX_COPY/"
export WINEPREFIX="$PREFIX_COPY"
start_xvfb
PLAYER_PID=
cleanup() {
  [ -n "$PLAYER_PID" ] && kill "$PLAYER_PID" 2>/dev/null || true
  # The copy's own wineserver ends a few seconds after its last program.
  timeout 20 wineserver -w 2>/dev/null || true
  stop_xvfb
  rm -rf "$PREFIX_COPY"
}
trap cleanup EXIT INT TERM
cd "$RUN_DIR"
LC_ALL=ja_JP.UTF-8 wine Corvanta.exe &
PLAYER_PID=$!
for _ in $(seq 1 100); do
  if xdotool search --onlyvisible --name 'Corvanta' >/dev/null 2>&1; then break; fi
  sleep 0.2
done
sleep "$SETTLE"
import -display "$DISPLAY" -window root "$OUT"
echo "$OUT"
