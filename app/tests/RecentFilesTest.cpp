#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/RecentFileManager.h"
#include "app/SampleLesson.h"
#include "player/settings/Settings.h"
#include "app/mainwindow/RecentFilesMenu.h"
#include "player/tests/SettingsTestSupport.h"
#include "toolkit/window/BaseWindow.h"
#include "toolkit/window/PopupMenu.h"

namespace {

std::vector<std::wstring> entries(const RecentFileManager& files) {
    std::vector<std::wstring> list;
    for (size_t i = 0; i < files.size(); ++i) list.push_back(files.get(i));
    return list;
}

std::wstring menuText(const PopupMenu& menu, UINT position) {
    wchar_t text[512] = {};
    ::GetMenuStringW(menu.getHandle(), position, text, 512, MF_BYPOSITION);
    return text;
}

}  // namespace

TEST(RecentFiles, NewestFirstOnceEachAtMostTen) {
    SettingsFolder folder;
    RecentFileManager files;
    std::vector<std::wstring> paths;
    for (int i = 0; i < 11; ++i) paths.push_back(folder.touch(L"lesson" + std::to_wstring(i) + L".mp3"));
    files.add(paths[0]);
    files.add(paths[1]);
    files.add(paths[0]);
    EXPECT_EQ(entries(files), (std::vector<std::wstring>{paths[0], paths[1]})) << "opened twice: one entry, in front";
    for (int i = 2; i < 11; ++i) files.add(paths[static_cast<size_t>(i)]);
    ASSERT_EQ(files.size(), 10u);
    EXPECT_EQ(files.get(0), paths[10]);
    EXPECT_EQ(files.get(9), paths[0]) << "the eleventh file pushed the oldest one out";
    EXPECT_EQ(files.get(10), L"") << "past the end";
    files.add(L"");
    EXPECT_EQ(files.size(), 10u);
    files.clear();
    EXPECT_EQ(files.size(), 0u);
}

TEST(RecentFiles, AVanishedFileIsDroppedAndNotAddedAgain) {
    SettingsFolder folder;
    const std::wstring a = folder.touch(L"a.mp3");
    const std::wstring b = folder.touch(L"b.mp3");
    RecentFileManager files;
    files.add(a);
    files.add(b);
    ::DeleteFileW(a.c_str());
    files.add(a);
    EXPECT_EQ(entries(files), std::vector<std::wstring>{b});
}

TEST(RecentFiles, PathsMatchExactlyWithoutWildcards) {
    SettingsFolder folder;
    const std::wstring real = folder.touch(L"x1.mp3");
    EXPECT_TRUE(RecentFileManager::exists(real));
    EXPECT_FALSE(RecentFileManager::exists(folder.file(L"*.mp3")));
    EXPECT_FALSE(RecentFileManager::exists(folder.file(L"x?.mp3")));
    RecentFileManager files;
    files.add(folder.file(L"x*"));
    EXPECT_EQ(files.size(), 0u) << "a pattern that matches a file is no file";
    files.add(real);
    std::wstring upper = real;
    upper.replace(upper.size() - 6, 2, L"X1");
    files.remove(upper);
    EXPECT_EQ(files.size(), 1u) << "removing compares case-sensitively";
    files.remove(real);
    EXPECT_EQ(files.size(), 0u);
}

TEST(RecentFilesInTheSettingsFile, ComeBackInOrderWithJapaneseNames) {
    SettingsFolder folder;
    const std::wstring ini = folder.file(L"Corvanta.ini");
    RecentFileManager saved;
    const std::wstring first = folder.touch(L"\u7B2C\u4E00\u8AB2.mp3");
    const std::wstring second = folder.touch(L"\u7B2C\u4E8C\u8AB2 caf\u00E9.xml");
    const std::wstring third = folder.touch(L"Tom & Jerry.ogg");
    saved.add(first);
    saved.add(second);
    saved.add(third);
    ASSERT_TRUE(saved.save(ini, RecentFileManager::kSection));
    RecentFileManager loaded;
    loaded.load(ini, RecentFileManager::kSection);
    EXPECT_EQ(entries(loaded), (std::vector<std::wstring>{third, second, first}));
}

TEST(RecentFilesInTheSettingsFile, AShorterListClearsTheKeysAfterIt) {
    SettingsFolder folder;
    const std::wstring ini = folder.file(L"Corvanta.ini");
    for (int i = 0; i < 10; ++i) {
        writeIniString(ini, L"RecentFileManager", L"RecentFile" + std::to_wstring(i), folder.touch(std::to_wstring(i)));
    }
    RecentFileManager files;
    files.add(folder.touch(L"a"));
    files.add(folder.touch(L"b"));
    files.add(folder.touch(L"c"));
    ASSERT_TRUE(files.save(ini, L"RecentFileManager"));
    EXPECT_EQ(readIniString(ini, L"RecentFileManager", L"RecentFile2", L"?"), folder.file(L"a"));
    for (int i = 3; i < 10; ++i) {
        EXPECT_EQ(readIniString(ini, L"RecentFileManager", L"RecentFile" + std::to_wstring(i), L"?"), L"") << i;
    }
}

