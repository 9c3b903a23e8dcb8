#include "standins/bass/core/Plugins.h"

#include <mutex>
#include <vector>

#include "standins/bass/common/StandinInterface.h"
#include "standins/bass/core/ErrorState.h"

namespace {

struct Plugin {
    HPLUGIN handle;
    HMODULE module;
    StandinOpenDecoder_t open;
};

std::mutex gMutex;
std::vector<Plugin> gPlugins;
HPLUGIN gNextHandle = 1;

class PluginDecoder : public Decoder {
public:
    PluginDecoder(void* decoder, const StandinDecoderOps* ops, const StandinDecoderFormat& format)
        : mDecoder(decoder), mOps(ops) {
        mRate = format.rate;
        mChannels = format.channels;
        mFrames = format.frames;
    }
    ~PluginDecoder() override { mOps->close(mDecoder); }
    unsigned read(short* out, unsigned frames) override { return mOps->read(mDecoder, out, frames); }
    bool seek(std::uint64_t frame) override { return mOps->seek(mDecoder, frame) != FALSE; }

private:
    void* mDecoder;
    const StandinDecoderOps* mOps;
};

}  // namespace

HPLUGIN loadPlugin(const std::wstring& path) {
    HMODULE module = ::LoadLibraryW(path.c_str());
    if (!module) return fail(BASS_ERROR_UNKNOWN, HPLUGIN(0));
    auto open = reinterpret_cast<StandinOpenDecoder_t>(
        reinterpret_cast<void*>(::GetProcAddress(module, STANDIN_OPEN_DECODER)));
    if (!open) {
        ::FreeLibrary(module);
        return fail(BASS_ERROR_FORMAT, HPLUGIN(0));
    }
    std::lock_guard<std::mutex> lock(gMutex);
    for (const Plugin& plugin : gPlugins) {
        if (plugin.module == module) {
            ::FreeLibrary(module);  // already loaded: the same handle again
            return plugin.handle;
        }
    }
    HPLUGIN handle = gNextHandle++;
    gPlugins.push_back({handle, module, open});
    setError(BASS_OK);
    return handle;
}

bool freePlugin(HPLUGIN handle) {
    std::lock_guard<std::mutex> lock(gMutex);
    for (auto it = gPlugins.begin(); it != gPlugins.end(); ++it) {
        if (it->handle == handle) {
            ::FreeLibrary(it->module);
            gPlugins.erase(it);
            setError(BASS_OK);
            return true;
        }
    }
    return fail(BASS_ERROR_HANDLE, false);
}

std::unique_ptr<Decoder> openWithPlugins(const std::wstring& path) {
    std::vector<Plugin> plugins;
    {
        std::lock_guard<std::mutex> lock(gMutex);
        plugins = gPlugins;
    }
    for (const Plugin& plugin : plugins) {
        StandinDecoderFormat format{};
        const StandinDecoderOps* ops = nullptr;
        void* decoder = plugin.open(path.c_str(), &format, &ops);
        if (decoder && ops) return std::make_unique<PluginDecoder>(decoder, ops, format);
    }
    return nullptr;
}
