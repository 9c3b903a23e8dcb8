// .m3u play lists as the file table reads them: decoded, split into lines and resolved
// against the play list's folder. No listed path may keep a line end or be empty.
#include <stdexcept>

#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "player/lyrics/PlayList.h"

namespace {

void readPlayListText(const uint8_t* data, size_t size) {
    for (const std::wstring& entry : playListEntries(decodeFuzzInput(data, size), L"C:\\lists\\")) {
        if (entry.empty()) throw std::runtime_error("an empty path was listed");
        if (entry.find_first_of(L"\r\n") != std::wstring::npos) throw std::runtime_error("a path keeps a line end");
    }
}

const std::vector<std::string> kPlayListTokens = {"#EXTM3U", "#EXTINF:0,", "#EXT", "\r\n", "\n", "\r", "..\\",
                                                  ".\\", "C:\\", "\\\\server\\share\\", ".mp3", ".ogg", ".wma",
                                                  "\xEF\xBB\xBF", "\xFF\xFE"};

FuzzTargetRegistration playList({"play-list", readPlayListText, kPlayListTokens, {}});

}  // namespace
