// The entry points of bassmix.dll. The program resolves them but mixes nothing, so
// they answer that mixing is not available.
#include <type_traits>

#include "player/audio/BassTypes.h"
#include "standins/bass/common/CoreLink.h"

#define EXPORT extern "C" __declspec(dllexport)

EXPORT HSTREAM WINAPI BASS_Mixer_StreamCreate(DWORD freq, DWORD chans, DWORD flags) {
    coreLink().fail(BASS_ERROR_NOTAVAIL);
    return 0;
}

EXPORT BOOL WINAPI BASS_Mixer_StreamAddChannel(HSTREAM handle, DWORD channel, DWORD flags) {
    coreLink().fail(BASS_ERROR_NOTAVAIL);
    return FALSE;
}

#define CHECK_SIGNATURE(name, result, params) \
    static_assert(std::is_same<decltype(&name), name##_t>::value, #name " differs from the player's declaration");
BASS_MIX_ENTRY_POINTS(CHECK_SIGNATURE)
