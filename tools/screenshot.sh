#!/bin/bash
# Starts the player on a private Xvfb, waits for its frame, and writes a screenshot.
# Usage: tools/screenshot.sh OUT.png [SECONDS_TO_WAIT_AFTER_THE_FRAME_SHOWS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
OUT="$(realpath -m "${1:-screenshot.png}")"
SETTLE="${2:-2}"
[ -f "$RUN_DIR/Corvanta.exe" ] || "$ROOT/tools/build.sh" Corvanta
start_xvfb
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
cd "$RUN_DIR"
LC_ALL=ja_JP.UTF-8 wine Corvanta.exe &
for _ in $(seq 1 100); do
  if xdotool search --onlyvisible --name 'Corvanta' >/dev/null 2>&1; then break; fi
  sleep 0.2
done
sleep "$SETTLE"
import -display "$DISPLAY" -window root "$OUT"
echo "$OUT"
