// The lesson's unsaved state: what keeps it, and the questions and dialogs that stand
// between the learner's work and its loss or an overwritten file.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/tests/CommandTestSupport.h"
#include "app/tests/MainWindowTestSupport.h"
#include "player/tests/Id3TestSupport.h"
#include "testsupport/TestFiles.h"

namespace {

const std::vector<std::pair<std::string, uint32_t>> kTwoLines = {{"One. ", 0}, {"Two. ", 800}};

class UnsavedLesson : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        lesson = writeMp3WithSylt(dir.file(L"lesson.mp3"), kTwoLines);
    }
    void openLesson() {
        ASSERT_TRUE(main->openFile(lesson));
        takeShownMessages();
    }
    // For a watcher of the save dialog: presses the button given.
    static std::function<void(HWND)> press(int button) {
        return [button](HWND dialog) { ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); };
    }

    std::wstring lesson;
};

}  // namespace

TEST_F(UnsavedLesson, UndoInTheSentenceViewKeepsAChangedTimeUnsaved) {
    openLesson();
    main->selectRow(1);
    ::SendMessageW(main->getLyricsTable().m_hWnd, WM_KEYDOWN, VK_ADD, 0);
    ASSERT_EQ(main->getRows().getStartText(1), L"00:00:81");
    // The view's first undo takes back the text the opening put there.
    ::SendMessageW(main->getSentenceView().m_hWnd, WM_UNDO, 0, 0);
    EXPECT_TRUE(main->isModified());

    setMessageBoxAnswer(IDCANCEL);
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(takeShownMessages().size(), 1u) << "closing asks about the changed time";
    EXPECT_NE(main->m_hWnd, nullptr);
}

TEST_F(UnsavedLesson, WordsChangedInTheWordListAreAskedAboutAndSaved) {
    openLesson();
    WordListDialog& dialog = main->getWordListDialog();
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kWordListCommand, 0);
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kOkId, 0);
    EXPECT_FALSE(main->isModified()) << "OK without a change changes nothing";

    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kWordListCommand, 0);
    dialog.getPane().addWord(2, L"star", L"\u661F", L"");
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kOkId, 0);
    EXPECT_TRUE(main->isModified());
    main->reallyWrite = true;
    setMessageBoxAnswer(IDYES);
    ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(takeShownMessages().size(), 1u);
    EXPECT_NE(readFileBytes(dir.file(L"lesson.xml")).find(id3test::utf16le(L"star")), std::string::npos);
}

TEST_F(UnsavedLesson, CancellingTheQuestionOfADropKeepsTheFileList) {
    openLesson();
    FileTable& files = main->getFileTable();
    ASSERT_TRUE(files.addAudioFile(lesson));
    main->setModified(true);
    setMessageBoxAnswer(IDCANCEL);
    main->onDropFiles(std::vector<std::wstring>{writePlainMp3(dir.file(L"other.mp3"))});
    EXPECT_EQ(files.getItemCount(), 1);
    EXPECT_EQ(main->getAudioPath(), lesson);

    setMessageBoxAnswer(IDNO);
    main->onDropFiles(std::vector<std::wstring>{dir.file(L"other.mp3")});
    EXPECT_EQ(takeShownMessages().size(), 2u) << "one question for each drop";
    EXPECT_EQ(main->getAudioPath(), dir.file(L"other.mp3"));
}

TEST_F(UnsavedLesson, ASentenceListThatCouldNotBeReadIsOverwrittenOnlyWhenChosenAgain) {
    const std::string unread = "<SentenceList><SentenceGroup></Other>";
    id3test::writeBytes(dir.file(L"lesson.xml"), unread);
    openLesson();
    main->reallyWrite = true;
    main->setModified(true);
    {
        WindowWatcher dialog(L"#32770", press(IDCANCEL));
        main->saveLyrics();
        ASSERT_TRUE(dialog.join()) << "the save dialog asks where to write";
    }
    EXPECT_EQ(readFileBytes(dir.file(L"lesson.xml")), unread);
    EXPECT_TRUE(main->isModified());
    EXPECT_TRUE(takeShownMessages().empty()) << "no overwrite question names the unread file";

    setMessageBoxAnswer(IDYES);
    {
        WindowWatcher dialog(L"#32770", press(IDCANCEL));
        ::SendMessageW(frame->m_hWnd, WM_CLOSE, 0, 0);
        ASSERT_TRUE(dialog.join());
    }
    EXPECT_NE(main->m_hWnd, nullptr) << "a cancelled save dialog keeps the program open";
    EXPECT_EQ(readFileBytes(dir.file(L"lesson.xml")), unread);
}
