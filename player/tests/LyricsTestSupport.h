// A hidden frame holding the sentence table and the sentence view kept in step by
// SentenceRows, and a check that the two still describe the same sentence groups.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "player/lyrics/LyricsTable.h"
#include "player/lyrics/LyricsTextEditor.h"
#include "player/lyrics/SentenceRows.h"
#include "player/lyrics/TimeText.h"
#include "toolkit/window/BaseWindow.h"

class LyricsTestFrame : public BaseWindow {
public:
    LyricsTestFrame() {
        registerClass(L"LyricsTestFrame", nullptr, 0);
        create();
    }
};

struct SentenceFixture {
    SentenceFixture() {
        table.createWithDefaultBounds(frame.m_hWnd);
        table.setBounds(0, 0, 600, 300);
        editor.create(frame.m_hWnd, 0, 300, 600, 200);
    }
    // Rows "S<i> " with translation "T<i>", explanation "E<i>", starting at i seconds.
    void fill(int count) {
        for (int i = 0; i < count; ++i) {
            const std::wstring n = std::to_wstring(i);
            rows.appendSentenceGroup(static_cast<uint32_t>(i) * 1000, static_cast<uint32_t>(i) * 1000 + 900,
                                     L"S" + n + L" ", L"T" + n, L"E" + n);
        }
    }
    void selectOnly(std::initializer_list<int> selected) {
        table.clearSelection();
        LVITEMW state{};
        state.state = LVIS_SELECTED;
        for (int row : selected) ::SendMessageW(table.m_hWnd, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }

    LyricsTestFrame frame;
    LyricsTable table;
    LyricsTextEditor editor;
    SentenceRows rows{table, editor};
};

// One item per row, positions never decreasing, each item's start shown in its Start
// cell and each sentence slice equal to its Sentence cell.
inline ::testing::AssertionResult rowsInStep(SentenceFixture& f) {
    const int count = f.table.getItemCount();
    if (count != f.editor.getSentenceCount()) {
        return ::testing::AssertionFailure() << count << " rows but " << f.editor.getSentenceCount() << " items";
    }
    uint32_t previous = 0;
    for (int row = 0; row < count; ++row) {
        const uint32_t position = f.editor.getSentenceData()[static_cast<size_t>(row)].position;
        if (position < previous) return ::testing::AssertionFailure() << "position falls at row " << row;
        previous = position;
        if (toTimeText(f.editor.getStartTime(row)) != f.rows.getStartText(row)) {
            return ::testing::AssertionFailure() << "start differs at row " << row;
        }
        if (f.editor.getSentenceText(row) != f.rows.getSentence(row)) {
            return ::testing::AssertionFailure() << "sentence differs at row " << row;
        }
    }
    if (previous > f.editor.getTextLength()) return ::testing::AssertionFailure() << "position past the text";
    return ::testing::AssertionSuccess();
}
