// What the own-drawn table paints, read back from the off-screen surface.
#include "toolkit/graphics/Graphics.h"
#include "toolkit/tests/TableTestSupport.h"

namespace {

COLORREF pixel(Graphics& g, int x, int y) { return ::GetPixel(g.getHDC(), x, y); }

// Whether anything other than the colour shows in the rectangle.
bool drawnIn(Graphics& g, const Rect& area, COLORREF background) {
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) {
            if (pixel(g, x, y) != background) return true;
        }
    }
    return false;
}

}  // namespace

using TablePaint = TableFixture;

TEST_F(TablePaint, SelectedRowsWithoutFocusAreGrey) {
    fill(4);
    table.setItemText(L"", 0, 2);
    table.setItemText(L"", 1, 2);
    table.selectAll();
    ::SetFocus(frame.m_hWnd);
    Graphics g(kWidth, kHeight);
    table.paint(g);
    // Far right in the last column, where no text reaches.
    EXPECT_EQ(pixel(g, 290, rowY(0)), 0xDDDDDDu);
    EXPECT_EQ(pixel(g, 290, rowY(1)), 0xCCCCCCu);
}

TEST_F(TablePaint, UnselectedRowsAlternateTheirBackColours) {
    fill(2);
    table.setItemText(L"", 0, 2);
    table.setItemText(L"", 1, 2);
    Graphics g(kWidth, kHeight);
    table.paint(g);
    EXPECT_EQ(pixel(g, 290, rowY(0)), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixel(g, 290, rowY(1)), 0xFFEDE3u);
    // Below the rows: the table's back colour; the header strip right of the columns is
    // the button face.
    EXPECT_EQ(pixel(g, 290, rowY(5)), 0xFFFFFFu);
    EXPECT_EQ(pixel(g, 350, 3), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(TablePaint, CheckedCellShowsAFilledBox) {
    fill(2);
    table.setExtendedStyle(LVS_EX_CHECKBOXES);
    table.setChecked(1, true);
    Graphics g(kWidth, kHeight);
    table.paint(g);
    const int top0 = 20;
    const int top1 = 36;
    EXPECT_EQ(pixel(g, 12, top1 + 12), 0xE18040u);  // inside the box, away from the tick
    EXPECT_EQ(pixel(g, 12, top0 + 12), 0xFFE6E6u);
    EXPECT_EQ(pixel(g, 14 - 1, top1 + 5), 0xF0F0F0u);  // on the tick
}

TEST_F(TablePaint, NumberedColumnShowsTheRowNumber) {
    fill(2);
    table.setItemText(L"", 0, 2);
    table.setColumnNumbered(true, 2);
    Graphics g(kWidth, kHeight);
    table.paint(g);
    EXPECT_TRUE(drawnIn(g, Rect(202, 22, 12, 12), ::GetSysColor(COLOR_WINDOW)));
    table.setColumnNumbered(false, 2);
    Graphics plain(kWidth, kHeight);
    table.paint(plain);
    EXPECT_FALSE(drawnIn(plain, Rect(202, 22, 12, 12), ::GetSysColor(COLOR_WINDOW)));
}

TEST_F(TablePaint, HiddenColumnPaintsNothing) {
    table.setColumnWidth(1, 0);  // becomes 32: only a zero header width hides a column
    EXPECT_EQ(table.getColumn(1).getWidth(), 32);
    TableColumn hidden(L"Hidden", Rect(0, 0, 0, kHeight));
    hidden.insertItem(0, TableItem{L"text"});
    Graphics g(50, 50);
    g.setBrushColor(0x123456);
    g.fillRect(0, 0, 50, 50);
    hidden.paint(g, 0, false);
    EXPECT_FALSE(drawnIn(g, Rect(0, 0, 50, 50), 0x123456));
}

TEST_F(TablePaint, EmptyTextShowsWhileThereAreNoRows) {
    table.setEmptyText(L"Drop files here");
    Graphics g(kWidth, kHeight);
    table.paint(g);
    EXPECT_TRUE(drawnIn(g, Rect(100, 60, 200, 60), 0xFFFFFF));
    fill(1);
    table.setItemText(L"", 0, 0);
    table.setItemText(L"", 0, 1);
    Graphics filled(kWidth, kHeight);
    table.paint(filled);
    EXPECT_FALSE(drawnIn(filled, Rect(100, 60, 200, 60), 0xFFFFFF));
}

TEST_F(TablePaint, GridLinesStayPutAndTheBandIsDrawnTranslucent) {
    fill(20);
    table.setExtendedStyle(LVS_EX_GRIDLINES);
    Graphics g(kWidth, kHeight);
    table.paint(g);
    EXPECT_EQ(pixel(g, 99, rowY(3)), 0xE6DCDCu);
    EXPECT_EQ(pixel(g, 250, 20 + 16 * 2), 0xE6DCDCu);

    mouse(WM_LBUTTONDOWN, 150, rowY(2), MK_LBUTTON);
    mouse(WM_MOUSEMOVE, 250, rowY(6), MK_LBUTTON);
    Graphics band(kWidth, kHeight);
    table.paint(band);
    mouse(WM_LBUTTONUP, 250, rowY(6));
    Graphics released(kWidth, kHeight);
    table.paint(released);
    // The same rows are selected in both; only the band's tint tells them apart.
    EXPECT_NE(pixel(band, 200, rowY(4) + 3), pixel(released, 200, rowY(4) + 3));
    EXPECT_EQ(pixel(band, 60, rowY(4) + 3), pixel(released, 60, rowY(4) + 3));
}

// For looking at the table by eye: run with --gtest_also_run_disabled_tests and take a
// screenshot of the display while it waits.
TEST(TableShow, DISABLED_FilledTableStaysOnScreen) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    ::SetWindowPos(frame.m_hWnd, nullptr, 0, 0, 720, 520, SWP_NOZORDER);
    frame.setVisible(true);
    TableComponent table;
    ASSERT_TRUE(table.createWithDefaultBounds(frame.m_hWnd));
    table.setBounds(10, 10, 680, 460);
    table.addColumn(L"Start", 70);
    table.addColumn(L"End", 70);
    table.addColumn(L"Sentence", 260);
    table.addColumn(L"Translation", 200);
    table.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES);
    table.setColumnNumbered(true, 2);
    for (int row = 0; row < 300; ++row) {
        wchar_t time[16];
        ::swprintf(time, 16, L"%02d:%02d:%02d", row / 60, row % 60, (row * 7) % 100);
        table.addItem(time, -1);
        table.setItemText(time, row, 1);
        table.setItemText(L"Sentence number " + std::to_wstring(row) + L" of the lesson, long enough to be cut",
                          row, 2);
        table.setItemText(L"\u8a33 " + std::to_wstring(row), row, 3);
        table.setChecked(row, row % 3 == 0);
    }
    table.setColumnWidth(3, 200);
    table.setFocus();
    LVITEMW selectedState{};
    selectedState.state = LVIS_SELECTED;
    for (int row : {4, 5, 6, 9}) {
        ::SendMessageW(table.m_hWnd, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&selectedState));
    }
    holdForLooking("TABLE_SHOW_MS", 2000);
}

