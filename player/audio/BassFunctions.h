// The process-wide pointers to the BASS entry points, null until BassSystem::load
// resolves them by name. Every caller tests its pointer first.
#pragma once

#include "player/audio/BassTypes.h"

namespace bass {
#define BASS_DECLARE_POINTER(name, result, params) extern name##_t name;
BASS_CORE_ENTRY_POINTS(BASS_DECLARE_POINTER)
BASS_FX_ENTRY_POINTS(BASS_DECLARE_POINTER)
BASS_ENC_ENTRY_POINTS(BASS_DECLARE_POINTER)
BASS_MIX_ENTRY_POINTS(BASS_DECLARE_POINTER)
#undef BASS_DECLARE_POINTER

// Sets every pointer back to null (the libraries are being unloaded).
void clearEntryPoints();
}  // namespace bass
