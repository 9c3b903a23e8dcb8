#!/bin/bash
# Sets the machine up, builds the program and starts it from its run folder: on the
# X display in DISPLAY when there is one, else on a private Xvfb (the display is printed).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$ROOT/tools/setup-machine.sh"
"$ROOT/tools/build.sh" Corvanta reading_server
"$ROOT/tools/register-reading-server.sh"
"$ROOT/tools/make-sample-lesson.sh" >/dev/null
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  start_xvfb
  trap stop_xvfb EXIT
  echo "No X display: the player runs on the private display $DISPLAY (look: import -display $DISPLAY -window root shot.png)."
fi
cd "$RUN_DIR"
export LC_ALL="${LC_ALL:-ja_JP.UTF-8}"
wine Corvanta.exe