TEST(RecentFilesInTheSettingsFile, LoadingSkipsGapsVanishedFilesAndDuplicates) {
    SettingsFolder folder;
    const std::wstring ini = folder.file(L"Corvanta.ini");
    const std::wstring only = folder.touch(L"only.mp3");
    writeIniString(ini, L"RecentFileManager", L"RecentFile3", only);
    RecentFileManager files;
    files.load(ini, L"RecentFileManager");
    EXPECT_EQ(entries(files), std::vector<std::wstring>{only}) << "keys 0 to 2 empty";

    const std::wstring other = folder.touch(L"other.mp3");
    writeIniString(ini, L"RecentFileManager", L"RecentFile0", other);
    writeIniString(ini, L"RecentFileManager", L"RecentFile1", folder.file(L"gone.mp3"));
    writeIniString(ini, L"RecentFileManager", L"RecentFile2", other);
    RecentFileManager again;
    again.load(ini, L"RecentFileManager");
    EXPECT_EQ(entries(again), (std::vector<std::wstring>{other, only}));
}

TEST(RecentFilesInTheSettingsFile, AFirstRunOffersTheSampleLessonUntilTheListWasSaved) {
    SettingsFolder folder;
    const std::wstring ini = folder.file(L"Corvanta.ini");
    const std::wstring sample = folder.touch(L"Sample.mp3");
    writeIniInt(ini, L"Player", L"Tempo", 100);
    RecentFileManager files;
    files.load(ini, RecentFileManager::kSection, sample);
    EXPECT_EQ(entries(files), std::vector<std::wstring>{sample});

    RecentFileManager missing;
    missing.load(ini, RecentFileManager::kSection, folder.file(L"NotMade.mp3"));
    EXPECT_EQ(missing.size(), 0u);

    // The learner cleared the history: an empty saved list stays empty.
    RecentFileManager cleared;
    cleared.save(ini, RecentFileManager::kSection);
    RecentFileManager next;
    next.load(ini, RecentFileManager::kSection, sample);
    EXPECT_EQ(next.size(), 0u);
}

TEST(RecentFilesInTheSettingsFile, TheSampleLessonIsNamedFromTheRunFolder) {
    const std::wstring path = getSampleLessonPath();
    ASSERT_GT(path.size(), wcslen(kSampleLessonPath));
    EXPECT_EQ(path.substr(path.size() - wcslen(kSampleLessonPath)), kSampleLessonPath);
    EXPECT_EQ(path[1], L':') << "a full path, as the menu shows every entry";
}

TEST(RecentFilesMenu, ListsEveryPathThenClearHistory) {
    SettingsFolder folder;
    RecentFileManager files;
    const std::wstring a = folder.touch(L"a.mp3");
    const std::wstring amp = folder.touch(L"Tom & Jerry.mp3");
    files.add(a);
    files.add(amp);
    PopupMenu menu;
    buildRecentFilesMenu(menu, files);
    ASSERT_EQ(::GetMenuItemCount(menu.getHandle()), 4);
    EXPECT_EQ(::GetMenuItemID(menu.getHandle(), 0), 1u);
    EXPECT_EQ(::GetMenuItemID(menu.getHandle(), 1), 2u);
    EXPECT_EQ(menuText(menu, 0), folder.file(L"Tom && Jerry.mp3")) << "\"&\" shows as itself";
    EXPECT_EQ(menuText(menu, 1), a);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoW(menu.getHandle(), 2, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    EXPECT_EQ(::GetMenuItemID(menu.getHandle(), 3), 3u);
    EXPECT_EQ(menuText(menu, 3), L"Clear History");
}

TEST(RecentFilesMenu, ChoicesOpenClearOrDropVanishedFiles) {
    SettingsFolder folder;
    RecentFileManager files;
    const std::wstring a = folder.touch(L"a.mp3");
    const std::wstring b = folder.touch(L"b.mp3");
    files.add(a);
    files.add(b);
    EXPECT_EQ(chooseRecentFile(files, 2), a);
    EXPECT_EQ(chooseRecentFile(files, 0), L"") << "dismissed";
    EXPECT_EQ(chooseRecentFile(files, 7), L"");
    EXPECT_EQ(files.size(), 2u);
    ::DeleteFileW(b.c_str());
    EXPECT_EQ(chooseRecentFile(files, 1), L"");
    EXPECT_EQ(entries(files), std::vector<std::wstring>{a}) << "the vanished file left the list";
    EXPECT_EQ(chooseRecentFile(files, 2), L"") << "Clear History";
    EXPECT_EQ(files.size(), 0u);
    EXPECT_EQ(showRecentFilesMenu(nullptr, files), L"") << "an empty list shows no menu";
}

namespace {

class MenuOwner : public BaseWindow {
public:
    MenuOwner() {
        registerClass(L"RecentFilesMenuOwner", nullptr, 0);
        create();
        setVisible(true);
        ::SetForegroundWindow(m_hWnd);
    }
};

HWND keyTarget = nullptr;
void CALLBACK pickSecondEntry(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
        ::PostMessageW(keyTarget, WM_KEYDOWN, key, 1);
        ::PostMessageW(keyTarget, WM_KEYUP, key, 0xC0000001);
    }
}

}  // namespace

TEST(RecentFilesMenu, ShownAtTheCursorItAnswersThePickedPath) {
    SettingsFolder folder;
    RecentFileManager files;
    const std::wstring a = folder.touch(L"a.mp3");
    files.add(a);
    files.add(folder.touch(L"b.mp3"));
    MenuOwner owner;
    keyTarget = owner.m_hWnd;
    ::SetTimer(nullptr, 0, 100, pickSecondEntry);
    EXPECT_EQ(showRecentFilesMenu(owner.m_hWnd, files), a);
}
