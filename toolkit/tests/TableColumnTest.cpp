// The column model of the own-drawn table, without any window.
#include <gtest/gtest.h>

#include "toolkit/widgets/CharWidthCache.h"
#include "toolkit/widgets/TableColumn.h"
#include "toolkit/widgets/TableColumnModel.h"

namespace {

TableColumn columnWithRows(int rows, int width = 100) {
    TableColumn column(L"Name", Rect(0, 0, width, 200));
    for (int row = 0; row < rows; ++row) column.insertItem(row, TableItem{L"row " + std::to_wstring(row)});
    return column;
}

std::vector<int> selectedRows(const TableColumn& column) {
    std::vector<int> rows;
    for (int row = 0; row < column.getItemCount(); ++row) {
        if (column.getState(row) & LVIS_SELECTED) rows.push_back(row);
    }
    return rows;
}

// A band of window rows: y in content coordinates below the 20-pixel header.
Rect bandOverRows(int first, int last) { return Rect(5, 20 + first * 16 + 3, 10, (last - first) * 16); }

}  // namespace

TEST(TableColumn, StatesFollowTheirRowsWhenRowsComeAndGo) {
    TableColumn column = columnWithRows(6);
    column.setState(4, LVIS_SELECTED);
    column.removeItem(2);
    EXPECT_EQ(selectedRows(column), std::vector<int>{3});
    EXPECT_EQ(column.getItemText(3), L"row 4");

    column.insertItem(2, TableItem{L"new"});
    EXPECT_EQ(selectedRows(column), std::vector<int>{4});
    column.insertItem(1, TableItem{L"newer"});
    EXPECT_EQ(selectedRows(column), std::vector<int>{5});
    EXPECT_EQ(column.getItemText(5), L"row 4");

    // Removing the selected row drops its state with it.
    column.removeItem(5);
    EXPECT_TRUE(selectedRows(column).empty());
    EXPECT_FALSE(column.hasSelection());
}

TEST(TableColumn, RowsOutsideTheItemsAreNeitherReadNorWritten) {
    TableColumn column = columnWithRows(2);
    EXPECT_EQ(column.getItemText(2), L"");
    EXPECT_EQ(column.getItemText(-1), L"");
    column.setItemText(5, L"x");
    column.setState(2, LVIS_SELECTED);
    column.setChecked(-1, true);
    column.insertItem(4, TableItem{L"beyond"});
    column.removeItem(7);
    EXPECT_EQ(column.getItemCount(), 2);
    EXPECT_FALSE(column.hasSelection());
    EXPECT_EQ(column.getCellRect(2), Rect());

    column.insertItem(2, TableItem{L"at the end"});
    EXPECT_EQ(column.getItemText(2), L"at the end");
}

TEST(TableColumn, FindAndNextRow) {
    TableColumn column = columnWithRows(12);
    EXPECT_EQ(column.find(L"row 1", 0, 12, false), 1);
    EXPECT_EQ(column.find(L"row 1", 2, 12, true), 10);
    EXPECT_EQ(column.find(L"Row 1", 0, 12, true), -1);
    EXPECT_EQ(column.find(L"row 1", 2, 10, false), -1);

    column.setState(3, LVIS_SELECTED);
    column.setState(7, LVIS_FOCUSED);
    EXPECT_EQ(column.nextRow(-1, LVNI_SELECTED), 3);
    EXPECT_EQ(column.nextRow(3, LVNI_SELECTED), 3);
    EXPECT_EQ(column.nextRow(4, LVNI_SELECTED), -1);
    EXPECT_EQ(column.nextRow(0, LVNI_FOCUSED), 7);
}

TEST(TableColumn, GeometryOfCellsRowsAndCheckBoxes) {
    TableColumn column = columnWithRows(30);
    column.setX(40);
    column.setTopRow(5);
    EXPECT_EQ(column.getCellRect(6), Rect(40, 20 + 16, 100, 16));
    EXPECT_EQ(column.rowAt(40, 20), 5);
    EXPECT_EQ(column.rowAt(139, 20 + 16 * 3 + 15), 8);
    EXPECT_EQ(column.rowAt(140, 30), -1);  // right of the column
    EXPECT_EQ(column.rowAt(50, 19), -1);   // in the header
    EXPECT_EQ(column.rowAt(50, 20 + 16 * 25), -1);  // below the last row

    // The check box answers from 2 to 13 pixels from the cell's left and top.
    EXPECT_TRUE(column.hitsCheckBox(40 + 2, 20 + 16 + 2));
    EXPECT_TRUE(column.hitsCheckBox(40 + 13, 20 + 16 + 13));
    EXPECT_FALSE(column.hitsCheckBox(40 + 1, 20 + 16 + 5));
    EXPECT_FALSE(column.hitsCheckBox(40 + 14, 20 + 16 + 5));
    EXPECT_FALSE(column.hitsCheckBox(40 + 5, 20 + 16 + 14));
}

TEST(TableColumn, HiddenColumnKeepsWidthZero) {
    TableColumn hidden(L"Hidden", Rect(0, 0, 0, 100));
    hidden.setWidth(80);
    EXPECT_EQ(hidden.getWidth(), 0);
    TableColumn shown(L"Shown", Rect(0, 0, 10, 100));
    shown.setWidth(80);
    EXPECT_EQ(shown.getWidth(), 80);
    EXPECT_EQ(shown.getHeaderRect().width, 80);
}

