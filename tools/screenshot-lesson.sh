#!/bin/bash
# Takes the picture of the main window in docs/: the player is started on a private Xvfb,
# opens the sample lesson from its recent files, pins the sentence table open, plays,
# and is photographed while the fourth sentence (with an explanation) plays.
# Usage: tools/screenshot-lesson.sh OUT.png
# It runs in a copy of the Wine prefix of its own, so that no other program's wineserver
# (bound to another display) is shared, and it stops nothing but what it started.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
OUT="$(realpath -m "${1:-main-window.png}")"
[ -f "$RUN_DIR/Corvanta.exe" ] || "$ROOT/tools/build.sh" Corvanta
"$ROOT/tools/make-sample-lesson.sh" >/dev/null
PREFIX_COPY="$(mktemp -d)"
cp -a "$WINEPREFIX/." "$PREFIX_COPY/"
export WINEPREFIX="$PREFIX_COPY"
start_xvfb
start_pulse
PLAYER_PID=
cleanup() {
  [ -n "$PLAYER_PID" ] && kill "$PLAYER_PID" 2>/dev/null || true
  # The copy's own wineserver ends a few seconds after its last program.
  timeout 20 wineserver -w 2>/dev/null || true
  stop_xvfb
  stop_pulse
  rm -rf "$PREFIX_COPY"
}
trap cleanup EXIT INT TERM
cd "$RUN_DIR"
INI="$RUN_DIR/Corvanta.ini"
[ -f "$INI" ] && cp "$INI" "$PREFIX_COPY/saved.ini"
# A first run (no recent files: the sample lesson is offered) with a known placement.
printf '[Window]\r\nMainLeft=20\r\nMainTop=20\r\nMainWidth=1040\r\nMainHeight=720\r\n[Player]\r\nExplanationPaneVisibility=1\r\n' >"$INI"
LC_ALL=ja_JP.UTF-8 wine Corvanta.exe >/dev/null 2>&1 &
PLAYER_PID=$!
for _ in $(seq 1 100); do xdotool search --onlyvisible --name 'Corvanta' >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1.5
window=$(xdotool search --onlyvisible --name 'Corvanta' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
# The drop-down arrow of the open button, at the left of the tool band; the first entry.
xdotool mousemove $((X + 30)) $((Y + HEIGHT - 126)) click 1
sleep 0.8
xdotool key Down Return
sleep 1.5
# The sentence table's tab at the right edge pins the table open; then Ctrl+P plays.
xdotool mousemove $((X + WIDTH - 10)) $((Y + 50)) click 1
sleep 0.8
xdotool mousemove $((X + 300)) $((Y + 300))
xdotool key ctrl+p
sleep 13.5
import -display "$DISPLAY" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT"
xdotool key ctrl+p
# Alt+F4 closes the frame as the close box does (nothing is modified, so nothing is asked).
xdotool key alt+F4
for _ in $(seq 1 50); do kill -0 "$PLAYER_PID" 2>/dev/null || break; sleep 0.2; done
kill "$PLAYER_PID" 2>/dev/null || true
wait "$PLAYER_PID" 2>/dev/null || true
PLAYER_PID=
rm -f "$INI"
[ -f "$PREFIX_COPY/saved.ini" ] && cp "$PREFIX_COPY/saved.ini" "$INI"
echo "$OUT"
