// A bass.dll of the older 2.3 family whose device initialisation fails the first time,
// for the tests of the loader: it offers only what loading calls.
#include "player/audio/BassTypes.h"

#define EXPORT extern "C" __declspec(dllexport)

namespace {
int gInitCalls = 0;
int gError = 0;
}  // namespace

EXPORT DWORD WINAPI BASS_GetVersion(void) { return 0x02030000; }

EXPORT BOOL WINAPI BASS_Init(int device, DWORD freq, DWORD flags, HWND win, const void* clsid) {
    if (++gInitCalls == 1) {
        gError = BASS_ERROR_NOTAVAIL;  // a device still held by someone else
        return FALSE;
    }
    gError = BASS_OK;
    return TRUE;
}

EXPORT DWORD WINAPI BASS_GetDevice(void) { return 1; }
EXPORT int WINAPI BASS_ErrorGetCode(void) { return gError; }
