#!/bin/bash
# Creates the project's 32-bit Wine prefix once. Without a window manager, hiding a
# managed top-level window costs seconds under Xvfb, so the X11 driver runs unmanaged.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$ROOT/.wine}"
export WINEARCH=win32 WINEDEBUG=-all
STAMP="$WINEPREFIX/.project-ready"
[ -f "$STAMP" ] && exit 0
wineboot -i >/dev/null 2>&1 || true
wineserver -w || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# Caption-button glyphs.
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
wineserver -w || true
touch "$STAMP"
