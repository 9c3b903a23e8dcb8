#!/bin/bash
# Configures and builds the program and its tests into build/ (the run folder is build/run).
# Extra arguments go to ninja (for example a target name).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
DEPS_PREFIX="$("$ROOT/tools/deps.sh")"
# Configure again whenever the dependency prefix changed (a recipe was added or edited).
configured=""
if [ -f "$BUILD_DIR/CMakeCache.txt" ]; then
  configured="$(sed -n 's/^DEPS_PREFIX:PATH=//p' "$BUILD_DIR/CMakeCache.txt")"
fi
if [ ! -f "$BUILD_DIR/build.ninja" ] || [ "$configured" != "$DEPS_PREFIX" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" -DDEPS_PREFIX="$DEPS_PREFIX" >/dev/null
fi
cmake --build "$BUILD_DIR" -- -j"$(nproc)" "$@"
