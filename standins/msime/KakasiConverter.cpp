#include "standins/msime/KakasiConverter.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "standins/msime/DictionaryCheck.h"

extern "C" {
#include <libkakasi.h>
}

namespace {

// The folder of this DLL, with a trailing backslash.
std::wstring moduleFolder() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&moduleFolder), &module);
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            std::wstring folder(path.data(), length);
            return folder.substr(0, folder.find_last_of(L"\\/") + 1);
        }
        path.resize(path.size() * 2);
    }
}

bool readWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool ok = ::GetFileSizeEx(file, &size) && size.QuadPart < (64 << 20);
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || (::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                               read == bytes.size());
    }
    ::CloseHandle(file);
    return ok;
}

// The library opens its files by narrow names: the path in the ANSI code page, or its
// short form when that one does not survive the conversion.
bool narrowPath(const std::wstring& path, std::string& narrow) {
    narrow = wideToMultiByte(path.c_str(), CP_ACP);
    if (multiByteToWide(narrow.c_str(), CP_ACP) == path) return true;
    std::vector<wchar_t> shortPath(path.size() + MAX_PATH);
    const DWORD length = ::GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length == 0 || length >= shortPath.size()) return false;
    const std::wstring shortName(shortPath.data(), length);
    narrow = wideToMultiByte(shortName.c_str(), CP_ACP);
    return multiByteToWide(narrow.c_str(), CP_ACP) == shortName;
}

}  // namespace

KakasiConverter& KakasiConverter::instance() {
    static KakasiConverter converter;
    return converter;
}

bool KakasiConverter::ready() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_tried) {
        m_tried = true;
        m_ready = setUp();
    }
    return m_ready;
}

bool KakasiConverter::setUp() {
    const std::wstring folder = moduleFolder();
    const std::wstring kanwaPath = folder + L"kanwadict";
    const std::wstring itaijiPath = folder + L"itaijidict";
    std::vector<uint8_t> dictionary;
    if (!readWholeFile(kanwaPath, dictionary) || !isUsableKanwaDictionary(dictionary.data(), dictionary.size())) {
        return false;
    }
    if (::GetFileAttributesW(itaijiPath.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    std::string kanwa;
    std::string itaiji;
    if (!narrowPath(kanwaPath, kanwa) || !narrowPath(itaijiPath, itaiji)) return false;
    // The library finds its dictionaries through these variables of the C runtime.
    std::string kanwaSetting = "KANWADICTPATH=" + kanwa;
    std::string itaijiSetting = "ITAIJIDICTPATH=" + itaiji;
    if (::_putenv(kanwaSetting.c_str()) != 0 || ::_putenv(itaijiSetting.c_str()) != 0) return false;

    // Shift_JIS in and out; kanji to hiragana as furigana after each word; words split by spaces.
    static char name[] = "kakasi", in[] = "-isjis", out[] = "-osjis", kanji[] = "-JH", furigana[] = "-f",
                split[] = "-w";
    char* arguments[] = {name, in, out, kanji, furigana, split};
    return ::kakasi_getopt_argv(static_cast<int>(sizeof arguments / sizeof arguments[0]), arguments) == 0;
}

bool KakasiConverter::convert(const std::wstring& run, std::wstring& output) {
    if (!ready()) return false;
    std::string input = wideToMultiByte(run.c_str(), 932);
    std::lock_guard<std::mutex> guard(m_lock);
    char* converted = ::kakasi_do(&input[0]);
    if (!converted) return false;
    output = multiByteToWide(converted, 932);
    ::kakasi_free(converted);
    return true;
}
