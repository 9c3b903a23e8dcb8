#include "player/lyrics/PlayList.h"

#include <windows.h>
#include <shlwapi.h>

#include "foundation/encoding/StringConversion.h"
#include "player/audio/EncoderOutput.h"

std::vector<std::wstring> splitPlayListLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    if (text.empty()) return lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::vector<std::wstring> playListEntries(const std::wstring& text, const std::wstring& folder) {
    std::vector<std::wstring> entries;
    for (const std::wstring& line : splitPlayListLines(text)) {
        if (line.empty() || line.compare(0, 4, L"#EXT") == 0) continue;
        if (!::PathIsRelativeW(line.c_str())) {
            entries.push_back(line);
            continue;
        }
        // PathCombineW writes at most MAX_PATH characters and refuses longer results.
        wchar_t combined[MAX_PATH] = {};
        if (::PathCombineW(combined, folder.c_str(), line.c_str())) entries.push_back(combined);
    }
    return entries;
}

namespace {

// A path as the ANSI code page holds it; empty when a character would be lost or
// replaced by a look-alike ("é" by "e"), which would name another file.
std::string ansiPath(const std::wstring& path) {
    if (!survivesAnsiCodePage(path)) return std::string();
    std::string narrow = wideToMultiByte(path.c_str(), CP_ACP);
    return narrow.find('?') == std::string::npos ? narrow : std::string();
}

// The path relative to the play list, when one can be formed within the MAX_PATH
// buffers that PathRelativePathToA works in.
std::string relativePath(const std::string& playList, const std::string& path) {
    if (playList.size() >= MAX_PATH || path.size() >= MAX_PATH) return std::string();
    char relative[MAX_PATH] = {};
    if (!::PathRelativePathToA(relative, playList.c_str(), FILE_ATTRIBUTE_NORMAL, path.c_str(),
                               FILE_ATTRIBUTE_NORMAL)) {
        return std::string();
    }
    return relative;
}

}  // namespace

std::string writePlayListText(const std::vector<std::wstring>& paths, const std::wstring& playListPath) {
    const std::string playList = ansiPath(playListPath);
    if (playList.empty()) return std::string();
    std::string text = "#EXTM3U\r\n";
    bool written = false;
    for (const std::wstring& path : paths) {
        const std::string narrow = ansiPath(path);
        if (narrow.empty()) continue;
        const std::string relative = relativePath(playList, narrow);
        text += "#EXTINF:0,";
        text += ::PathFindFileNameA(narrow.c_str());
        text += "\r\n";
        text += relative.empty() ? narrow : relative;
        text += "\r\n\r\n";
        written = true;
    }
    return written ? text : std::string();
}
