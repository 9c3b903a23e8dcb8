#include "player/lyrics/AudioFileTypes.h"

#include <windows.h>
#include <shlwapi.h>

namespace {

bool hasExtension(const std::wstring& path, const wchar_t* extension) {
    return ::lstrcmpiW(::PathFindExtensionW(path.c_str()), extension) == 0;
}

}  // namespace

bool isSupportedAudioFile(const std::wstring& path) {
    return hasExtension(path, L".mp3") || hasExtension(path, L".ogg") || hasExtension(path, L".wma");
}

bool isPlayListPath(const std::wstring& path) { return hasExtension(path, L".m3u"); }
