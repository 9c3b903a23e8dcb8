#!/bin/bash
# Creates the project's 32-bit Wine prefix once. Without a window manager, hiding a
# managed top-level window costs seconds under Xvfb, so the X11 driver runs unmanaged.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$ROOT/.wine}"
export WINEARCH=win32 WINEDEBUG=-all

# The Windows UI font names resolve to the proportional Japanese face. Left alone, Wine
# realises them under code page 932 as the monospaced IPAGothic, and every button, label
# and table shows Latin text spread apart. Wine rewrites the "MS Shell Dlg" substitute
# whenever the code page changes (to "MS UI Gothic" under 932, "Tahoma" under 1252), so
# those two names also become replacement faces of IPAPGothic, which Wine leaves alone.
set_ui_fonts() {
  local substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  local replacements='HKCU\Software\Wine\Fonts\Replacements'
  local face
  for face in "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic" "Tahoma"; do
    LC_ALL=ja_JP.UTF-8 wine reg add "$substitutes" /v "$face" /d IPAPGothic /f >/dev/null 2>&1
  done
  for face in "MS UI Gothic" "Tahoma"; do
    LC_ALL=ja_JP.UTF-8 wine reg add "$replacements" /v "$face" /d IPAPGothic /f >/dev/null 2>&1
  done
}

STAMP="$WINEPREFIX/.project-ready"
if [ ! -f "$STAMP" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # Caption-button glyphs.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  set_ui_fonts
  # Everything started here ran without an X display: it must all be gone before a test
  # run starts Wine's services on its own display.
  wineserver -w || true
  touch "$STAMP"
elif ! grep -q '^"Tahoma"="IPAPGothic"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  # A prefix made before the fonts were set (the server writes the registry out within
  # seconds, so a run right after this one may do it again, which is harmless).
  set_ui_fonts
  wineserver -w || true
fi
