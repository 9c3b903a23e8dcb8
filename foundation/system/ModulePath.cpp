#include "foundation/system/ModulePath.h"

#include <windows.h>

#include <vector>

std::wstring getModuleDirectory() {
    // Grow the buffer until the whole path fits: paths may exceed MAX_PATH.
    std::vector<wchar_t> buffer(MAX_PATH);
    while (buffer.size() <= 32768 * 2) {
        DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::wstring();
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            size_t slash = path.find_last_of(L'\\');
            return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::wstring();
}
