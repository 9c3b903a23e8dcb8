#include "player/audio/SameFile.h"

#include <windows.h>

#include "foundation/system/File.h"

namespace {

enum class Lookup { kFound, kMissing, kUnknown };

// Opening for no access conflicts with no other opener, so a file that is playing can be
// examined too; backup semantics let a folder be opened as well.
Lookup readIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& information) {
    File file;
    if (!file.open(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                   FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {
        DWORD error = ::GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME;
        return missing ? Lookup::kMissing : Lookup::kUnknown;
    }
    return ::GetFileInformationByHandle(file.getHandle(), &information) ? Lookup::kFound : Lookup::kUnknown;
}

bool isSameSpelling(const std::wstring& first, const std::wstring& second) {
    std::wstring a = getFullPath(first);
    std::wstring b = getFullPath(second);
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

}  // namespace

std::wstring getFullPath(const std::wstring& path) {
    DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    length = ::GetFullPathNameW(path.c_str(), length, &full[0], nullptr);
    if (length == 0 || length >= full.size()) return path;
    full.resize(length);
    return full;
}

bool isSameFile(const std::wstring& first, const std::wstring& second) {
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    Lookup firstLookup = readIdentity(first, a);
    Lookup secondLookup = readIdentity(second, b);
    if (firstLookup == Lookup::kMissing || secondLookup == Lookup::kMissing) return false;
    if (firstLookup == Lookup::kUnknown || secondLookup == Lookup::kUnknown) return isSameSpelling(first, second);
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}
