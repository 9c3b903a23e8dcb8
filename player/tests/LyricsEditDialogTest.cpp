#include <gtest/gtest.h>

#include <string>

#include "player/lyrics/LyricsEditDialog.h"
#include "player/lyrics/SentenceGroup.h"
#include "player/tests/LyricsTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

std::wstring windowText(HWND window) {
    wchar_t text[128] = {};
    ::GetWindowTextW(window, text, 128);
    return text;
}

class LyricsEditDialogTest : public ::testing::Test {
protected:
    void open(bool editMode) {
        dialog.setEditMode(editMode);
        ASSERT_TRUE(showModelessDialog(nullptr, dialog));
        pumpMessages();
    }
    void TearDown() override {
        if (dialog.m_hWnd) dialog.close(Dialog::kCancelId);
        pumpMessages();
    }
    void press(int id) {
        ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        pumpMessages();
    }

    LyricsEditDialog dialog;
};

TEST_F(LyricsEditDialogTest, EditModeShowsTheSentenceAndOkTakesTheEditedText) {
    dialog.getElement().setAttribute(L"Sentence", L"It's a pen.\r\n");
    dialog.getElement().setAttribute(L"Translation", L"\u30DA\u30F3\u3067\u3059");
    open(true);
    EXPECT_EQ(windowText(dialog.m_hWnd), L"Sentence Editor");
    EXPECT_EQ(dialog.getSentenceEditor().getTextCopy(), L"It's a pen.\r\n") << "line ends stay part of the sentence";
    EXPECT_TRUE(dialog.getOkButton().m_hWnd && dialog.getCancelButton().m_hWnd);
    EXPECT_FALSE(dialog.getApplyButton().m_hWnd);
    dialog.getSentenceEditor().setCaretPosition(7);
    dialog.getSentenceEditor().replaceSelection(L"red ");
    press(Dialog::kOkId);
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "OK closes the dialog";
    EXPECT_EQ(dialog.getSentence(), L"It's a red pen.\r\n");
    EXPECT_EQ(dialog.getElement().getAttribute(L"Sentence"), L"It's a red pen.\r\n");
    EXPECT_EQ(dialog.getElement().getAttribute(L"Translation"), L"\u30DA\u30F3\u3067\u3059");
}

TEST_F(LyricsEditDialogTest, LabelAboveAndTheEditorFillsTheRestOfTheDialog) {
    open(true);
    HWND label = ::FindWindowExW(dialog.m_hWnd, nullptr, L"STATIC", nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(windowText(label), L"Input Sentence:");
    EXPECT_EQ(dialog.getWidth(), 500);
    EXPECT_EQ(dialog.getHeight(), 360);
    for (const SIZE size : {SIZE{500, 360}, SIZE{640, 480}, SIZE{300, 200}}) {
        dialog.setSize(size.cx, size.cy);
        pumpMessages();
        RECT client{};
        ::GetClientRect(dialog.m_hWnd, &client);
        TextEditor& editor = dialog.getSentenceEditor();
        EXPECT_EQ(editor.getX(), 0);
        EXPECT_EQ(editor.getY(), 36);
        EXPECT_EQ(editor.getWidth(), client.right) << size.cx;
        EXPECT_EQ(editor.getHeight(), client.bottom - 74) << size.cy;
        EXPECT_GE(dialog.getOkButton().getY(), editor.getY() + editor.getHeight() - 8)
            << "the buttons stay below the editor";
    }
}

class SentenceInsertionTest : public ::testing::Test, public SentenceFixture {};

TEST_F(SentenceInsertionTest, NoRowAppendsToTheViewText) {
    fill(3);
    editor.insertSentence(-1, 4000, L"Last. ");
    EXPECT_EQ(editor.getDocumentText(), L"S0 S1 S2 Last. ");
    ASSERT_EQ(editor.getSentenceCount(), 4);
    EXPECT_EQ(editor.getPosition(3), 9u);
    EXPECT_EQ(editor.getStartTime(3), 4000u);
    EXPECT_EQ(editor.getPosition(0), 0u) << "the first sentence stays where it was";
}

TEST_F(SentenceInsertionTest, NewRowGoesBeforeTheRowInTableAndView) {
    fill(5);
    EXPECT_EQ(rows.insertSentenceRow(3, L"New. "), 3);
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(editor.getDocumentText(), L"S0 S1 S2 New. S3 S4 ");
    EXPECT_EQ(rows.getStartText(3), L"00:00:00");
    EXPECT_EQ(rows.getEndText(3), L"");
    EXPECT_EQ(rows.getTranslation(3), L"");
    EXPECT_EQ(rows.getSentence(4), L"S3 ");
    EXPECT_EQ(rows.getTranslation(4), L"T3");
    EXPECT_EQ(rows.getStartText(4), L"00:03:00");
    EXPECT_EQ(rows.getEndText(5), L"00:04:90");
}

TEST_F(SentenceInsertionTest, NoRowOrARowPastTheEndAddsTheLastRow) {
    for (int row : {-1, 2, 9}) {
        SCOPED_TRACE(row);
        fill(2);
        EXPECT_EQ(rows.insertSentenceRow(row, L"End."), 2);
        EXPECT_TRUE(rowsInStep(*this));
        EXPECT_EQ(editor.getDocumentText(), L"S0 S1 End.");
        EXPECT_EQ(rows.getSentence(0), L"S0 ");
        rows.setSentenceGroups({});
    }
    EXPECT_EQ(rows.insertSentenceRow(-1, L"Only."), 0) << "into an empty table";
    EXPECT_TRUE(rowsInStep(*this));
}

}  // namespace
