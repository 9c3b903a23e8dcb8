#include "foundation/system/PathResolution.h"

#include <windows.h>
#include <shlwapi.h>

#include <vector>

std::wstring getCurrentDirectory() {
    // The folder may change between the two calls: ask again while it does not fit.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
        if (needed == 0) return std::wstring();
        std::vector<wchar_t> buffer(needed + 1);
        const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) return std::wstring();
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
    }
    return std::wstring();
}

std::wstring getRelativePath(const std::wstring& fromFile, const std::wstring& toFile) {
    // The shell's function works in MAX_PATH buffers only.
    if (fromFile.size() >= MAX_PATH || toFile.size() >= MAX_PATH) return std::wstring();
    wchar_t relative[MAX_PATH + 1] = {};
    if (!::PathRelativePathToW(relative, fromFile.c_str(), FILE_ATTRIBUTE_ARCHIVE, toFile.c_str(),
                               FILE_ATTRIBUTE_ARCHIVE)) {
        return std::wstring();
    }
    return relative;
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::wstring& folder) : mPrevious(getCurrentDirectory()) {
    if (!folder.empty()) ::SetCurrentDirectoryW(folder.c_str());
}

CurrentDirectoryScope::~CurrentDirectoryScope() {
    if (!mPrevious.empty()) ::SetCurrentDirectoryW(mPrevious.c_str());
}
