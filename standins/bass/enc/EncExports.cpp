// The entry points of bassenc.dll.
#include <map>
#include <mutex>
#include <type_traits>

#include "player/audio/BassTypes.h"
#include "standins/bass/common/CoreLink.h"
#include "standins/bass/enc/Encoder.h"

#define EXPORT extern "C" __declspec(dllexport)

namespace {

constexpr DWORD kVersion = 0x02040000;

struct Encoders {
    std::mutex mutex;
    std::map<HENCODE, Encoder*> byHandle;
    HENCODE next = 1;
};

// Never destroyed: encoders still running at process exit are left to the system.
Encoders& encoders() {
    static Encoders* instance = new Encoders;
    return *instance;
}

// The encoder with this handle, or the one on this channel; removed from the table.
Encoder* takeEncoder(DWORD handle) {
    Encoders& all = encoders();
    std::lock_guard<std::mutex> lock(all.mutex);
    for (auto it = all.byHandle.begin(); it != all.byHandle.end(); ++it) {
        if (it->first == handle || it->second->channel() == handle) {
            Encoder* encoder = it->second;
            all.byHandle.erase(it);
            return encoder;
        }
    }
    return nullptr;
}

bool isRegistered(Encoder* encoder) {
    Encoders& all = encoders();
    std::lock_guard<std::mutex> lock(all.mutex);
    for (const auto& entry : all.byHandle) {
        if (entry.second == encoder) return true;
    }
    return false;
}

void onData(void* user, const void* data, DWORD bytes) { static_cast<Encoder*>(user)->write(data, bytes); }

// The channel is freed (or the encoder is being stopped): the encoder ends with it.
void onDetached(void* user) {
    auto* encoder = static_cast<Encoder*>(user);
    if (isRegistered(encoder)) {
        takeEncoder(encoder->channel());
        delete encoder;
    } else {
        encoder->finish();
    }
}

}  // namespace

EXPORT DWORD WINAPI BASS_Encode_GetVersion(void) { return kVersion; }

EXPORT HENCODE WINAPI BASS_Encode_Start(DWORD handle, const char* cmdline, DWORD flags, void* proc, void* user) {
    const CoreLink& core = coreLink();
    if (!core.ready()) return 0;
    BASS_CHANNELINFO info{};
    if (!core.BASS_ChannelGetInfo(handle, &info)) return 0;  // the core set the error
    if (!cmdline || !*cmdline) {
        core.fail(BASS_ERROR_UNKNOWN);
        return 0;
    }
    Encoder* encoder = Encoder::start(handle, info, cmdline, flags);
    if (!encoder) {
        core.fail(BASS_ERROR_UNKNOWN);
        return 0;
    }
    HENCODE encodeHandle = 0;
    {
        Encoders& all = encoders();
        std::lock_guard<std::mutex> lock(all.mutex);
        encodeHandle = all.next++;
        all.byHandle[encodeHandle] = encoder;
    }
    core.setDataHook(handle, onData, onDetached, encoder);
    core.fail(BASS_OK);
    return encodeHandle;
}

EXPORT BOOL WINAPI BASS_Encode_Stop(DWORD handle) {
    const CoreLink& core = coreLink();
    Encoder* encoder = takeEncoder(handle);
    if (!encoder) {
        core.fail(BASS_ERROR_HANDLE);
        return FALSE;
    }
    // Detaching ends the pipe; the channel then produces data for nobody.
    core.setDataHook(encoder->channel(), nullptr, nullptr, nullptr);
    bool succeeded = encoder->finish();
    delete encoder;
    core.fail(succeeded ? BASS_OK : BASS_ERROR_UNKNOWN);
    return succeeded ? TRUE : FALSE;
}

#define CHECK_SIGNATURE(name, result, params) \
    static_assert(std::is_same<decltype(&name), name##_t>::value, #name " differs from the player's declaration");
BASS_ENC_ENTRY_POINTS(CHECK_SIGNATURE)
