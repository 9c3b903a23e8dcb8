#!/bin/bash
# A long mutation campaign over every parser target (or the one named), printing per
# target the inputs run, executions per second and findings. Findings go to
# build/fuzz-findings. Usage: tools/fuzz-campaign.sh [RUNS] [SEED] [TARGET]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
RUNS="${1:-100000}"
SEED="${2:-$(date +%s)}"
TARGET="${3:-}"
"$ROOT/tools/build.sh" fuzz_harness >/dev/null
mkdir -p "$BUILD_DIR/fuzz-findings"
cd "$RUN_DIR"
args=(--root "Z:$ROOT" --runs "$RUNS" --seed "$SEED" --findings "Z:$BUILD_DIR/fuzz-findings")
[ -n "$TARGET" ] && args+=(--target "$TARGET")
echo "seed $SEED, $RUNS inputs a target"
LC_ALL=ja_JP.UTF-8 wine ../tests/fuzz_harness.exe "${args[@]}"
