// The entry points of bass.dll.
#include <type_traits>

#include "player/audio/BassTypes.h"
#include "standins/bass/common/StandinInterface.h"
#include "standins/bass/core/Channel.h"
#include "standins/bass/core/Device.h"
#include "standins/bass/core/ErrorState.h"
#include "standins/bass/core/OpenFile.h"
#include "standins/bass/core/Plugins.h"
#include "standins/bass/core/Registry.h"

#define EXPORT extern "C" __declspec(dllexport)

namespace {

constexpr DWORD kVersion = 0x02040000;

// Runs `action` on the channel, or fails with BASS_ERROR_HANDLE.
template <typename Result, typename Action>
Result withChannel(DWORD handle, Result failure, Action action) {
    std::shared_ptr<Channel> channel = findChannel(handle);
    if (!channel) return fail(BASS_ERROR_HANDLE, failure);
    return action(*channel);
}

}  // namespace

EXPORT DWORD WINAPI BASS_GetVersion(void) { return kVersion; }

EXPORT BOOL WINAPI BASS_Init(int device, DWORD freq, DWORD flags, HWND win, const void* clsid) {
    if (isDeviceInitialised()) freeDevice();
    return initDevice(device, freq);
}

EXPORT BOOL WINAPI BASS_Free(void) {
    if (!isDeviceInitialised()) return fail(BASS_ERROR_INIT, FALSE);
    // Channels go with the device; they are freed outside the table's lock.
    unregisterAllChannels();
    freeDevice();
    setError(BASS_OK);
    return TRUE;
}

EXPORT BOOL WINAPI BASS_Start(void) { return isDeviceInitialised() ? TRUE : fail(BASS_ERROR_INIT, FALSE); }
EXPORT BOOL WINAPI BASS_Pause(void) { return isDeviceInitialised() ? TRUE : fail(BASS_ERROR_INIT, FALSE); }
EXPORT BOOL WINAPI BASS_Stop(void) { return isDeviceInitialised() ? TRUE : fail(BASS_ERROR_INIT, FALSE); }

EXPORT DWORD WINAPI BASS_GetDevice(void) {
    if (!isDeviceInitialised()) return fail(BASS_ERROR_INIT, static_cast<DWORD>(-1));
    return static_cast<DWORD>(currentDevice());
}

EXPORT BOOL WINAPI BASS_SetConfig(DWORD option, DWORD value) { return TRUE; }
EXPORT int WINAPI BASS_ErrorGetCode(void) { return lastError(); }

EXPORT HPLUGIN WINAPI BASS_PluginLoad(const char* file, DWORD flags) {
    if (!file) return fail(BASS_ERROR_UNKNOWN, HPLUGIN(0));
    if (flags & BASS_UNICODE) return loadPlugin(reinterpret_cast<const wchar_t*>(file));
    int length = ::MultiByteToWideChar(CP_ACP, 0, file, -1, nullptr, 0);
    std::wstring path(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, file, -1, &path[0], length);
    path.resize(path.size() - 1);
    return loadPlugin(path);
}

EXPORT BOOL WINAPI BASS_PluginFree(HPLUGIN handle) { return freePlugin(handle); }

// Recording and effects are not offered.
EXPORT BOOL WINAPI BASS_RecordInit(int device) { return fail(BASS_ERROR_NOTAVAIL, FALSE); }
EXPORT BOOL WINAPI BASS_RecordFree(void) { return fail(BASS_ERROR_NOTAVAIL, FALSE); }
EXPORT const char* WINAPI BASS_RecordGetInputName(int input) { return fail(BASS_ERROR_NOTAVAIL, static_cast<const char*>(nullptr)); }
EXPORT DWORD WINAPI BASS_RecordGetInput(int input, float* volume) { return fail(BASS_ERROR_NOTAVAIL, static_cast<DWORD>(-1)); }
EXPORT BOOL WINAPI BASS_RecordSetInput(int input, DWORD flags, float volume) { return fail(BASS_ERROR_NOTAVAIL, FALSE); }
EXPORT HRECORD WINAPI BASS_RecordStart(DWORD freq, DWORD chans, DWORD flags, void* proc, void* user) {
    return fail(BASS_ERROR_NOTAVAIL, HRECORD(0));
}
EXPORT BOOL WINAPI BASS_RecordGetDeviceInfo(DWORD device, void* info) { return fail(BASS_ERROR_NOTAVAIL, FALSE); }
EXPORT BOOL WINAPI BASS_FXSetParameters(HFX handle, const void* params) { return fail(BASS_ERROR_NOTAVAIL, FALSE); }
EXPORT BOOL WINAPI BASS_FXGetParameters(HFX handle, void* params) { return fail(BASS_ERROR_NOTAVAIL, FALSE); }
EXPORT HFX WINAPI BASS_ChannelSetFX(DWORD handle, DWORD type, int priority) { return fail(BASS_ERROR_NOTAVAIL, HFX(0)); }
EXPORT BOOL WINAPI BASS_ChannelRemoveFX(DWORD handle, HFX fx) { return fail(BASS_ERROR_NOTAVAIL, FALSE); }

