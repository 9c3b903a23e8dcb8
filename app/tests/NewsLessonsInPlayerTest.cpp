#include <gtest/gtest.h>

#include <windows.h>

#include "downloaders/news/NHK_NewsEnglishDialog.h"
#include "downloaders/news/NHK_NewsSnsEnglishDialog.h"
#include "downloaders/tests/NewsLessonPages.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "player/settings/Settings.h"
#include "app/tests/MainWindowTestSupport.h"

namespace {

bool contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// Runs a news dialog modeless to the end of one download of the page server's day.
void download(NewsDownloadDialog& dialog, const Date& day) {
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    dialog.getCalendar().setDate(day);
    HWND button = dialog.getDownloadButton().m_hWnd;
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    ASSERT_TRUE(pumpUntil([&] { return ::IsWindowEnabled(button) != FALSE; }, 15000));
    ::DestroyWindow(dialog.m_hWnd);
}

BOOL CALLBACK findShownDialog(HWND window, LPARAM found) {
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// What the timer saw of the dialog a command opened.
std::wstring shownDate;

void CALLBACK readAndCloseDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), findShownDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    ::KillTimer(nullptr, timer);
    wchar_t text[64] = {};
    HWND picker = ::FindWindowExW(dialog, nullptr, L"SysDateTimePick32", nullptr);
    if (picker) ::GetWindowTextW(picker, text, 64);
    shownDate = text;
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
}

// Sends a main-window command that opens a modal dialog; a timer of the dialog's loop
// closes it and the text of its date picker is answered.
std::wstring runDialogCommand(HWND mainWindow, int command) {
    shownDate = L"<no dialog>";
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, readAndCloseDialog);
    ::SendMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    ::KillTimer(nullptr, timer);
    return shownDate;
}

}  // namespace

TEST_F(MainWindowTest, DownloadedNewsLessonsOpenWithTheirSentences) {
    LocalHttpServer server;
    for (const wchar_t* key : {L"EnglishNewsSite", L"EnglishLearningSite", L"SnsEnglishSite", L"SnsEnglishLearningSite"}) {
        writeIniString(L"NHK", key, server.wideUrl(""));
    }
    serveEnglishNewsLesson(server);
    serveSnsEnglishLesson(server);

    // The English lesson, its recording renamed after the list: opening the recording
    // finds the list beside it.
    const std::wstring recorded = writePlainMp3(dir.file(
        L"\u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u4F1A\u8A71\uFF08\u8AAD\u307F\u76F4\u3057\u97F3\u58F0\uFF09_2010_04_01.mp3"));
    std::wstring savedList;
    {
        NHK_NewsEnglishDialog dialog;
        dialog.getWorker().setPauseMilliseconds(0);
        dialog.getWorker().setPathChooser([&](HWND, const std::wstring& proposed) { return savedList = dir.file(proposed); });
        dialog.getKeyWordsCheckBox().setSelected(true);
        dialog.getRenameCheckBox().setSelected(true);
        Date day;
        day.set(2010, 4, 1);
        download(dialog, day);
    }
    ASSERT_FALSE(savedList.empty());
    const std::wstring lesson = savedList.substr(0, savedList.size() - 4) + L".mp3";
    ASSERT_TRUE(main->openFile(lesson));
    EXPECT_EQ(savedList, main->getLyricsPath());
    EXPECT_EQ(5, main->getLyricsTable().getItemCount());
    const std::wstring shown = main->getSentenceView().getTextCopy();
    EXPECT_TRUE(contains(shown, L"Spring has come to Tokyo.")) << toString(shown);
    EXPECT_TRUE(contains(shown, L"2. It bloomed."));

    // The SNS English lesson, saved beside a recording of the learner's own.
    {
        NHK_NewsSnsEnglishDialog dialog;
        dialog.getWorker().setPauseMilliseconds(0);
        dialog.getWorker().setPathChooser([&](HWND, const std::wstring&) { return dir.file(L"sns.xml"); });
        dialog.getKeyWordsCheckBox().setSelected(true);
        Date day;
        day.set(2021, 8, 2);
        download(dialog, day);
    }
    ASSERT_TRUE(main->openFile(writePlainMp3(dir.file(L"sns.mp3"))));
    EXPECT_EQ(4, main->getLyricsTable().getItemCount());
    EXPECT_TRUE(contains(main->getSentenceView().getTextCopy(), L"The Games opened on Friday."));
    EXPECT_TRUE(contains(main->getSentenceView().getTextCopy(), L"1. The event kicks off today."));
    EXPECT_FALSE(fileExists(recorded));
}

TEST_F(MainWindowTest, NewsCommandsKeepTheirOptionsInTheSettings) {
    // Command 15: the options and the date from section NHK, written back on close.
    writeIniString(L"NHK", L"DownloadWithKeyWords", L"7");
    writeIniString(L"NHK", L"RenameMP3", L"1");
    writeIniString(L"NHK", L"Calendar", L"2012/05/14");
    EXPECT_EQ(L"2012/05/14", runDialogCommand(main->m_hWnd, Corvanta::kNewsEnglishCommand));
    EXPECT_EQ(L"1", readIniString(L"NHK", L"DownloadWithKeyWords", L""));
    EXPECT_EQ(L"1", readIniString(L"NHK", L"RenameMP3", L""));
    EXPECT_EQ(L"2012/05/14", readIniString(L"NHK", L"Calendar", L""));
    // Without a stored date the dialog opens on the first broadcast day and stores it.
    ::WritePrivateProfileStringW(L"NHK", L"Calendar", nullptr, getIniFilePath().c_str());
    writeIniString(L"NHK", L"RenameMP3", L"0");
    EXPECT_EQ(L"2009/04/01", runDialogCommand(main->m_hWnd, Corvanta::kNewsEnglishCommand));
    EXPECT_EQ(L"2009/04/01", readIniString(L"NHK", L"Calendar", L""));
    EXPECT_EQ(L"0", readIniString(L"NHK", L"RenameMP3", L""));

    // Command 16: only the keywords option; no date is read or written.
    writeIniString(L"NHK", L"DownloadWithKeyWords", L"0");
    writeIniString(L"NHK", L"Calendar", L"2012/05/14");
    EXPECT_NE(L"<no dialog>", runDialogCommand(main->m_hWnd, Corvanta::kNewsSnsEnglishCommand));
    EXPECT_EQ(L"0", readIniString(L"NHK", L"DownloadWithKeyWords", L""));
    EXPECT_EQ(L"2012/05/14", readIniString(L"NHK", L"Calendar", L""));
    writeIniString(L"NHK", L"DownloadWithKeyWords", L"3");
    runDialogCommand(main->m_hWnd, Corvanta::kNewsSnsEnglishCommand);
    EXPECT_EQ(L"1", readIniString(L"NHK", L"DownloadWithKeyWords", L""));
}
