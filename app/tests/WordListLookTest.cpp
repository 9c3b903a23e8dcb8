// For looking at the word list beside the player by eye: run with
// --gtest_also_run_disabled_tests from the run folder after tools/make-sample-lesson.sh,
// and take a screenshot while it waits (LOOK_SHOW_MS).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/TestApp.h"
#include "testsupport/TestWindows.h"
#include "words/tests/PdicWriter.h"
#include "words/tests/WordListTestSupport.h"

TEST(WordListLook, DISABLED_BesideThePlayerWithALookedUpWord) {
    // A small dictionary where the pane looks for them, removed afterwards.
    ::CreateDirectoryW(L"Dictionaries\\PDIC", nullptr);
    const std::wstring dictionary = L"Dictionaries\\PDIC\\look.dic";
    PdicWriterOptions options;
    options.bocu1 = true;
    ASSERT_TRUE(writePdicFile(dictionary,
                              {{L"weather", L"天気、天候", L"What's the weather like?", L"w\u00E9\u00F0\u0259r", 1, ""},
                               {L"weathercock", L"風見鶏", L"", L"", 4, ""},
                               {L"weatherman", L"天気予報官", L"", L"", 3, ""},
                               {L"wet", L"濡れた", L"", L"", 1, ""}},
                              options));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);
    TempDirectory dir;
    TestApp app;
    app.setIniPath(dir.file(L"look.ini"));
    ASSERT_TRUE(app.create());
    ::SetWindowPos(app.m_hWnd, nullptr, 10, 40, 600, 640, SWP_NOZORDER | SWP_SHOWWINDOW);
    pumpMessages();
    Corvanta& main = app.getMainWindow();
    ASSERT_TRUE(main.openFile(L"Lessons\\Sample\\Sample.mp3"));
    ::SendMessageW(main.m_hWnd, WM_COMMAND, Corvanta::kWordListCommand, 0);
    WordListDialog& dialog = main.getWordListDialog();
    ASSERT_NE(nullptr, dialog.m_hWnd);
    ::SetWindowPos(dialog.m_hWnd, nullptr, 620, 40, 640, 400, SWP_NOZORDER);
    WordListPane& pane = dialog.getPane();
    pane.addWord(1, L"forecast", L"予報", L"weather forecast: 天気予報");
    pane.addWord(0, L"umbrella", L"傘", L"");
    typeInto(pane.getKeyField(), L"weather");
    pumpUntil([&pane] { return pane.getResultTable().getItemCount() > 0; }, 3000);
    pane.getResultTable().select(0);
    holdForLooking("LOOK_SHOW_MS", 3000);
    EXPECT_EQ(3, pane.getResultTable().getItemCount());
    app.destroy();
    ::DeleteFileW(dictionary.c_str());
    ::RemoveDirectoryW(L"Dictionaries\\PDIC");
}
