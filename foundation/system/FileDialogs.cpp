#include "foundation/system/FileDialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace {

// Long paths fit where the system allows them.
const size_t kPathBuffer = 32768;

// The NUL-separated, double-NUL-terminated list that the dialogs want.
std::wstring filterList(const std::wstring& filter, const std::wstring& defaultExtension) {
    std::wstring list = filter;
    if (list.find(L'|') == std::wstring::npos && list.find(L'\0') == std::wstring::npos) {
        std::wstring extension = defaultExtension;
        if (!extension.empty() && extension[0] == L'.') extension.erase(0, 1);
        list += L'|';
        list += L"*." + (extension.empty() ? std::wstring(L"*") : extension);
    }
    for (wchar_t& c : list) {
        if (c == L'|') c = L'\0';
    }
    if (list.empty() || list.back() != L'\0') list += L'\0';
    list += L'\0';
    return list;
}

std::vector<wchar_t> presetBuffer(const std::wstring& text) {
    std::vector<wchar_t> buffer(kPathBuffer, L'\0');
    text.copy(buffer.data(), std::min(text.size(), kPathBuffer - 1));
    return buffer;
}

}  // namespace

std::wstring showOpenFileDialog(HWND owner, const std::wstring& filter, const std::wstring& initialPath) {
    std::wstring filters = filterList(filter, L"");
    std::vector<wchar_t> file = presetBuffer(initialPath);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialPath.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!::GetOpenFileNameW(&ofn)) return std::wstring();
    return file.data();
}

std::wstring showSaveFileDialog(HWND owner, const std::wstring& title, const std::wstring& filter,
                                const std::wstring& initialName, const std::wstring& defaultExtension) {
    std::wstring filters = filterList(filter, defaultExtension);
    std::vector<wchar_t> file = presetBuffer(initialName);
    std::vector<wchar_t> fileTitle(kPathBuffer, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filters.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrFileTitle = fileTitle.data();
    ofn.nMaxFileTitle = static_cast<DWORD>(fileTitle.size());
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT;
    if (!::GetSaveFileNameW(&ofn)) return std::wstring();
    return file.data();
}
