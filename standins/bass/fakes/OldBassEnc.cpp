// A bassenc.dll of the older 2.3 family, for the tests of the loader's version check:
// it reports version 2.3 and encodes nothing.
#include "player/audio/BassTypes.h"

#define EXPORT extern "C" __declspec(dllexport)

EXPORT DWORD WINAPI BASS_Encode_GetVersion(void) { return 0x02030000; }
EXPORT HENCODE WINAPI BASS_Encode_Start(DWORD handle, const char* cmdline, DWORD flags, void* proc, void* user) {
    return 0;
}
EXPORT BOOL WINAPI BASS_Encode_Stop(DWORD handle) { return FALSE; }
