#include <gtest/gtest.h>

#include "foundation/system/ModulePath.h"
#include "player/settings/Settings.h"
#include "testsupport/TestWindows.h"

TEST(SettingsFile, IsNamedAfterTheProgramBesideIt) {
    EXPECT_EQ(getProgramBaseName(), L"player_tests");
    const std::wstring& path = getIniFilePath();
    EXPECT_EQ(path, getModuleDirectory() + L"player_tests.ini");
    EXPECT_EQ(&getIniFilePath(), &path);  // computed once
}

TEST(SettingsFile, HelpersReadDefaultsAndWhatWasWritten) {
    TempDirectory dir;
    const std::wstring ini = dir.file(L"s.ini");
    EXPECT_EQ(readIniInt(ini, L"Player", L"Tempo", 100), 100);
    EXPECT_EQ(readIniString(ini, L"Player", L"Missing", L"fallback"), L"fallback");
    EXPECT_TRUE(writeIniInt(ini, L"Player", L"Tempo", -35));
    EXPECT_EQ(readIniInt(ini, L"Player", L"Tempo", 100), -35);
    EXPECT_TRUE(writeIniString(ini, L"Player", L"Empty", L""));
    EXPECT_EQ(readIniString(ini, L"Player", L"Empty", L"fallback"), L"");

    // Long values, such as deep recent-file paths, come back whole.
    std::wstring longValue = L"C:\\" + std::wstring(3000, L'p') + L"\\a.mp3";
    EXPECT_TRUE(writeIniString(ini, L"RecentFileManager", L"RecentFile0", longValue));
    EXPECT_EQ(readIniString(ini, L"RecentFileManager", L"RecentFile0", L""), longValue);
}
