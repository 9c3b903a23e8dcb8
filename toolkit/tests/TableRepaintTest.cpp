// What the own-drawn table repaints: the rows a change touches, rows moved on the screen
// by a scroll, and a picture that always ends as a full repaint would draw it.
#include <cstring>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/tests/TableTestSupport.h"

namespace {

// The client area as the screen shows it.
std::vector<unsigned char> shownPixels(HWND window) {
    const RECT client = [&] {
        RECT r{};
        ::GetClientRect(window, &r);
        return r;
    }();
    Graphics copy(client.right, client.bottom);
    HDC dc = ::GetDC(window);
    ::BitBlt(copy.getHDC(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::ReleaseDC(window, dc);
    ::GdiFlush();
    const unsigned char* bits = copy.getImage().getBits();
    return std::vector<unsigned char>(bits, bits + copy.getImage().getRowSize() * client.bottom);
}

RECT updateRect(HWND window) {
    RECT r{};
    ::GetUpdateRect(window, &r, FALSE);
    return r;
}

}  // namespace

class TableRepaint : public TableFixture {
protected:
    void SetUp() override {
        TableFixture::SetUp();
        table.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
        table.setColumnNumbered(true, 1);
        fill(60);
        for (int row = 0; row < 60; row += 3) table.setChecked(row, true);
        table.setFocus();
        settle();
    }
    void settle() {
        pumpMessages();
        ::UpdateWindow(table.m_hWnd);
    }
    // The screen as it is, then as a repaint of the whole table leaves it: the same.
    void expectShownAsAFullRepaint(const char* step) {
        SCOPED_TRACE(step);
        settle();
        const std::vector<unsigned char> shown = shownPixels(table.m_hWnd);
        ::InvalidateRect(table.m_hWnd, nullptr, FALSE);
        settle();
        const std::vector<unsigned char> full = shownPixels(table.m_hWnd);
        ASSERT_EQ(shown.size(), full.size());
        size_t differing = 0;
        for (size_t i = 0; i < shown.size(); ++i) differing += shown[i] != full[i];
        EXPECT_EQ(differing, 0u);
    }
};

TEST_F(TableRepaint, SelectingARowRepaintsOnlyTheRowsThatChange) {
    table.select(2);
    settle();
    table.select(3);
    const RECT changed = updateRect(table.m_hWnd);
    EXPECT_EQ(changed.top, 20 + 2 * 16);
    EXPECT_EQ(changed.bottom, 20 + 4 * 16);
    settle();
    // A row out of view repaints nothing where it left.
    table.select(40);
    EXPECT_EQ(updateRect(table.m_hWnd).bottom, 20 + 4 * 16);
}

TEST_F(TableRepaint, ScrollingByOneRowPaintsTheRowThatComesIntoView) {
    ::SendMessageW(table.m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    const RECT exposed = updateRect(table.m_hWnd);
    EXPECT_EQ(topRow(), 1);
    // The new bottom row, and the top row that has no grid line above it.
    EXPECT_LE(exposed.bottom - exposed.top, kHeight);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(table.m_hWnd, region, FALSE);
    EXPECT_FALSE(::PtInRegion(region, 50, 20 + 5 * 16));
    EXPECT_TRUE(::PtInRegion(region, 50, 20 + 9 * 16 + 4));
    ::DeleteObject(region);
}

TEST_F(TableRepaint, StepsThroughTheRowsLeaveTheScreenAsAFullRepaint) {
    for (int i = 0; i < 25; ++i) {
        key(VK_DOWN);
        ::UpdateWindow(table.m_hWnd);
    }
    expectShownAsAFullRepaint("after moving down past the page");
    for (int i = 0; i < 3; ++i) {
        ::SendMessageW(table.m_hWnd, WM_VSCROLL, SB_LINEUP, 0);
        ::UpdateWindow(table.m_hWnd);
    }
    for (int i = 0; i < 14; ++i) {
        key(VK_UP);
        ::UpdateWindow(table.m_hWnd);
    }
    expectShownAsAFullRepaint("after scrolling and moving up");
    // Several changes before one paint: selection, a scroll, another selection.
    table.select(12);
    ::SendMessageW(table.m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    LVITEMW selected{};
    selected.state = LVIS_SELECTED;
    ::SendMessageW(table.m_hWnd, LVM_SETITEMSTATE, 15, reinterpret_cast<LPARAM>(&selected));
    ::SendMessageW(table.m_hWnd, WM_VSCROLL, SB_LINEUP, 0);
    expectShownAsAFullRepaint("after changes gathered into one paint");
}
