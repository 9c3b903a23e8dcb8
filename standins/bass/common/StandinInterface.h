// What the project's BASS libraries offer each other beyond the public entry points:
// bass.dll hosts channels whose data comes from another library (the tempo stream of
// bass_fx), lets the encoder of bassenc see every block a channel produces, and opens
// files through decoder plug-ins (basswma). The other libraries find these functions in
// the already loaded bass.dll by name.
#pragma once

#include "player/audio/BassTypes.h"

extern "C" {

// A channel source implemented outside bass.dll. Positions and lengths are in bytes of
// 16-bit interleaved PCM at the channel's rate and channel count.
struct StandinSourceOps {
    // Fills up to `bytes` bytes; fewer than asked means the source has ended.
    DWORD (*read)(void* user, void* buffer, DWORD bytes);
    QWORD (*length)(void* user);
    QWORD (*position)(void* user);
    BOOL (*seek)(void* user, QWORD bytes);
    // Attributes the channel itself does not handle (volume and frequency it does).
    BOOL (*setAttribute)(void* user, DWORD attrib, float value);
    // The channel is being freed.
    void (*release)(void* user);
};
using StandinCreateChannel_t = HSTREAM(WINAPI*)(DWORD freq, DWORD chans, DWORD flags,
                                                const StandinSourceOps* ops, void* user);

// Sees every block that a channel produces, after the volume; `detached` runs once when
// the channel is freed or the hook is replaced.
using StandinDataHook = void (*)(void* user, const void* data, DWORD bytes);
using StandinHookDetached = void (*)(void* user);
using StandinSetDataHook_t = BOOL(WINAPI*)(DWORD handle, StandinDataHook hook, StandinHookDetached detached,
                                           void* user);

// Sets the calling thread's error code as BASS_ErrorGetCode reports it.
using StandinSetError_t = void(WINAPI*)(int code);

// A decoder plug-in: opens a file and reports its format and exact length in frames.
struct StandinDecoderFormat {
    DWORD rate;
    DWORD channels;
    QWORD frames;
};
struct StandinDecoderOps {
    // Decodes up to `frames` frames of 16-bit interleaved PCM; 0 at the end.
    DWORD (*read)(void* decoder, short* out, DWORD frames);
    BOOL (*seek)(void* decoder, QWORD frame);
    void (*close)(void* decoder);
};
// Returns the decoder, or null when the file is not of the plug-in's format.
using StandinOpenDecoder_t = void*(WINAPI*)(const wchar_t* path, StandinDecoderFormat* format,
                                            const StandinDecoderOps** ops);
}

#define STANDIN_CREATE_CHANNEL "BassStandin_CreateChannel"
#define STANDIN_SET_DATA_HOOK "BassStandin_SetDataHook"
#define STANDIN_SET_ERROR "BassStandin_SetError"
#define STANDIN_OPEN_DECODER "BassStandin_OpenDecoder"