TEST(TableColumn, TextOffsetAndAutomaticWidth) {
    TableColumn column = columnWithRows(3);
    EXPECT_EQ(column.getTextOffset(), 0);
    column.setCheckBoxes(true);
    column.setNumbered(true);
    EXPECT_EQ(column.getTextOffset(), 40);

    LOGFONTW font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    const int shortest = column.getAutomaticWidth(font, -1);
    column.setItemText(1, L"a considerably longer text than the others");
    const int widest = column.getAutomaticWidth(font, 1);
    EXPECT_EQ(column.getAutomaticWidth(font, -1), 40 + widest + 4);
    EXPECT_GT(column.getAutomaticWidth(font, -1), shortest);

    TableColumn empty(L"Empty", Rect(0, 0, 50, 100));
    EXPECT_EQ(empty.getAutomaticWidth(font, -1), 20 + 4);  // at least 20 for the text
}

TEST(TableColumnBand, SelectsTheRowsUnderTheBand) {
    TableColumn column = columnWithRows(10);
    column.setState(8, LVIS_SELECTED);
    column.selectBand(bandOverRows(2, 4), false);
    EXPECT_EQ(selectedRows(column), (std::vector<int>{2, 3, 4}));
    // A band of no height covers its one row.
    column.selectBand(Rect(5, 20 + 16 * 6 + 15, 0, 0), false);
    EXPECT_EQ(selectedRows(column), std::vector<int>{6});
    // Rows past the end are not made up.
    column.selectBand(bandOverRows(8, 14), false);
    EXPECT_EQ(selectedRows(column), (std::vector<int>{8, 9}));
}

TEST(TableColumnBand, BandWhoseTopIsAboveTheHeaderLineSelectsNothing) {
    TableColumn column = columnWithRows(10);
    column.setState(5, LVIS_SELECTED);
    // Just above the line (less than one row): a truncating division would take row 0.
    column.selectBand(Rect(5, 12, 10, 40), false);
    EXPECT_EQ(selectedRows(column), std::vector<int>{5});
    column.selectBand(Rect(5, 0, 10, 100), false);
    EXPECT_EQ(selectedRows(column), std::vector<int>{5});
}

TEST(TableColumnBand, WithCtrlFlipsTheSnapshotStates) {
    TableColumn column = columnWithRows(10);
    column.setState(1, LVIS_SELECTED);
    column.setState(3, LVIS_SELECTED);
    column.takeSnapshot();
    column.selectBand(bandOverRows(2, 3), true);
    EXPECT_EQ(selectedRows(column), (std::vector<int>{1, 2}));
    // Growing the band flips from the snapshot again, not from the current states.
    column.selectBand(bandOverRows(2, 4), true);
    EXPECT_EQ(selectedRows(column), (std::vector<int>{1, 2, 4}));
}

TEST(TableColumnModel, BadIndexAnswersABlankColumnAndChangesNothing) {
    TableColumnModel model;
    model.addColumn(columnWithRows(3));
    EXPECT_TRUE(model.hasColumn(0));
    EXPECT_FALSE(model.hasColumn(1));
    EXPECT_FALSE(model.hasColumn(-1));
    EXPECT_EQ(model.getColumn(0).getItemCount(), 3);

    TableColumn& missing = model.getColumn(5);
    EXPECT_EQ(missing.getItemCount(), 0);
    missing.insertItem(0, TableItem{L"lost"});
    missing.setNumbered(true);
    EXPECT_EQ(model.getColumn(-2).getItemCount(), 0);
    EXPECT_FALSE(model.getColumn(7).isNumbered());
    EXPECT_EQ(model.getColumnCount(), 1);
}

TEST(CharWidthCache, KeepsOneTableForEachFont) {
    CharWidthCache cache;
    HDC dc = ::CreateCompatibleDC(nullptr);
    LOGFONTW small{};
    small.lfHeight = -11;
    ::wcscpy(small.lfFaceName, L"Tahoma");
    LOGFONTW large = small;
    large.lfHeight = -40;
    HFONT smallFont = ::CreateFontIndirectW(&small);
    HFONT largeFont = ::CreateFontIndirectW(&large);

    HGDIOBJ previous = ::SelectObject(dc, smallFont);
    const int smallWidth = cache.forFont(dc).of(dc, L'W');
    ::SelectObject(dc, largeFont);
    const int largeWidth = cache.forFont(dc).of(dc, L'W');
    EXPECT_GT(largeWidth, smallWidth);
    EXPECT_EQ(cache.fontCount(), 2u);

    // Cutting a text to a limit counts the character that crosses it.
    ::SelectObject(dc, smallFont);
    CharWidthCache::Widths& widths = cache.forFont(dc);
    const std::wstring text = L"WWWWWWWWWW";
    EXPECT_EQ(countFittingCharacters(widths, dc, text, 10, 10 + smallWidth * 3), 3);
    EXPECT_EQ(countFittingCharacters(widths, dc, text, 10, 10 + smallWidth * 3 + 1), 4);
    EXPECT_EQ(countFittingCharacters(widths, dc, text, 10, 10), 0);

    ::SelectObject(dc, previous);
    ::DeleteObject(smallFont);
    ::DeleteObject(largeFont);
    ::DeleteDC(dc);
}
