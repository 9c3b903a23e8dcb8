#include "player/app/Settings.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "foundation/system/ModulePath.h"

std::wstring getProgramBaseName() {
    std::wstring program;
    int count = 0;
    if (wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        if (count > 0) program = arguments[0];
        ::LocalFree(arguments);
    }
    size_t slash = program.find_last_of(L'\\');
    std::wstring name = slash == std::wstring::npos ? program : program.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

const std::wstring& getIniFilePath() {
    static const std::wstring path = getModuleDirectory() + getProgramBaseName() + L".ini";
    return path;
}

std::wstring readIniString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                           const std::wstring& defaultValue) {
    // GetPrivateProfileStringW answers size - 1 when the value was cut: grow and retry.
    std::vector<wchar_t> buffer(1024);
    while (true) {
        DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
        if (length + 1 < buffer.size() || buffer.size() >= (1u << 20)) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

bool writeIniString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value) {
    return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

int readIniInt(const std::wstring& path, const std::wstring& section, const std::wstring& key, int defaultValue) {
    return static_cast<int>(::GetPrivateProfileIntW(section.c_str(), key.c_str(), defaultValue, path.c_str()));
}

bool writeIniInt(const std::wstring& path, const std::wstring& section, const std::wstring& key, int value) {
    return writeIniString(path, section, key, std::to_wstring(value));
}

std::wstring readIniString(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue) {
    return readIniString(getIniFilePath(), section, key, defaultValue);
}

bool writeIniString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    return writeIniString(getIniFilePath(), section, key, value);
}

int readIniInt(const std::wstring& section, const std::wstring& key, int defaultValue) {
    return readIniInt(getIniFilePath(), section, key, defaultValue);
}

bool writeIniInt(const std::wstring& section, const std::wstring& key, int value) {
    return writeIniInt(getIniFilePath(), section, key, value);
}
