#include <gtest/gtest.h>

#include <windows.h>

#include "foundation/system/PathUtils.h"
#include "app/AcceleratorManager.h"
#include "player/tests/AudioTestSupport.h"
#include "app/tests/CommandTestSupport.h"
#include "player/tests/Id3TestSupport.h"
#include "app/tests/MainWindowTestSupport.h"

namespace {

const std::vector<std::pair<std::string, uint32_t>> kFourLines = {
    {"Line one is here. ", 0}, {"Line two is here. ", 800}, {"Line three is here. ", 1600}, {"Line four is here.", 2400}};

}  // namespace

// The main window with the program's accelerator table, keys pressed with the focus
// moving round its controls.
class MainWindowKeys : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        registerPlayerAccelerators(accelerators);
        focusTargets = {main->getSentenceView().m_hWnd, main->getTranslationField().m_hWnd,
                        main->getLyricsTable().m_hWnd, main->getTempoField().m_hWnd, main->getMenuButton().m_hWnd,
                        main->m_hWnd};
    }

    // The key reaches the loop from the next control in turn.
    void press(WORD key, bool shift = false) {
        const HWND focus = focusTargets[next++ % focusTargets.size()];
        ::SetFocus(focus);
        pressAccelerator(main->m_hWnd, accelerators.getHandle(), focus, key, shift);
    }

    void openLesson() { ASSERT_TRUE(main->openFile(writeMp3WithSylt(dir.file(L"lesson.mp3"), kFourLines))); }
    void setSliderTime(uint32_t ms) { main->getTimeSlider().setValue(static_cast<int>(ms / 10)); }
    std::wstring start(int row) { return main->getRows().getStartText(row); }
    std::wstring end(int row) { return main->getRows().getEndText(row); }

    AcceleratorManager accelerators;
    std::vector<HWND> focusTargets;
    size_t next = 0;
};

TEST_F(MainWindowKeys, EveryAcceleratorReachesItsCommandWhereverTheFocusIs) {
    openLesson();
    const std::vector<ACCEL>& table = accelerators.getAccelerators();
    for (size_t target = 0; target < focusTargets.size(); ++target) {
        for (const ACCEL& accel : table) {
            // Opening a file and clicking at the cursor are driven by their own tests.
            if (accel.cmd == Corvanta::kOpenCommand || accel.cmd == Corvanta::kClickCommand) continue;
            SCOPED_TRACE(testing::Message() << "command " << accel.cmd << ", focus " << target);
            // Tests of other programs on the same Wine server may change the shared key
            // state under a press: a key that missed its command is pressed once more.
            ::SendMessageW(main->m_hWnd, WM_COMMAND, 0, 0);
            for (int attempt = 0; attempt < 3 && main->getLastCommand() != accel.cmd; ++attempt) {
                ::SetFocus(focusTargets[target]);
                pressAccelerator(main->m_hWnd, accelerators.getHandle(), focusTargets[target], accel.key,
                                 (accel.fVirt & FSHIFT) != 0);
            }
            EXPECT_EQ(main->getLastCommand(), accel.cmd);
        }
    }
}

