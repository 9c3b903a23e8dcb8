#include <gtest/gtest.h>

#include "texteditor/document/TextDocument.h"
#include "texteditor/history/HistoryManager.h"

namespace {

// A document with a history, edited the way the editor edits: record, then replace.
class Editing : public EditReplayer {
public:
    Editing() : history(*this) {}

    void edit(int start, int end, const std::wstring& text, int caret) {
        TextRange range(start, end);
        history.record(range, text, document.getTextInRange(range), caret);
        document.replace(range, text);
    }
    void replayReplace(const std::wstring& text, TextRange range) override {
        document.replace(range, text);
        ++replays;
    }

    TextDocument document;
    HistoryManager history;
    int replays = 0;
};

}  // namespace

TEST(History, NewHistoryHasOnlyTheNeutralEventAndNothingToUndo) {
    Editing e;
    EXPECT_EQ(e.history.getEventCount(), 1u);
    EXPECT_EQ(e.history.undo(), -1);
    EXPECT_EQ(e.history.redo(), -1);
    EXPECT_EQ(e.replays, 0);
    EXPECT_FALSE(e.history.isModified());
}

TEST(History, EachInsertionIsOneStepAndUndoRestoresTheCaret) {
    Editing e;
    e.edit(0, 0, L"a", 0);
    e.edit(1, 1, L"b", 1);
    EXPECT_EQ(e.history.getEventCount(), 3u);
    EXPECT_TRUE(e.history.isModified());
    EXPECT_EQ(e.history.undo(), 1);
    EXPECT_EQ(e.document.getText(), L"a");
    EXPECT_EQ(e.history.undo(), 0);
    EXPECT_EQ(e.document.getText(), L"");
    EXPECT_FALSE(e.history.isModified());
    EXPECT_EQ(e.history.redo(), 1);
    EXPECT_EQ(e.history.redo(), 2);
    EXPECT_EQ(e.document.getText(), L"ab");
}

TEST(History, ReplacementPutsTheOldTextBackAndRedoesTheNew) {
    Editing e;
    e.document.setText(L"xyz");
    e.edit(1, 3, L"Q", 3);
    const EditEvent& event = e.history.getEvent(1);
    EXPECT_EQ(event.kind, EditEvent::kReplacement);
    EXPECT_EQ(event.removedText, L"yz");
    EXPECT_EQ(e.history.undo(), 3);
    EXPECT_EQ(e.document.getText(), L"xyz");
    EXPECT_EQ(e.history.redo(), 2);  // just after the re-inserted text
    EXPECT_EQ(e.document.getText(), L"xQ");
}

TEST(History, DeletionIsAReplacementByNothing) {
    Editing e;
    e.document.setText(L"a\r\nb");
    e.edit(1, 3, L"", 3);
    EXPECT_EQ(e.history.getEvent(1).kind, EditEvent::kReplacement);
    EXPECT_EQ(e.document.getText(), L"ab");
    e.history.undo();
    EXPECT_EQ(e.document.getText(), L"a\r\nb");
    EXPECT_EQ(e.document.getLineCount(), 3u);
    e.history.redo();
    EXPECT_EQ(e.document.getText(), L"ab");
}

TEST(History, EditAfterUndoDiscardsTheRedoPart) {
    Editing e;
    e.edit(0, 0, L"a", 0);
    e.edit(1, 1, L"b", 1);
    e.history.undo();
    e.edit(1, 1, L"c", 1);
    EXPECT_EQ(e.history.getEventCount(), 3u);
    EXPECT_EQ(e.history.redo(), -1);
    EXPECT_EQ(e.document.getText(), L"ac");
}

TEST(History, SavedStateFollowsUndoAndRedoUntilAnEditDiscardsIt) {
    Editing e;
    e.edit(0, 0, L"a", 0);
    e.history.setSavedPosition(e.history.getPosition());
    EXPECT_FALSE(e.history.isModified());
    e.edit(1, 1, L"b", 1);
    EXPECT_TRUE(e.history.isModified());
    e.history.undo();
    EXPECT_FALSE(e.history.isModified());
    e.history.undo();
    EXPECT_TRUE(e.history.isModified());
    e.edit(0, 0, L"z", 0);  // the saved state lay ahead: gone
    EXPECT_EQ(e.history.getSavedPosition(), -1);
    while (e.history.undo() != -1) EXPECT_TRUE(e.history.isModified());
    while (e.history.redo() != -1) EXPECT_TRUE(e.history.isModified());
}
