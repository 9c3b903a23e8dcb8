#include <gtest/gtest.h>

#include <windows.h>

#include "foundation/system/ModulePath.h"
#include "foundation/system/PathUtils.h"
#include "player/settings/Settings.h"
#include "app/mainwindow/MainMenu.h"
#include "app/mainwindow/WexcombeLauncher.h"
#include "player/tests/AudioTestSupport.h"
#include "app/tests/CommandTestSupport.h"
#include "player/tests/Id3TestSupport.h"
#include "app/tests/MainWindowTestSupport.h"
#include "toolkit/window/Dialog.h"
#include "toolkit/window/PopupMenu.h"

namespace {

const std::vector<std::pair<std::string, uint32_t>> kTwoLines = {{"The first line. ", 0}, {"The second line.", 1500}};

std::vector<MenuEntry> built(const MainMenuState& state) {
    PopupMenu menu;
    buildMainMenu(menu, state);
    return readMenu(menu.getHandle());
}

// The ids in order, 0 for a separator.
std::vector<UINT> idsOf(const std::vector<MenuEntry>& entries) {
    std::vector<UINT> ids;
    for (const MenuEntry& entry : entries) ids.push_back(entry.id);
    return ids;
}

const MenuEntry* find(const std::vector<MenuEntry>& entries, UINT id) {
    for (const MenuEntry& entry : entries) {
        if (entry.id == id) return &entry;
    }
    return nullptr;
}

std::wstring recorder() { return getModuleDirectory() + L"OpenedFileRecorder.exe"; }

}  // namespace

TEST(MainMenu, ItemsStandInTheirOrderWithTheirTexts) {
    MainMenuState state;
    state.locale = 0x409;
    const std::vector<MenuEntry> entries = built(state);
    EXPECT_EQ(idsOf(entries), (std::vector<UINT>{50, 0, 1, 0, 6, 8, 9, 0, 12, 11, 0, 2, 0, 30, 0, 3}));
    const std::vector<std::wstring> texts = {L"Always on Top",
                                             L"Reload Lyrics...\tCtrl+L",
                                             L"Save &As MP3 File (with Lyrics)...",
                                             L"Save As .lrc File...",
                                             L"Save As PlayList...",
                                             L"Open Word List...\tCtrl+W",
                                             L"Open ID3 Editor...",
                                             L"Open Youtube Lyrics Downloader...",
                                             L"Send xml to Wexcombe...",
                                             L"Theme..."};
    std::vector<std::wstring> shown;
    for (const MenuEntry& entry : entries) {
        if (!entry.separator) shown.push_back(entry.text);
    }
    EXPECT_EQ(shown, texts);
}

TEST(MainMenu, TheNewsLessonItemIsOnlyForJapaneseAndTaiwaneseLocales) {
    for (LCID locale : {0x411u, 0x404u}) {
        SCOPED_TRACE(locale);
        MainMenuState state;
        state.locale = locale;
        const std::vector<MenuEntry> entries = built(state);
        ASSERT_NE(find(entries, 17), nullptr);
        EXPECT_EQ(find(entries, 17)->text, L"Open NHK News de Eigo-jutsu Downloader...");
        EXPECT_FALSE(find(entries, 17)->grayed);
    }
    for (LCID locale : {0x409u, 0x804u, 0x412u, 0x1011u}) {
        MainMenuState state;
        state.locale = locale;
        EXPECT_EQ(find(built(state), 17), nullptr) << std::hex << locale;
    }
}

TEST(MainMenu, ItemsAreEnabledByTheFileThePlayerAndTheFileTable) {
    struct Case {
        bool fileOpen, playing, rows;
        std::vector<UINT> grayed;
    };
    const Case cases[] = {
        {false, false, false, {1, 6, 8, 9, 11, 30}},
        {true, false, false, {9}},  // no play list without rows, even with a file open
        {true, true, true, {6, 8}},
        {false, false, true, {1, 6, 8, 11, 30}},
        {true, false, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fileOpen << c.playing << c.rows);
        MainMenuState state;
        state.fileOpen = c.fileOpen;
        state.playing = c.playing;
        state.fileTableHasRows = c.rows;
        state.locale = 0x411;
        std::vector<UINT> grayed;
        for (const MenuEntry& entry : built(state)) {
            if (entry.grayed && !entry.separator) grayed.push_back(entry.id);
        }
        EXPECT_EQ(grayed, c.grayed);
    }
    MainMenuState top;
    top.alwaysOnTop = true;
    EXPECT_TRUE(find(built(top), 50)->checked);
    EXPECT_FALSE(find(built(MainMenuState{}), 50)->checked);
}

