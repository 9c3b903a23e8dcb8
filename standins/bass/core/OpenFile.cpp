#include "standins/bass/core/OpenFile.h"

#include <string>

#include "standins/bass/core/ErrorState.h"
#include "standins/bass/core/Plugins.h"

namespace {

std::wstring widePath(const void* file, DWORD flags) {
    if (flags & BASS_UNICODE) return static_cast<const wchar_t*>(file);
    const char* narrow = static_cast<const char*>(file);
    int length = ::MultiByteToWideChar(CP_ACP, 0, narrow, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, narrow, -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

}  // namespace

std::unique_ptr<Decoder> openAudio(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags) {
    if (!file) return fail(BASS_ERROR_UNKNOWN, std::unique_ptr<Decoder>());
    std::wstring path = mem ? std::wstring() : widePath(file, flags);
    auto openBytes = [&]() -> std::unique_ptr<ByteSource> {
        if (mem) return openMemorySource(file, static_cast<std::int64_t>(offset), static_cast<std::int64_t>(length));
        return openFileSource(path, static_cast<std::int64_t>(offset), static_cast<std::int64_t>(length));
    };
    if (!openBytes()) return fail(BASS_ERROR_UNKNOWN, std::unique_ptr<Decoder>());

    // Each attempt gets fresh bytes: a decoder that recognised the data keeps them.
    std::unique_ptr<ByteSource> bytes = openBytes();
    if (auto decoder = openWavDecoder(bytes)) return decoder;
    if (!bytes) bytes = openBytes();
    if (auto decoder = openVorbisDecoder(bytes)) return decoder;
    if (!bytes) bytes = openBytes();
    if (auto decoder = openMp3Decoder(bytes, (flags & BASS_STREAM_PRESCAN) != 0)) return decoder;
    if (!mem && offset == 0 && length == 0) {
        if (auto decoder = openWithPlugins(path)) return decoder;
    }
    return fail(BASS_ERROR_FORMAT, std::unique_ptr<Decoder>());
}
