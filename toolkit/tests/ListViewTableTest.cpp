// The list-view table over the system's list-view control.
#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/Table.h"

class ListViewTable : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&init);
        ASSERT_TRUE(frame.create());
        ASSERT_TRUE(table.create(frame.m_hWnd, false));
        table.setBounds(0, 0, 300, 200);
        table.addColumn(L"Time", 60);
        table.addColumn(L"Sentence", 200);
    }

    RecordingFrame frame;
    Table table;
};

TEST(ListViewTableColors, TextBackIsTheBackColourMadeLighter) {
    EXPECT_EQ(lighterTextBackColor(0xFFFFFF), 0xFFFFFFu);
    EXPECT_EQ(lighterTextBackColor(0), 0x181818u);
    EXPECT_EQ(lighterTextBackColor(RGB(0x30, 0x20, 0x10)), static_cast<COLORREF>(RGB(0x48, 0x38, 0x28)));
    EXPECT_EQ(lighterTextBackColor(RGB(0xF0, 0xF0, 0xF0)), 0xFFFFFFu);
}

TEST_F(ListViewTable, CreatesAReportListWithItsExtendedStyle) {
    wchar_t className[64] = {};
    ::GetClassNameW(table.m_hWnd, className, 64);
    EXPECT_STREQ(className, WC_LISTVIEWW);
    EXPECT_EQ(table.getText(), L"This is a Table.");
    EXPECT_EQ(table.getStyle() & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(table.getExtendedStyle() & 0x861u, 0x861u);
    EXPECT_EQ(table.getColumnCount(), 2);
    EXPECT_NE(table.getSavedWindowProc(), nullptr);
}

TEST_F(ListViewTable, RowsAndCellsThroughTheControl) {
    EXPECT_EQ(table.insertItem(L"first", -1), 0);
    table.addItem(L"second", -1);
    table.insertRow(L"00:01:00", -1, 0);
    table.insertRow(L"cell", 1, 1);
    EXPECT_EQ(table.getItemCount(), 3);
    EXPECT_EQ(table.getItemText(0, 0), L"first");
    EXPECT_EQ(table.getItemText(1, 1), L"cell");
    EXPECT_EQ(table.getItemText(2, 0), L"00:01:00");

    // Row -1 with a sub-item names the row after the last: nothing changes.
    table.insertRow(L"lost", -1, 1);
    EXPECT_EQ(table.getItemCount(), 3);

    table.removeItem(0);
    EXPECT_EQ(table.getItemText(0, 0), L"second");
    table.deleteAllItems();
    EXPECT_EQ(table.getItemCount(), 0);
}

TEST_F(ListViewTable, LongCellsAreCutTo2047Characters) {
    table.insertItem(std::wstring(3000, L'x'), 0);
    EXPECT_EQ(table.getItemText(0, 0).size(), 2047u);
}

TEST_F(ListViewTable, SelectionReadAndCleared) {
    for (int i = 0; i < 5; ++i) table.insertItem(L"row", i);
    EXPECT_EQ(table.getSelectedIndex(), -1);
    table.select(3);
    table.select(1);
    EXPECT_EQ(table.getSelectedIndex(), 1);
    EXPECT_EQ(table.getSelectedIndices(), (std::vector<int>{1, 3}));
    table.clearSelection();
    EXPECT_TRUE(table.getSelectedIndices().empty());
    table.selectAll();
    EXPECT_EQ(table.getSelectedIndices().size(), 5u);
}

TEST_F(ListViewTable, CheckBoxesAndRowsWithoutThem) {
    table.insertItem(L"row", 0);
    // Without check boxes the state image is 0, which reads as checked.
    EXPECT_TRUE(table.isChecked(0));
    table.setExtendedStyle(table.getExtendedStyle() | LVS_EX_CHECKBOXES);
    table.insertItem(L"checked later", 1);
    EXPECT_FALSE(table.isChecked(1));
    table.setChecked(1, true);
    EXPECT_TRUE(table.isChecked(1));
    table.setChecked(1, false);
    EXPECT_FALSE(table.isChecked(1));
}

TEST_F(ListViewTable, ColoursReachTheControl) {
    table.setBackColor(0);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETBKCOLOR, 0, 0), 0);
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(table.m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0)), 0x181818u);
    EXPECT_EQ(table.getBackColor(), 0u);
    table.setTextColor(0x123456);
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(table.m_hWnd, LVM_GETTEXTCOLOR, 0, 0)), 0x123456u);
}

TEST_F(ListViewTable, BusyFlagIsClearedByCreate) {
    table.setUpdating(true);
    EXPECT_TRUE(table.isUpdating());
    ASSERT_TRUE(table.create(frame.m_hWnd, true));
    EXPECT_FALSE(table.isUpdating());
    EXPECT_TRUE(table.getStyle() & LVS_OWNERDATA);
}

TEST_F(ListViewTable, EmptyTableSelectsNothing) {
    table.selectAll();
    EXPECT_TRUE(table.getSelectedIndices().empty());
    EXPECT_FALSE(table.ensureVisible(0));
}