TEST_F(MainWindowKeys, FileCommandsDoNothingWithoutAFileButCtrlSpaceClicks) {
    main->getTimeSlider().setRange(0, 1000);
    setSliderTime(1000);
    press('P');
    EXPECT_EQ(main->getLastCommand(), Corvanta::kPlayCommand);
    EXPECT_EQ(main->getPlayButton().getText(), L"Play");
    EXPECT_TRUE(main->isStopped());
    press(VK_RIGHT);
    EXPECT_EQ(main->getTimeSlider().getValue(), 100);

    // A button under the mouse gets the click; the focus goes back where it was.
    HWND button = ::CreateWindowExW(0, L"BUTTON", L"Target", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 300, 200, 120, 40,
                                    main->m_hWnd, reinterpret_cast<HMENU>(9001), nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    ::SetWindowPos(button, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(frame->m_hWnd);
    POINT centre{360, 220};
    ::ClientToScreen(main->m_hWnd, &centre);
    ::SetCursorPos(centre.x, centre.y);
    pumpMessages();
    const HWND focused = main->getTranslationField().m_hWnd;
    ::SetFocus(focused);
    pressAccelerator(main->m_hWnd, accelerators.getHandle(), focused, VK_SPACE);
    EXPECT_TRUE(pumpUntil([&] { return main->getLastCommand() == 9001; }, 2000)) << "the click reached the button";
    ::DestroyWindow(button);
}

TEST_F(MainWindowKeys, CtrlPPlaysAndPausesAndCtrlShiftPPlaysTheSelectedSentence) {
    openLesson();
    press('P');
    EXPECT_EQ(main->getPlayButton().getText(), L"Pause");
    EXPECT_TRUE(main->getPlayer().isPlaying());
    pumpFor(200);
    press('P');
    EXPECT_EQ(main->getPlayButton().getText(), L"Play");
    EXPECT_TRUE(main->getPlayer().isPaused());

    main->stopPlayback();
    main->selectRow(2);
    press('P', true);
    EXPECT_EQ(main->getPlayingStart(), 1600u);
    EXPECT_EQ(main->getPlayingEnd(), 2400u);
    EXPECT_TRUE(main->getPlayer().isPlaying());
    EXPECT_FALSE(main->getPlayButton().isEnabled());
}

TEST_F(MainWindowKeys, CtrlUpAndDownMoveTheSelectionAndWrap) {
    openLesson();
    ASSERT_EQ(main->getRows().getSelectedRow(), 0);
    press(VK_DOWN);
    EXPECT_EQ(main->getRows().getSelectedRow(), 1);
    EXPECT_EQ(shownSentence(*main), 1);
    press(VK_UP);
    press(VK_UP);
    EXPECT_EQ(main->getRows().getSelectedRow(), 3);
    press(VK_DOWN);
    EXPECT_EQ(main->getRows().getSelectedRow(), 0);
}

TEST_F(MainWindowKeys, CtrlRightJumpsFiveSecondsAhead) {
    ASSERT_TRUE(main->openFile(L"Lessons\\Sample\\Sample.mp3")) << "made by ctest (app_sample_lesson)";
    ASSERT_GT(main->getTimeSlider().getMaximum(), 1500);
    // The first sentence's start, where opening put the slider.
    const int first = main->getTimeSlider().getValue();
    press(VK_RIGHT);
    EXPECT_EQ(main->getTimeSlider().getValue(), first + 500);
    EXPECT_EQ(main->getPositionLabel().getText().substr(0, 5), first < 500 ? L"00:05" : L"00:06");

    // A playing player follows the slider.
    press('P');
    press(VK_RIGHT);
    const unsigned at = main->getPlayer().getPosition();
    EXPECT_GE(at, static_cast<unsigned>(first + 1000) * 10);
    EXPECT_LT(at, static_cast<unsigned>(first + 1000) * 10 + 600);
}

TEST_F(MainWindowKeys, CtrlTERSetTheSelectedSentencesTimes) {
    openLesson();
    main->selectRow(1);
    setSliderTime(1230);
    press('T');
    EXPECT_EQ(start(1), L"00:01:23");
    EXPECT_EQ(main->getSentenceView().getStartTime(1), 1230u);
    EXPECT_TRUE(main->isModified());
    setSliderTime(1500);
    main->setModified(false);
    press('E');
    EXPECT_EQ(end(1), L"00:01:50");
    EXPECT_TRUE(main->isModified()) << "a changed time is asked about before it is lost";
    main->setModified(false);
    press('R');
    EXPECT_TRUE(main->isModified());
    EXPECT_EQ(start(1), L"00:00:00");
    EXPECT_EQ(end(1), L"");
    EXPECT_EQ(main->getSentenceView().getStartTime(1), 0u);
}

TEST_F(MainWindowKeys, ShiftFormsMoveToTheNextSentenceFirstAndKeepTheTimeOfTheKeyPress) {
    openLesson();
    main->selectRow(1);
    // Selecting row 2 moves the slider to its start (1600): the time is the one before.
    setSliderTime(1700);
    press('T', true);
    EXPECT_EQ(main->getRows().getSelectedRow(), 2);
    EXPECT_EQ(start(2), L"00:01:70");
    EXPECT_EQ(start(1), L"00:00:80");
    setSliderTime(2950);
    main->setModified(false);
    press('E', true);
    EXPECT_TRUE(main->isModified());
    EXPECT_EQ(main->getRows().getSelectedRow(), 3);
    EXPECT_EQ(end(3), L"00:02:95");
    EXPECT_EQ(end(2), L"");
    // On the last row the next is the first.
    setSliderTime(300);
    press('T', true);
    EXPECT_EQ(main->getRows().getSelectedRow(), 0);
    EXPECT_EQ(start(0), L"00:00:30");
    press('R', true);
    EXPECT_EQ(main->getRows().getSelectedRow(), 1);
    EXPECT_EQ(start(1), L"00:00:00");
    EXPECT_EQ(start(0), L"00:00:30");
}

TEST_F(MainWindowKeys, CtrlLRebuildsTheRowsFromTheEditedTextWhenConfirmed) {
    openLesson();
    LyricsTextEditor& view = main->getSentenceView();
    view.select(static_cast<int>(view.getPosition(2)), static_cast<int>(view.getPosition(2)));
    view.replaceSelection(L"An extra sentence is here. ");
    setMessageBoxAnswer(IDNO);
    press('L');
    EXPECT_EQ(main->getLyricsTable().getItemCount(), 4);
    EXPECT_EQ(takeShownMessages().size(), 1u);
    setMessageBoxAnswer(IDYES);
    press('L');
    ASSERT_EQ(main->getLyricsTable().getItemCount(), 5);
    EXPECT_EQ(main->getRows().getSentence(2), L"An extra sentence is here. ");
    EXPECT_EQ(start(1), L"00:00:80") << "existing rows keep their times";
    EXPECT_EQ(main->getRows().getSentence(4), L"Line four is here.");
}

TEST_F(MainWindowKeys, CtrlJStoresTheTranslationAndExplanationFields) {
    openLesson();
    main->selectRow(2);
    main->setModified(false);
    main->getTranslationField().insertText(L"drei");
    main->getExplanationPane().insertText(L"a number");
    press('J');
    EXPECT_EQ(main->getRows().getTranslation(2), L"drei");
    EXPECT_EQ(main->getRows().getExplanation(2), L"a number");
    EXPECT_EQ(main->getRows().getTranslation(1), L"");
    EXPECT_TRUE(main->isModified());
}

TEST_F(MainWindowKeys, CtrlSAsksThenWritesTheSentenceList) {
    openLesson();
    main->reallyWrite = true;
    main->selectRow(0);
    main->getTranslationField().insertText(L"eins");
    press('J');
    setMessageBoxAnswer(IDNO);
    press('S');
    EXPECT_EQ(takeShownMessages().size(), 1u);
    EXPECT_FALSE(fileExists(dir.file(L"lesson.xml")));
    EXPECT_TRUE(main->isModified());

    setMessageBoxAnswer(IDYES);
    press('S');
    EXPECT_FALSE(main->isModified());
    const std::string written = readFileBytes(dir.file(L"lesson.xml"));
    EXPECT_NE(written.find(id3test::utf16le(L"eins")), std::string::npos);
    EXPECT_NE(written.find(id3test::utf16le(L"Line three is here. ")), std::string::npos);
}

TEST_F(MainWindowKeys, CtrlOOpensTheFileOrPlayListChosenInTheDialog) {
    openLesson();
    const std::wstring other = writeMp3WithUslt(dir.file(L"other.mp3"), "Other text. More.");
    {
        WindowWatcher watcher(L"#32770", [&](HWND dialog) { answerFileDialog(dialog, L""); });
        press('O');
        ASSERT_TRUE(watcher.join()) << "the open dialog appeared";
    }
    EXPECT_EQ(main->getAudioPath(), dir.file(L"lesson.mp3"));
    {
        WindowWatcher watcher(L"#32770", [&](HWND dialog) { answerFileDialog(dialog, other); });
        press('O');
        ASSERT_TRUE(watcher.join());
    }
    EXPECT_EQ(main->getAudioPath(), other);
    EXPECT_EQ(main->getLyricsTable().getItemCount(), 2);

    const std::wstring list = dir.file(L"lessons.m3u");
    id3test::writeBytes(list, "#EXTM3U\r\nlesson.mp3\r\nother.mp3\r\n");
    main->getFileTable().addAudioFile(dir.file(L"old.mp3"));
    {
        WindowWatcher watcher(L"#32770", [&](HWND dialog) { answerFileDialog(dialog, list); });
        press('O');
        ASSERT_TRUE(watcher.join());
    }
    EXPECT_EQ(main->getAudioPath(), other) << "a play list opens no file";
    ASSERT_EQ(main->getFileTable().getItemCount(), 2);
    EXPECT_EQ(main->getFileTable().getItemTextW(0, FileTable::kPathColumn), dir.file(L"lesson.mp3"));
    EXPECT_EQ(main->getChannelPane().getSelectedIndex(), 1);
}
