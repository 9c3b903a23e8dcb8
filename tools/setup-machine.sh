#!/bin/bash
# Installs what the build, the tests and the program need on a Debian 12 machine
# (run as root), and prepares the project's own 32-bit Wine prefix.
# Safe to run again: it only does what is missing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export DEBIAN_FRONTEND=noninteractive

PACKAGES=(
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  mingw-w64-i686-dev libz-mingw-w64-dev
  cmake ninja-build googletest
  wine wine32:i386 xvfb x11-utils xdotool imagemagick
  locales fonts-ipafont-gothic fonts-wine
  python3 python3-mutagen python3-fonttools eyed3
  pulseaudio pulseaudio-utils sox lame vorbis-tools espeak-ng
  chromium
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
  apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# Japanese locale: Wine only uses code page 932 when LC_ALL names a generated ja_JP locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# The project's 32-bit Wine prefix.
"$ROOT/tools/wine-prefix.sh"
