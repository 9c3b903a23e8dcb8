// Files for the settings tests: a folder with a Japanese name inside a temporary folder,
// and empty files made in it.
#pragma once

#include <windows.h>

#include <string>

#include "testsupport/TestWindows.h"

struct SettingsFolder {
    SettingsFolder() { ::CreateDirectoryW(path.c_str(), nullptr); }
    ~SettingsFolder() {
        WIN32_FIND_DATAW data{};
        HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileW((path + L"\\" + data.cFileName).c_str());
            } while (::FindNextFileW(find, &data));
            ::FindClose(find);
        }
        ::RemoveDirectoryW(path.c_str());
    }
    std::wstring file(const std::wstring& name) const { return path + L"\\" + name; }
    // Makes an empty file and answers its path.
    std::wstring touch(const std::wstring& name) const {
        const std::wstring full = file(name);
        HANDLE handle = ::CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
        return full;
    }

    TempDirectory temp;
    // "Lessons of Japanese" in Japanese.
    std::wstring path = temp.path() + L"\\\u65E5\u672C\u8A9E\u306E\u6559\u6750";
};