TEST(TableColumnHeader, ImageStripGivesTheNormalAndTheHotLook) {
    TableColumn column(L"", Rect(0, 0, 64, 100));
    Image& strip = column.getHeaderImage();
    ASSERT_TRUE(strip.create(64, 32));
    for (int y = 0; y < 32; ++y) {
        unsigned char* p = strip.getBits() + static_cast<size_t>(y) * strip.getRowSize();
        for (int x = 0; x < 64; ++x, p += 4) {
            p[0] = y < 16 ? 0xFF : 0x00;  // blue above, green below
            p[1] = y < 16 ? 0x00 : 0xFF;
            p[2] = 0;
            p[3] = 0xFF;
        }
    }
    Graphics normal(64, 20);
    column.paintHeader(normal, 0, false);
    EXPECT_EQ(pixel(normal, 32, 2), RGB(0, 0, 0xFF));
    Graphics hot(64, 20);
    column.paintHeader(hot, 0, true);
    EXPECT_EQ(pixel(hot, 32, 2), RGB(0, 0xFF, 0));
}

TEST_F(TablePaint, TextIsCutByTheWidthsOfTheFontInUse) {
    fill(1);
    table.setItemText(std::wstring(40, L'W'), 0, 0);
    const auto rightmostText = [&] {
        Graphics g(kWidth, kHeight);
        table.paint(g);
        int rightmost = -1;
        for (int x = 0; x < 100; ++x) {
            for (int y = 22; y < 34; ++y) {
                if (pixel(g, x, y) != ::GetSysColor(COLOR_WINDOW)) rightmost = x;
            }
        }
        return rightmost;
    };
    // Widths measured in a large font must not cut the text of a small one short.
    table.setFontHeight(-40);
    rightmostText();
    table.setFontHeight(-11);
    EXPECT_GT(rightmostText(), 80);
}

namespace {

// The pixels of row 0 of a column, painted as the table paints a cell.
std::vector<COLORREF> cellPixels(TableColumn& column) {
    Graphics g(column.getWidth(), 16);
    LOGFONTW font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    g.setFont(::CreateFontIndirectW(&font));
    g.setBkMode(TRANSPARENT);
    column.paintCell(g, CharWidthCache::getInstance().forFont(g.getHDC()), 0, 0, 0);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < column.getWidth(); ++x) pixels.push_back(pixel(g, x, y));
    }
    return pixels;
}

std::vector<COLORREF> freshCellPixels(const std::wstring& text, int width) {
    TableColumn column(L"", Rect(0, 0, width, 100));
    column.insertItem(0, TableItem{text});
    return cellPixels(column);
}

}  // namespace

TEST(TableColumnCut, AKeptCutFollowsTheTextAndTheRoom) {
    // Texts of the same widths, cut after the same number of characters.
    const std::wstring first = L"Sentence 1 of the evening news is far too long for the column";
    const std::wstring second = L"Sentence 2 of the evening news is far too long for the column";
    TableColumn column(L"", Rect(0, 0, 120, 100));
    column.insertItem(0, TableItem{first});
    const std::vector<COLORREF> drawn = cellPixels(column);
    EXPECT_EQ(cellPixels(column), drawn);
    EXPECT_EQ(drawn, freshCellPixels(first, 120));

    column.setItemText(0, second);
    EXPECT_EQ(cellPixels(column), freshCellPixels(second, 120));
    column.setWidth(80);
    EXPECT_EQ(cellPixels(column), freshCellPixels(second, 80));
    column.replaceItem(0, TableItem{first});
    EXPECT_EQ(cellPixels(column), freshCellPixels(first, 80));
}