EXPORT HSTREAM WINAPI BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags) {
    // Every stream, a decoding one too, belongs to an initialised device.
    if (!isDeviceInitialised()) return fail(BASS_ERROR_INIT, HSTREAM(0));
    std::unique_ptr<Decoder> decoder = openAudio(mem, file, offset, length, flags);
    if (!decoder) return 0;
    DWORD rate = decoder->rate();
    DWORD channels = decoder->channels();
    HSTREAM handle =
        registerChannel(std::make_shared<Channel>(makeDecoderSource(std::move(decoder)), rate, channels, flags));
    setError(BASS_OK);
    return handle;
}

// Tracker modules are not supported: every file is refused.
EXPORT HMUSIC WINAPI BASS_MusicLoad(BOOL mem, const void* file, QWORD offset, DWORD length, DWORD flags, DWORD freq) {
    return fail(BASS_ERROR_FORMAT, HMUSIC(0));
}
EXPORT BOOL WINAPI BASS_MusicFree(HMUSIC handle) { return fail(BASS_ERROR_HANDLE, FALSE); }

EXPORT BOOL WINAPI BASS_StreamFree(HSTREAM handle) {
    std::shared_ptr<Channel> channel = unregisterChannel(handle);
    if (!channel) return fail(BASS_ERROR_HANDLE, FALSE);
    channel.reset();
    setError(BASS_OK);
    return TRUE;
}

EXPORT BOOL WINAPI BASS_ChannelGetInfo(DWORD handle, BASS_CHANNELINFO* info) {
    return withChannel(handle, FALSE, [&](Channel& channel) {
        if (!info) return fail(BASS_ERROR_UNKNOWN, FALSE);
        info->freq = channel.rate();
        info->chans = channel.channels();
        info->flags = channel.flags();
        setError(BASS_OK);
        return TRUE;
    });
}

EXPORT BOOL WINAPI BASS_ChannelSetAttribute(DWORD handle, DWORD attrib, float value) {
    return withChannel(handle, FALSE, [&](Channel& channel) { return channel.setAttribute(attrib, value) ? TRUE : FALSE; });
}

EXPORT DWORD WINAPI BASS_ChannelIsActive(DWORD handle) {
    return withChannel(handle, BASS_ACTIVE_STOPPED, [](Channel& channel) { return channel.activity(); });
}

EXPORT BOOL WINAPI BASS_ChannelIsSliding(DWORD handle, DWORD attrib) { return FALSE; }

EXPORT BOOL WINAPI BASS_ChannelUpdate(DWORD handle, DWORD length) {
    return withChannel(handle, FALSE, [](Channel&) { return TRUE; });
}

EXPORT DWORD WINAPI BASS_ChannelGetLevel(DWORD handle) {
    return withChannel(handle, static_cast<DWORD>(-1), [](Channel& channel) {
        if (channel.activity() != BASS_ACTIVE_PLAYING) return fail(BASS_ERROR_NOPLAY, static_cast<DWORD>(-1));
        return channel.level();
    });
}

EXPORT DWORD WINAPI BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length) {
    return withChannel(handle, static_cast<DWORD>(-1), [&](Channel& channel) { return channel.getData(buffer, length); });
}

