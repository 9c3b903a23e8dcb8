// The add-on libraries reach bass.dll at run time: it is already loaded by the program
// (the add-ons live in a folder the loader does not search), so it is found by name.
#pragma once

#include "player/audio/BassTypes.h"
#include "standins/bass/common/StandinInterface.h"

struct CoreLink {
#define CORE_LINK_POINTER(name, result, params) name##_t name = nullptr;
    BASS_CORE_ENTRY_POINTS(CORE_LINK_POINTER)
#undef CORE_LINK_POINTER
    StandinCreateChannel_t createChannel = nullptr;
    StandinSetDataHook_t setDataHook = nullptr;
    StandinSetError_t setError = nullptr;

    // True when bass.dll is loaded and offers everything the add-ons need.
    bool ready() const { return createChannel && setDataHook && setError && BASS_ChannelGetData; }
    void fail(int code) const {
        if (setError) setError(code);
    }
};

const CoreLink& coreLink();
