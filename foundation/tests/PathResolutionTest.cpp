#include <windows.h>

#include <gtest/gtest.h>

#include "foundation/system/PathResolution.h"
#include "foundation/system/PathUtils.h"
#include "testsupport/TestWindows.h"

TEST(PathResolution, RelativePathsAsTheShellWritesThem) {
    EXPECT_EQ(getRelativePath(L"C:\\a\\list.xml", L"C:\\a\\b.mp3"), L".\\b.mp3");
    EXPECT_EQ(getRelativePath(L"C:\\a\\list.xml", L"C:\\a\\m\\b.mp3"), L".\\m\\b.mp3");
    EXPECT_EQ(getRelativePath(L"C:\\a\\list.xml", L"C:\\c\\b.mp3"), L"..\\c\\b.mp3");
    EXPECT_EQ(getRelativePath(L"C:\\a\\list.xml", L"D:\\a\\b.mp3"), L"") << "another drive";
    EXPECT_EQ(getRelativePath(L"C:\\a\\list.xml", L"C:\\" + std::wstring(300, L'x')), L"") << "too long";
}

TEST(PathResolution, CurrentFolderOfAnyLengthIsRestored) {
    TempDirectory temp;
    const std::wstring before = getCurrentDirectory();
    // Deeper than the classic 260-character limit.
    std::wstring deep = temp.path();
    while (deep.size() < 300) deep += L"\\" + std::wstring(40, L'd');
    ASSERT_TRUE(createDirectory(deep + L"\\"));
    {
        CurrentDirectoryScope inDeep(deep);
        const std::wstring inside = getCurrentDirectory();
        if (inside != deep) GTEST_SKIP() << "this system keeps no current folder that long";
        {
            CurrentDirectoryScope inTemp(temp.path());
            EXPECT_EQ(getCurrentDirectory(), temp.path());
        }
        EXPECT_EQ(getCurrentDirectory(), deep) << "a long current folder comes back whole";
    }
    EXPECT_EQ(getCurrentDirectory(), before);
}
