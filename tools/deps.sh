#!/bin/bash
# Cross-builds the libraries and outside programs the project needs (for i686 MinGW,
# static) from Debian's source packages, and prints the prefix that holds them.
# Each recipe in tools/deps/NN-name.sh builds one package into $DEPS_PREFIX. The result
# is cached outside the work tree under a key of the recipes' contents, so later runs
# (and CI on the same machine) skip the build.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
CACHE_ROOT="${CORVANTA_DEPS_CACHE:-/opt/corvanta-deps}"
shopt -s nullglob
recipes=("$ROOT"/tools/deps/*.sh)
KEY="$(cat "$ROOT/tools/deps.sh" "${recipes[@]}" | sha256sum | cut -c1-16)"
export DEPS_PREFIX="$CACHE_ROOT/$KEY"
if [ -f "$DEPS_PREFIX/.done" ]; then echo "$DEPS_PREFIX"; exit 0; fi

mkdir -p "$CACHE_ROOT"
exec 9>"$CACHE_ROOT/.lock"
flock 9  # another build of the project may be filling the same cache
if [ -f "$DEPS_PREFIX/.done" ]; then echo "$DEPS_PREFIX"; exit 0; fi

LOG="$CACHE_ROOT/$KEY.log"
# A function, so that each failing step ends it: `set -e` has no effect inside a command
# whose status is tested, and a failed recipe must never be marked done.
build_all() {
  export DEBIAN_FRONTEND=noninteractive
  local need=() p recipe
  for p in dpkg-dev nasm tcl8.6 pkg-config make autoconf automake libtool cmake; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
  done
  if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq || return 1
    apt-get install -y -qq --no-install-recommends "${need[@]}" || return 1
  fi
  # Source packages come from the same archive as the binaries.
  if ! grep -q '^Types: deb deb-src' /etc/apt/sources.list.d/debian.sources 2>/dev/null; then
    sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources || return 1
    apt-get update -qq || return 1
  fi
  rm -rf "$DEPS_PREFIX"
  mkdir -p "$DEPS_PREFIX"/{include,lib,bin} || return 1
  export SRC_ROOT="$CACHE_ROOT/src-$KEY"
  rm -rf "$SRC_ROOT"; mkdir -p "$SRC_ROOT" || return 1
  export HOST=i686-w64-mingw32
  export TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake"
  export JOBS="$(nproc)"
  for recipe in "${recipes[@]}"; do
    echo "=== $(basename "$recipe")"
    (cd "$SRC_ROOT" && bash -euo pipefail "$recipe") || { echo "=== $(basename "$recipe") failed"; return 1; }
  done
  rm -rf "$SRC_ROOT"
  touch "$DEPS_PREFIX/.done"
}
build_all >"$LOG" 2>&1 || { echo "deps.sh: building the dependencies failed; see $LOG" >&2; tail -30 "$LOG" >&2; exit 1; }
echo "$DEPS_PREFIX"
