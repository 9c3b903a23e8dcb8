#include "player/settings/Settings.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "foundation/encoding/TextFile.h"
#include "foundation/system/ModulePath.h"

std::wstring programBaseNameOf(const std::wstring& programPath) {
    const size_t slash = programPath.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? programPath : programPath.substr(slash + 1);
    const size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring getProgramBaseName() {
    std::wstring program;
    int count = 0;
    if (wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        if (count > 0) program = arguments[0];
        ::LocalFree(arguments);
    }
    return programBaseNameOf(program);
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

bool makeIniFileUnicode(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // A new file: the mark alone makes the profile functions write UTF-16 from here on.
        return ::GetLastError() == ERROR_FILE_NOT_FOUND && writeWholeFile(path, std::string("\xFF\xFE", 2));
    }
    unsigned char head[3] = {};
    DWORD read = 0;
    const BOOL ok = ::ReadFile(file, head, sizeof head, &read, nullptr);
    ::CloseHandle(file);
    if (!ok) return false;
    if (read >= 2 && head[0] == 0xFF && head[1] == 0xFE) return true;
    // A UTF-8 file with its mark keeps every character as well.
    if (read == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) return true;
    std::wstring text;
    if (readTextFile(path, text, kEncodingAnsi) == -1) return false;
    return writeTextFile(path, text, kEncodingUtf16Le);
}

bool writeIniString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value) {
    makeIniFileUnicode(path);
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