EXPORT BOOL WINAPI BASS_ChannelPlay(DWORD handle, BOOL restart) {
    return withChannel(handle, FALSE, [&](Channel& channel) {
        if (!isDeviceInitialised()) return fail(BASS_ERROR_INIT, FALSE);
        if (!canPlay()) return fail(BASS_ERROR_NOTAVAIL, FALSE);
        return channel.play(restart != FALSE, currentWaveOutId()) ? TRUE : FALSE;
    });
}

EXPORT BOOL WINAPI BASS_ChannelPause(DWORD handle) {
    return withChannel(handle, FALSE, [](Channel& channel) { return channel.pause() ? TRUE : FALSE; });
}

EXPORT BOOL WINAPI BASS_ChannelStop(DWORD handle) {
    return withChannel(handle, FALSE, [](Channel& channel) { return channel.stop() ? TRUE : FALSE; });
}

EXPORT QWORD WINAPI BASS_ChannelGetLength(DWORD handle, DWORD mode) {
    return withChannel(handle, static_cast<QWORD>(-1), [&](Channel& channel) {
        if (mode != BASS_POS_BYTE) return fail(BASS_ERROR_NOTAVAIL, static_cast<QWORD>(-1));
        setError(BASS_OK);
        return channel.length();
    });
}

EXPORT QWORD WINAPI BASS_ChannelGetPosition(DWORD handle, DWORD mode) {
    return withChannel(handle, static_cast<QWORD>(-1), [&](Channel& channel) {
        if (mode != BASS_POS_BYTE) return fail(BASS_ERROR_NOTAVAIL, static_cast<QWORD>(-1));
        setError(BASS_OK);
        return channel.position();
    });
}

EXPORT BOOL WINAPI BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode) {
    return withChannel(handle, FALSE, [&](Channel& channel) {
        if (mode != BASS_POS_BYTE) return fail(BASS_ERROR_NOTAVAIL, FALSE);
        return channel.setPosition(pos) ? TRUE : FALSE;
    });
}

EXPORT QWORD WINAPI BASS_ChannelSeconds2Bytes(DWORD handle, double seconds) {
    return withChannel(handle, static_cast<QWORD>(-1), [&](Channel& channel) {
        if (seconds < 0) return fail(BASS_ERROR_UNKNOWN, static_cast<QWORD>(-1));
        // Whole frames: the fraction of a frame is dropped.
        QWORD frames = static_cast<QWORD>(seconds * channel.rate());
        setError(BASS_OK);
        return frames * channel.channels() * 2;
    });
}

EXPORT double WINAPI BASS_ChannelBytes2Seconds(DWORD handle, QWORD bytes) {
    return withChannel(handle, -1.0, [&](Channel& channel) {
        setError(BASS_OK);
        return static_cast<double>(bytes) / (channel.rate() * channel.channels() * 2.0);
    });
}

// What the other libraries of the family use.
EXPORT HSTREAM WINAPI BassStandin_CreateChannel(DWORD freq, DWORD chans, DWORD flags, const StandinSourceOps* ops,
                                                void* user) {
    if (!ops || freq == 0 || chans == 0) return fail(BASS_ERROR_FORMAT, HSTREAM(0));
    if (!isDeviceInitialised()) return fail(BASS_ERROR_INIT, HSTREAM(0));
    HSTREAM handle = registerChannel(std::make_shared<Channel>(makeExternalSource(*ops, user), freq, chans, flags));
    setError(BASS_OK);
    return handle;
}

EXPORT BOOL WINAPI BassStandin_SetDataHook(DWORD handle, StandinDataHook hook, StandinHookDetached detached,
                                           void* user) {
    return withChannel(handle, FALSE, [&](Channel& channel) {
        channel.setDataHook(hook, detached, user);
        return TRUE;
    });
}

EXPORT void WINAPI BassStandin_SetError(int code) { setError(code); }

// Both sides of every call agree on its signature.
#define CHECK_SIGNATURE(name, result, params) \
    static_assert(std::is_same<decltype(&name), name##_t>::value, #name " differs from the player's declaration");
BASS_CORE_ENTRY_POINTS(CHECK_SIGNATURE)
static_assert(std::is_same<decltype(&BassStandin_CreateChannel), StandinCreateChannel_t>::value, "");
static_assert(std::is_same<decltype(&BassStandin_SetDataHook), StandinSetDataHook_t>::value, "");
static_assert(std::is_same<decltype(&BassStandin_SetError), StandinSetError_t>::value, "");
