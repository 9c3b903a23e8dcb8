#include "player/mp3/LyricsFrameFile.h"

#include "player/mp3/MP3StreamFile.h"
#include "player/mp3/UsltFrame.h"

namespace {

// The frame named `id4` (or its 3-character name in a version 2.2 tag) of the file's tag.
const ID3V2Frame* findLyricsFrame(MP3_ID3Manager& tag, const std::wstring& path, const char* id3, const char* id4) {
    MP3::File file;
    if (!file.open(path) || !tag.read(file)) return nullptr;
    return tag.findFrame(tag.getMajorVersion() == 2 ? id3 : id4);
}

std::wstring lowerExtension(const std::wstring& path) {
    const size_t dot = path.find_last_of(L'.');
    const size_t slash = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return std::wstring();
    std::wstring extension = path.substr(dot);
    for (wchar_t& c : extension) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return extension;
}

}  // namespace

bool readSyltLines(const std::wstring& path, std::vector<LyricsLine>& lines) {
    MP3_ID3Manager tag;
    const ID3V2Frame* frame = findLyricsFrame(tag, path, "SLT", "SYLT");
    return frame != nullptr && parseSyltPayload(frame->payload.data(), frame->payload.size(), lines);
}

std::wstring readUsltText(const std::wstring& path) {
    MP3_ID3Manager tag;
    const ID3V2Frame* frame = findLyricsFrame(tag, path, "ULT", "USLT");
    return frame == nullptr ? std::wstring() : parseUsltPayload(frame->payload.data(), frame->payload.size());
}

bool readId3(const std::wstring& path, MP3_ID3Manager& manager) {
    const std::wstring extension = lowerExtension(path);
    if (extension != L".mp3" && extension != L".ogg" && extension != L".wma") return false;
    MP3::File file;
    if (!file.open(path)) return false;
    manager.clear();
    manager.read(file);
    return true;
}