TEST(WexcombeLauncher, AStoredProgramIsNotAskedForButAFolderOfThatNameIs) {
    TempDirectory dir;
    const std::wstring ini = dir.file(L"settings.ini");
    const std::wstring program = dir.file(L"Study.exe");
    id3test::writeBytes(program, "MZ");
    int asked = 0;
    const auto choose = [&] {
        ++asked;
        return program;
    };
    writeIniString(ini, L"Wexcombe", L"Path", program);
    EXPECT_EQ(locateWexcombe(ini, choose), program);
    EXPECT_EQ(asked, 0);
    writeIniString(ini, L"Wexcombe", L"Path", dir.path());
    EXPECT_EQ(locateWexcombe(ini, choose), program);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(readIniString(ini, L"Wexcombe", L"Path", L""), program);
}

class MainMenuWindow : public MainWindowTest {
protected:
    // Opens the popup through the menu button's command; the watcher answers it.
    std::vector<MenuEntry> openMenuAndChoose(UINT id) {
        std::vector<MenuEntry> seen;
        WindowWatcher watcher(L"#32768", [&](HWND menu) {
            seen = readOpenMenu(menu);
            ::GetWindowRect(menu, &menuRect);
            chooseMenuItem(menu, id);
        });
        ::SendMessageW(main->m_hWnd, WM_COMMAND, MAKEWPARAM(Corvanta::kMenuCommand, BN_CLICKED),
                       reinterpret_cast<LPARAM>(main->getMenuButton().m_hWnd));
        EXPECT_TRUE(watcher.join()) << "the popup appeared";
        return seen;
    }
    void openLesson() { ASSERT_TRUE(main->openFile(writeMp3WithSylt(dir.file(L"lesson.mp3"), kTwoLines))); }
    bool frameOnTop() { return (::GetWindowLongW(frame->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    RECT menuRect{};
};

TEST_F(MainMenuWindow, OpensUpwardFromTheCursorWithTheThreadLocalesItems) {
    const LCID kept = ::GetThreadLocale();
    RECT button{};
    ::GetWindowRect(main->getMenuButton().m_hWnd, &button);
    ::SetCursorPos(button.left + 10, button.top + 10);
    ::SetThreadLocale(0x409);
    std::vector<MenuEntry> english = openMenuAndChoose(0);
    ::SetThreadLocale(0x411);
    std::vector<MenuEntry> japanese = openMenuAndChoose(0);
    ::SetThreadLocale(kept);
    EXPECT_EQ(idsOf(english), (std::vector<UINT>{50, 0, 1, 0, 6, 8, 9, 0, 12, 11, 0, 2, 0, 30, 0, 3}));
    EXPECT_EQ(idsOf(japanese), (std::vector<UINT>{50, 0, 1, 0, 6, 8, 9, 0, 12, 11, 0, 2, 17, 0, 30, 0, 3}));
    EXPECT_EQ(menuRect.bottom, button.top + 10) << "the menu ends at the cursor";
    EXPECT_TRUE(find(japanese, 9)->grayed);
    EXPECT_TRUE(find(japanese, 1)->grayed);
}

TEST_F(MainMenuWindow, AlwaysOnTopTogglesTheFrameAndIsSavedAtClose) {
    ASSERT_FALSE(frameOnTop());
    // Some Wine set-ups (a fresh prefix whose desktop runs on this display) accept the
    // topmost request and ignore it: there is nothing for the menu to toggle.
    ::SetWindowPos(frame->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const bool honoured = frameOnTop();
    ::SetWindowPos(frame->m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!honoured) GTEST_SKIP() << "this window system ignores topmost windows";
    EXPECT_FALSE(find(openMenuAndChoose(50), 50)->checked);
    EXPECT_TRUE(frameOnTop());
    EXPECT_TRUE(find(openMenuAndChoose(50), 50)->checked);
    EXPECT_FALSE(frameOnTop());
    openMenuAndChoose(50);
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    ASSERT_EQ(main->m_hWnd, nullptr);
    EXPECT_EQ(::GetPrivateProfileIntW(L"Window", L"AlwaysOnTop", 0, dir.file(L"settings.ini").c_str()), 1u);
}

TEST_F(MainMenuWindow, ThePlayListItemNeedsRowsAndTheExportsAStoppedPlayer) {
    openLesson();
    std::vector<MenuEntry> items = openMenuAndChoose(0);
    EXPECT_TRUE(find(items, 9)->grayed);
    EXPECT_FALSE(find(items, 6)->grayed);
    main->getFileTable().addAudioFile(dir.file(L"lesson.mp3"));
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kPlayCommand, 0);
    items = openMenuAndChoose(0);
    EXPECT_FALSE(find(items, 9)->grayed);
    EXPECT_TRUE(find(items, 6)->grayed);
    EXPECT_TRUE(find(items, 8)->grayed);
    EXPECT_FALSE(find(items, 30)->grayed);
}

TEST_F(MainMenuWindow, ReloadAsksLikeCtrlL) {
    openLesson();
    LyricsTextEditor& view = main->getSentenceView();
    view.select(static_cast<int>(view.getTextLength()), static_cast<int>(view.getTextLength()));
    view.replaceSelection(L" Here is a third sentence.");
    setMessageBoxAnswer(IDYES);
    openMenuAndChoose(1);
    EXPECT_EQ(takeShownMessages().size(), 1u);
    EXPECT_EQ(main->getLyricsTable().getItemCount(), 3);
}

TEST_F(MainMenuWindow, TheMp3ExportLeavesThePlayerOnTheLessonAgain) {
    openLesson();
    main->getPlayer().close();
    {
        // The learner cancels the file dialog: nothing is exported, the lesson opens again.
        WindowWatcher watcher(L"#32770", [](HWND dialog) { ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
        main->runMainMenuItem(kSaveAsMp3Item);
        ASSERT_TRUE(watcher.join());
    }
    EXPECT_GT(main->getPlayer().getLength(), 2900);
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kPlayCommand, 0);
    EXPECT_TRUE(main->getPlayer().isPlaying());
}

TEST_F(MainMenuWindow, TheId3EditorIsModalAndAcceptedChangesMakeTheSentencesModified) {
    openLesson();
    HWND owner = nullptr;
    {
        WindowWatcher watcher(L"#32770", [&](HWND dialog) {
            owner = ::GetWindow(dialog, GW_OWNER);
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(Dialog::kCancelId, BN_CLICKED), 0);
        });
        openMenuAndChoose(kId3EditorItem);
        ASSERT_TRUE(watcher.join());
    }
    EXPECT_EQ(owner, frame->m_hWnd) << "owned by the main window's frame";
    EXPECT_FALSE(main->isModified());
    {
        WindowWatcher watcher(L"#32770", [&](HWND dialog) {
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(Dialog::kOkId, BN_CLICKED), 0);
        });
        main->runMainMenuItem(kId3EditorItem);
        ASSERT_TRUE(watcher.join());
    }
    EXPECT_TRUE(main->isModified());
}

TEST_F(MainMenuWindow, TheThemeItemOffersTheThemes) {
    std::vector<MenuEntry> themes;
    WindowWatcher watcher(L"#32768", [&](HWND menu) {
        themes = readOpenMenu(menu);
        chooseMenuItem(menu, 0);
    });
    main->runMainMenuItem(kThemeItem);
    ASSERT_TRUE(watcher.join());
    ASSERT_EQ(themes.size(), main->getThemes().size());
    EXPECT_EQ(themes[0].text, main->getThemes().getMenuText(0));
}

TEST_F(MainMenuWindow, SendingToWexcombeStartsTheStoredProgramWithTheQuotedSentenceList) {
    openLesson();
    const std::wstring ini = dir.file(L"settings.ini");
    writeIniString(ini, L"Wexcombe", L"Path", recorder());
    openMenuAndChoose(kWexcombeItem);
    const std::wstring received = main->getLyricsPath() + L".opened";
    ASSERT_TRUE(pumpUntil([&] { return fileExists(received) && !readFileBytes(received).empty(); }, 8000));
    std::string expected;
    for (wchar_t c : main->getLyricsPath()) expected += static_cast<char>(c);
    EXPECT_EQ(readFileBytes(received), expected + "\n") << "one argument: the path, its quotes taken off";
}

TEST_F(MainMenuWindow, AMissingWexcombeIsAskedForAndACancelAsksAgainNextTime) {
    openLesson();
    const std::wstring ini = dir.file(L"settings.ini");
    writeIniString(ini, L"Wexcombe", L"Path", dir.file(L"gone.exe"));
    {
        WindowWatcher watcher(L"#32770", [&](HWND dialog) { answerFileDialog(dialog, L""); });
        main->runMainMenuItem(kWexcombeItem);
        ASSERT_TRUE(watcher.join());
    }
    EXPECT_EQ(readIniString(ini, L"Wexcombe", L"Path", L"unset"), L"");
    {
        WindowWatcher watcher(L"#32770", [&](HWND dialog) { answerFileDialog(dialog, recorder()); });
        main->runMainMenuItem(kWexcombeItem);
        ASSERT_TRUE(watcher.join()) << "asked again";
    }
    EXPECT_EQ(readIniString(ini, L"Wexcombe", L"Path", L""), recorder());
    EXPECT_TRUE(pumpUntil([&] { return fileExists(main->getLyricsPath() + L".opened"); }, 8000));
}
