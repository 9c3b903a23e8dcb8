#!/bin/bash
# Sets the machine up, builds everything and runs every test through Wine under a
# private Xvfb. Extra arguments go to ctest (for example -R foundation).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$ROOT/tools/setup-machine.sh"
# Each library uses only those below it.
python3 "$ROOT/tools/check-layers.py"
"$ROOT/tools/build.sh"

start_xvfb
# An output device for the audio tests (started before the wineserver, which inherits it).
start_pulse
OWN_WINESERVER=
cleanup() {
  [ -n "$OWN_WINESERVER" ] && { wineserver -k 2>/dev/null || true; }
  stop_xvfb
  stop_pulse
}
trap cleanup EXIT
# One wineserver for the whole run: each test program then starts in milliseconds. When
# another run of this work tree already keeps one up, this run uses it and leaves it be.
if wineserver -p 2>/dev/null; then OWN_WINESERVER=1; fi
# Start Wine's own services now, with their output away from ctest: services started by
# a test would inherit its output pipe, and ctest would wait for them forever.
wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
# The reading server the input-method tests convert through.
"$ROOT/tools/register-reading-server.sh" </dev/null
cd "$BUILD_DIR"
ctest --output-on-failure "$@"
