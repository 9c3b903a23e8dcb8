#include "foundation/system/PathUtils.h"

#include <windows.h>
#include <shlwapi.h>

#include <vector>

#include "foundation/system/StringUtils.h"

namespace {

// Runs a shell path function that edits a MAX_PATH buffer in place, for paths that fit;
// longer paths get `fallback`.
template <typename Edit, typename Fallback>
std::wstring editPath(const std::wstring& path, Edit edit, Fallback fallback) {
    if (path.size() >= MAX_PATH) return fallback(path);
    wchar_t buffer[MAX_PATH + 1] = {};
    path.copy(buffer, path.size());
    edit(buffer);
    return buffer;
}

size_t lastSeparator(const std::wstring& path) {
    return path.find_last_of(L"\\/");
}

std::wstring fullPath(const std::wstring& path) {
    DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<wchar_t> buffer(needed + 1);
    DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0 || length >= buffer.size()) return path;
    return std::wstring(buffer.data(), length);
}

bool isDirectory(const std::wstring& path) {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::wstring getDirectory(const std::wstring& path) {
    if (path.size() < MAX_PATH) {
        wchar_t buffer[MAX_PATH + 2] = {};
        path.copy(buffer, path.size());
        if (!::PathRemoveFileSpecW(buffer)) return std::wstring();
        ::PathAddBackslashW(buffer);
        return buffer;
    }
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring removeExtension(const std::wstring& path) {
    return editPath(path, [](wchar_t* buffer) { ::PathRemoveExtensionW(buffer); },
                    [](const std::wstring& longPath) {
                        size_t dot = longPath.find_last_of(L'.');
                        size_t slash = lastSeparator(longPath);
                        if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) {
                            return longPath;
                        }
                        return longPath.substr(0, dot);
                    });
}

std::wstring getFileName(const std::wstring& path) {
    return editPath(path, [](wchar_t* buffer) { ::PathStripPathW(buffer); },
                    [](const std::wstring& longPath) {
                        size_t slash = lastSeparator(longPath.substr(0, longPath.size() - 1));
                        return slash == std::wstring::npos ? longPath : longPath.substr(slash + 1);
                    });
}

bool fileExists(const std::wstring& path) {
    if (!path.empty() && ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    ::SetLastError(ERROR_SUCCESS);
    return false;
}

bool moveFile(const std::wstring& from, const std::wstring& to) {
    if (from == to) return true;
    return ::MoveFileW(from.c_str(), to.c_str()) != FALSE;
}

bool createDirectory(const std::wstring& path) {
    std::wstring folder = replaceAll(path, L"/", L"\\");
    size_t slash = folder.find_last_of(L'\\');
    if (slash == std::wstring::npos) {
        folder = L".\\";  // a bare file name lies in the current folder
    } else {
        folder.resize(slash + 1);
    }
    // The long-path form lifts the MAX_PATH limit; it needs an absolute path.
    if (folder.compare(0, 4, L"\\\\?\\") != 0) {
        folder = fullPath(folder);
        if (folder.compare(0, 2, L"\\\\") == 0) {
            folder = L"\\\\?\\UNC\\" + folder.substr(2);
        } else {
            folder = L"\\\\?\\" + folder;
        }
    }
    if (folder.back() != L'\\') folder += L'\\';
    // Create each level in turn; levels that exist already are fine.
    for (size_t at = folder.find(L'\\', 4); at != std::wstring::npos; at = folder.find(L'\\', at + 1)) {
        std::wstring level = folder.substr(0, at);
        if (level.size() > 4 && level.back() != L':' && !isDirectory(level)) {
            ::CreateDirectoryW(level.c_str(), nullptr);
        }
    }
    bool exists = isDirectory(folder);
    if (exists) ::SetLastError(ERROR_SUCCESS);
    return exists;
}
