#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "foundation/system/PathUtils.h"
#include "testsupport/TestWindows.h"

// The scratch folder of the tests removes only itself, also when it holds folders
// deeper than the classic path limit.
TEST(TempDirectory, RemovesDeepTreesAndNothingBeside) {
    TempDirectory beside;
    const std::wstring keep = beside.file(L"keep.txt");
    std::ofstream(keep.c_str()) << "x";
    std::wstring removed;
    {
        TempDirectory scratch;
        removed = scratch.path();
        std::wstring deep = L"\\\\?\\" + scratch.path();
        for (int i = 0; i < 12; ++i) {
            deep += L"\\" + std::wstring(30, static_cast<wchar_t>(L'a' + i));
            ASSERT_TRUE(::CreateDirectoryW(deep.c_str(), nullptr));
        }
        HANDLE file = ::CreateFileW((deep + L"\\f.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
        std::ofstream(scratch.file(L"readonly.txt").c_str()) << "y";
        ::SetFileAttributesW(scratch.file(L"readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    EXPECT_FALSE(fileExists(removed));
    EXPECT_TRUE(fileExists(keep));
    EXPECT_TRUE(fileExists(L"Plugins"));  // the run folder the tests run in is untouched
}
