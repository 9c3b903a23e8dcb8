#include "player/audio/EncoderOutput.h"

#include <windows.h>

#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "player/audio/SameFile.h"

namespace {

std::wstring shortForm(const std::wstring& folder) {
    DWORD needed = ::GetShortPathNameW(folder.c_str(), nullptr, 0);
    if (needed == 0) return std::wstring();
    std::vector<wchar_t> buffer(needed + 1);
    DWORD length = ::GetShortPathNameW(folder.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return std::wstring();
    return std::wstring(buffer.data(), length);
}

std::wstring temporaryFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) return std::wstring();
    return std::wstring(buffer, length);
}

// GetTempFileNameW creates the file under a name unique in its folder ("mp3XXXX.tmp"),
// so no other file is ever taken over.
std::wstring createUniqueFile(const std::wstring& folder) {
    wchar_t name[MAX_PATH] = {};
    if (!::GetTempFileNameW(folder.c_str(), L"mp3", 0, name)) return std::wstring();
    return name;
}

}  // namespace

bool survivesAnsiCodePage(const std::wstring& text) {
    std::string narrow = wideToMultiByte(text.c_str(), CP_ACP);
    return multiByteToWide(narrow.c_str(), CP_ACP) == text;
}

std::wstring reserveEncoderOutput(const std::wstring& target) {
    std::wstring folder = getDirectory(getFullPath(target));
    // A folder that is not there could not take the result either.
    if (folder.empty() || !fileExists(folder)) {
        ::SetLastError(ERROR_PATH_NOT_FOUND);
        return std::wstring();
    }
    for (const std::wstring& candidate : {folder, shortForm(folder), temporaryFolder()}) {
        // The folder alone is checked: the name GetTempFileNameW adds is plain ASCII. The
        // first folder that passes decides; if it refuses a new file (the target's folder
        // read-only, say), the finished MP3 could not be moved there either.
        if (!candidate.empty() && survivesAnsiCodePage(candidate)) return createUniqueFile(candidate);
    }
    ::SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return std::wstring();
}

bool moveOutputIntoPlace(const std::wstring& output, const std::wstring& target) {
    return ::MoveFileExW(output.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != FALSE;
}
