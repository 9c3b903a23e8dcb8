// The entry points of bass_fx.dll: the tempo stream.
#include <type_traits>

#include "player/audio/BassTypes.h"
#include "standins/bass/common/CoreLink.h"
#include "standins/bass/fx/TempoStream.h"

#define EXPORT extern "C" __declspec(dllexport)

namespace {

constexpr DWORD kVersion = 0x02040000;

TempoStream* stream(void* user) { return static_cast<TempoStream*>(user); }

const StandinSourceOps kTempoOps = {
    [](void* user, void* buffer, DWORD bytes) { return stream(user)->read(buffer, bytes); },
    [](void* user) { return stream(user)->length(); },
    [](void* user) { return stream(user)->position(); },
    [](void* user, QWORD bytes) -> BOOL { return stream(user)->seek(bytes); },
    [](void* user, DWORD attrib, float value) -> BOOL { return stream(user)->setAttribute(attrib, value); },
    [](void* user) { delete stream(user); },
};

}  // namespace

EXPORT DWORD WINAPI BASS_FX_GetVersion(void) { return kVersion; }

EXPORT HSTREAM WINAPI BASS_FX_TempoCreate(DWORD chan, DWORD flags) {
    const CoreLink& core = coreLink();
    if (!core.ready()) return 0;
    BASS_CHANNELINFO info{};
    if (!core.BASS_ChannelGetInfo(chan, &info)) return 0;  // the core set the error
    if (!(info.flags & BASS_STREAM_DECODE)) {
        core.fail(BASS_ERROR_DECODE);
        return 0;
    }
    auto* tempo = new TempoStream(chan, info.freq, info.chans, (flags & BASS_FX_FREESOURCE) != 0);
    HSTREAM handle = core.createChannel(info.freq, info.chans, flags & ~BASS_FX_FREESOURCE, &kTempoOps, tempo);
    if (!handle) {
        // A failed creation leaves the source to the caller.
        tempo->disownSource();
        delete tempo;
    }
    return handle;
}

#define CHECK_SIGNATURE(name, result, params) \
    static_assert(std::is_same<decltype(&name), name##_t>::value, #name " differs from the player's declaration");
BASS_FX_ENTRY_POINTS(CHECK_SIGNATURE)
