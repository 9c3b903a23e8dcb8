// The reading server DLL loaded from a folder of the test's own, beside dictionaries the
// test chooses: a dictionary kakasi could not use makes Open fail instead of letting the
// library end the process.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/widgets/FELanguage.h"

namespace {

// {FB499983-D5A9-4FB3-B60C-76129CFCA223}
constexpr CLSID kReadingServerClassId = {0xFB499983, 0xD5A9, 0x4FB3, {0xB6, 0x0C, 0x76, 0x12, 0x9C, 0xFC, 0xA2, 0x23}};

std::vector<char> readFile(const std::wstring& path) {
    std::vector<char> bytes;
    if (FILE* file = ::_wfopen(path.c_str(), L"rb")) {
        char buffer[65536];
        size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + count);
        std::fclose(file);
    }
    return bytes;
}

void writeFile(const std::wstring& path, const std::vector<char>& bytes) {
    if (FILE* file = ::_wfopen(path.c_str(), L"wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

// The run folder's Plugins (beside the tests' folder): other tests move the current folder.
std::wstring pluginsFile(const wchar_t* name) {
    wchar_t exe[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder(exe, length);
    folder = folder.substr(0, folder.find_last_of(L"\\/"));
    return folder.substr(0, folder.find_last_of(L"\\/")) + L"\\run\\Plugins\\" + name;
}

// A copy of the server in its own folder (a module of its own, with its own kakasi).
class ServerCopy {
public:
    explicit ServerCopy(const std::vector<char>* dictionary) {
        ::CopyFileW(pluginsFile(L"ime_reading.dll").c_str(), folder.file(L"ime_reading.dll").c_str(), FALSE);
        ::CopyFileW(pluginsFile(L"itaijidict").c_str(), folder.file(L"itaijidict").c_str(), FALSE);
        if (dictionary) writeFile(folder.file(L"kanwadict"), *dictionary);
        module = ::LoadLibraryW(folder.file(L"ime_reading.dll").c_str());
    }
    ~ServerCopy() {
        if (language) language->Release();
        if (module) ::FreeLibrary(module);
    }

    // Creates the language object and answers what its Open answers.
    HRESULT open() {
        using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
        auto get = reinterpret_cast<GetClassObject>(
            reinterpret_cast<void*>(::GetProcAddress(module, "DllGetClassObject")));
        if (!get) return E_NOINTERFACE;
        IClassFactory* factory = nullptr;
        HRESULT hr = get(kReadingServerClassId, IID_IClassFactory, reinterpret_cast<void**>(&factory));
        if (FAILED(hr)) return hr;
        hr = factory->CreateInstance(nullptr, kIidFELanguage, reinterpret_cast<void**>(&language));
        factory->Release();
        return FAILED(hr) ? hr : language->Open();
    }

    TempDirectory folder;
    HMODULE module = nullptr;
    IFELanguage* language = nullptr;
};

}  // namespace

TEST(ReadingServerLibrary, RefusesToOpenWithAMissingOrDamagedDictionary) {
    const std::vector<char> dictionary = readFile(pluginsFile(L"kanwadict"));
    ASSERT_GT(dictionary.size(), 100000u);

    std::vector<char> truncated(dictionary.begin(), dictionary.begin() + dictionary.size() / 2);
    std::vector<char> wild = dictionary;
    // The first cell's word count (after its offset; the table's place is at byte 8)
    // becomes huge: its words would run off the end of the file.
    const size_t firstCell = static_cast<unsigned char>(dictionary[8]);
    wild[firstCell + 7] = '\x7F';

    const std::vector<const std::vector<char>*> damaged = {nullptr, &truncated, &wild};
    for (const std::vector<char>* bad : damaged) {
        ServerCopy server(bad);
        ASSERT_NE(server.module, nullptr);
        EXPECT_EQ(server.open(), E_FAIL);
    }

    ServerCopy server(&dictionary);
    ASSERT_EQ(server.open(), S_OK);
    MORRSLT* result = nullptr;
    const std::wstring text = L"漢字";
    ASSERT_EQ(server.language->GetJMorphResult(kFELangRequestReverse, kFELangModeReverse,
                                               static_cast<INT>(text.size()), text.c_str(), nullptr, &result),
              S_OK);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(std::wstring(result->output, result->outputLength), L"かんじ");
    ASSERT_EQ(result->wordCount, 1);
    EXPECT_EQ(result->words[0].inputLength, 2);
    ::CoTaskMemFree(result);
}

TEST(ReadingServerLibrary, RefusesOtherRequestsAndOverlongInput) {
    const std::vector<char> dictionary = readFile(pluginsFile(L"kanwadict"));
    ServerCopy server(&dictionary);
    ASSERT_EQ(server.open(), S_OK);
    MORRSLT* result = nullptr;
    const std::wstring longText(5000, L'字');
    EXPECT_EQ(server.language->GetJMorphResult(kFELangRequestReverse, kFELangModeReverse,
                                               static_cast<INT>(longText.size()), longText.c_str(), nullptr, &result),
              kFELangInputTooLong);
    EXPECT_EQ(result, nullptr);
    EXPECT_TRUE(FAILED(server.language->GetJMorphResult(0x10000, 0, 2, L"漢字", nullptr, &result)));
    EXPECT_TRUE(FAILED(server.language->GetJMorphResult(kFELangRequestReverse, kFELangModeReverse, -1, L"漢字",
                                                        nullptr, &result)));
    EXPECT_EQ(result, nullptr);
}
