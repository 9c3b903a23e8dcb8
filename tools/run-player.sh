#!/bin/bash
# Sets the machine up, builds the program and starts it from its run folder: on the
# X display in DISPLAY when there is one, else on a private Xvfb (the display is printed),
# and, where no sound server answers and no sound card is there, through a private sound
# server that plays in real time into nothing (as the tests' does).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$ROOT/tools/setup-machine.sh"
# The program and everything its run folder needs: audio libraries, encoder, pictures,
# reading server and the downloaders' outside programs.
"$ROOT/tools/build.sh" Corvanta bass_family player_resources reading_server downloader_ffmpeg flvstreamer

# Both before the first Wine program below: the prefix's services (its wineserver and
# desktop process) keep the display they were started with, and a player started on them
# afterwards shows on that display only.
OWN_DISPLAY=
cleanup() {
  # The services end a few seconds after the player; they go before their display does.
  if [ -n "$OWN_DISPLAY" ]; then timeout 20 wineserver -w 2>/dev/null || true; fi
  stop_xvfb
  stop_pulse
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  start_xvfb
  OWN_DISPLAY=1
  echo "No X display: the player runs on the private display $DISPLAY (look: import -display $DISPLAY -window root shot.png)."
fi
if ! sound_output_available; then
  start_pulse /dev/null
  echo "No sound server: the player plays into a private one, which plays into nothing."
fi

"$ROOT/tools/register-reading-server.sh"
"$ROOT/tools/make-sample-lesson.sh" >/dev/null
cd "$RUN_DIR"
export LC_ALL="${LC_ALL:-ja_JP.UTF-8}"
wine Corvanta.exe
