#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/TestApp.h"
#include "testsupport/TestWindows.h"

// For looking at the main window playing the sample lesson by eye: run with
// --gtest_also_run_disabled_tests from the run folder after tools/make-sample-lesson.sh,
// and take a screenshot while it waits (LOOK_SHOW_MS).
TEST(MainWindowLook, DISABLED_PlayingTheSampleLesson) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);
    TempDirectory dir;
    TestApp app;
    app.setIniPath(dir.file(L"look.ini"));
    ASSERT_TRUE(app.create());
    ::SetWindowPos(app.m_hWnd, nullptr, 40, 30, 1040, 720, SWP_NOZORDER | SWP_SHOWWINDOW);
    pumpMessages();
    Corvanta& main = app.getMainWindow();
    ASSERT_TRUE(main.openFile(L"Lessons\\Sample\\Sample.mp3"));
    // The sentence table pinned open beside the view, the explanation pane shown.
    ChannelPane& pane = main.getChannelPane();
    pane.select(0, true);
    pane.setExpanded(true);
    pane.relayoutParent();
    ::SendMessageW(main.m_hWnd, WM_COMMAND, Corvanta::kExplanationCommand, 0);
    ::SendMessageW(main.getToolBar().m_hWnd, TB_CHECKBUTTON, Corvanta::kExplanationCommand, TRUE);
    main.getTimeSlider().setValue(1230);
    ::SendMessageW(main.m_hWnd, WM_COMMAND, Corvanta::kPlayCommand, 0);
    holdForLooking("LOOK_SHOW_MS", 3000);
    EXPECT_EQ(main.getPlayButton().getText(), L"Pause");
}
