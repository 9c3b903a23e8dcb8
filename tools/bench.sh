#!/bin/bash
# Builds and runs every benchmark (build/bench/*.exe) from the run folder, with a private
# sound server for those that need an output device and a private Xvfb for those that
# open windows. Prints their reports.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
"$ROOT/tools/build.sh"
start_pulse
start_xvfb
trap 'stop_pulse; stop_xvfb' EXIT
status=0
cd "$RUN_DIR"
for bench in "$BUILD_DIR"/bench/*.exe; do
  echo "== $(basename "$bench")"
  LC_ALL=ja_JP.UTF-8 wine "$bench" || status=$?
done
exit $status
