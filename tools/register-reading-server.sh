#!/bin/bash
# Registers the Japanese reading server of the run folder (Plugins/ime_reading.dll) under
# the program id "MSIME.Japan" in the project's Wine prefix. Safe to run again: it writes
# only when the registered server is not this DLL (a new prefix, or another build folder).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
dll="$RUN_DIR/Plugins/ime_reading.dll"
[ -f "$dll" ] || { echo "register-reading-server: $dll is not built" >&2; exit 1; }
windows_path="$(winepath -w "$dll" 2>/dev/null)"
key='HKCR\CLSID\{FB499983-D5A9-4FB3-B60C-76129CFCA223}\InprocServer32'
registered="$(wine reg query "$key" /ve 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ[[:space:]]*//p' || true)"
if [ "$registered" != "$windows_path" ] || ! wine reg query 'HKCR\MSIME.Japan\CLSID' /ve >/dev/null 2>&1; then
  wine regsvr32 /s "$windows_path" >/dev/null 2>&1
fi
