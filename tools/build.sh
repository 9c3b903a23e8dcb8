#!/bin/bash
# Configures and builds the program and its tests into build/ (the run folder is build/run).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
DEPS_ARGS=()
if [ -f "$ROOT/tools/deps.sh" ]; then
  DEPS_PREFIX="$("$ROOT/tools/deps.sh")"
  DEPS_ARGS=(-DDEPS_PREFIX="$DEPS_PREFIX")
fi
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" "${DEPS_ARGS[@]}" >/dev/null
fi
cmake --build "$BUILD_DIR" -- -j"$(nproc)" "$@"
