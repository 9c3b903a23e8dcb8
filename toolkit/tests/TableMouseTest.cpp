// Column resizing in the header, auto-scroll while a band is dragged past an edge, and
// scrolling by wheel, scroll bar and ensureVisible.
#include "toolkit/tests/TableTestSupport.h"

using TableMouse = TableFixture;

TEST_F(TableMouse, DraggingAHeaderEdgeResizesTheColumn) {
    fill(3);
    mouse(WM_MOUSEMOVE, 97, 10);
    EXPECT_EQ(table.getHotColumn(), 0);
    mouse(WM_LBUTTONDOWN, 97, 10, MK_LBUTTON);
    EXPECT_EQ(table.getMouseState(), TableComponent::MouseState::ColumnResizing);
    mouse(WM_MOUSEMOVE, 160, 12, MK_LBUTTON);
    EXPECT_EQ(table.getColumn(0).getWidth(), 160);
    EXPECT_EQ(table.getColumn(1).getX(), 160);
    mouse(WM_MOUSEMOVE, 5, 12, MK_LBUTTON);  // never narrower than 32
    EXPECT_EQ(table.getColumn(0).getWidth(), 32);
    mouse(WM_LBUTTONUP, 5, 12);
    EXPECT_EQ(table.getMouseState(), TableComponent::MouseState::Idle);
    EXPECT_EQ(count(LVN_COLUMNCLICK), 0);
    // The selection was not touched.
    EXPECT_TRUE(selected().empty());
}

TEST_F(TableMouse, HeaderClickAwayFromAnEdgeIsAColumnClick) {
    mouse(WM_LBUTTONDOWN, 150, 10, MK_LBUTTON);
    mouse(WM_LBUTTONUP, 150, 10);
    EXPECT_EQ(count(LVN_COLUMNCLICK), 1);
    EXPECT_EQ(table.getHotColumn(), 1);
}

TEST_F(TableMouse, DoubleClickOnAHeaderEdgeFitsTheTexts) {
    fill(3);
    table.setItemText(L"a rather long translation that needs room", 1, 1);
    mouse(WM_LBUTTONDBLCLK, 198, 10);
    const int fitted = table.getColumn(1).getWidth();
    EXPECT_EQ(fitted, table.getColumn(1).getAutomaticWidth(table.getLogFont(), -1));
    EXPECT_GT(fitted, 100);
}

TEST_F(TableMouse, BandPastTheBottomScrollsUntilReleased) {
    fill(100);
    mouse(WM_LBUTTONDOWN, 50, rowY(2), MK_LBUTTON);
    // Well below the table: the timer scrolls a row every few ticks.
    mouse(WM_MOUSEMOVE, 50, kHeight + 40, MK_LBUTTON);
    EXPECT_TRUE(table.isAutoScrolling());
    ASSERT_TRUE(pumpUntil([&] { return topRow() >= 3; }, 3000));
    const int top = topRow();
    // The band follows the pointer: rows from the press down to the last visible row.
    const std::vector<int> rows = selected();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), 2);
    EXPECT_GE(rows.back(), top + 9);

    mouse(WM_LBUTTONUP, 50, kHeight + 40);
    EXPECT_FALSE(table.isAutoScrolling());
    const int stopped = topRow();
    ::Sleep(50);
    pumpMessages();
    EXPECT_EQ(topRow(), stopped);
}

TEST_F(TableMouse, BandBackInsideStopsTheAutoScroll) {
    fill(100);
    mouse(WM_LBUTTONDOWN, 50, rowY(5), MK_LBUTTON);
    mouse(WM_MOUSEMOVE, 50, kHeight + 40, MK_LBUTTON);
    EXPECT_TRUE(table.isAutoScrolling());
    mouse(WM_MOUSEMOVE, 50, rowY(6), MK_LBUTTON);
    EXPECT_FALSE(table.isAutoScrolling());
    mouse(WM_LBUTTONUP, 50, rowY(6));
}

TEST_F(TableMouse, BandAboveTheTopScrollsUpwards) {
    fill(100);
    table.ensureVisible(60);
    const int start = topRow();
    ASSERT_GT(start, 40);
    mouse(WM_LBUTTONDOWN, 50, rowY(4), MK_LBUTTON);
    mouse(WM_MOUSEMOVE, 50, -30, MK_LBUTTON);
    ASSERT_TRUE(pumpUntil([&] { return topRow() <= start - 2; }, 3000));
    mouse(WM_LBUTTONUP, 50, -30);
    EXPECT_FALSE(table.isAutoScrolling());
}

TEST_F(TableMouse, EnsureVisibleScrollsTheLeastNeeded) {
    fill(100);
    EXPECT_TRUE(table.ensureVisible(50));
    EXPECT_EQ(topRow(), 41);
    EXPECT_TRUE(table.ensureVisible(45));
    EXPECT_EQ(topRow(), 41);
    EXPECT_TRUE(::SendMessageW(table.m_hWnd, LVM_ENSUREVISIBLE, 5, FALSE));
    EXPECT_EQ(topRow(), 5);
    EXPECT_EQ(table.getColumn(2).getTopRow(), 5);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    ::GetScrollInfo(table.m_hWnd, SB_VERT, &info);
    EXPECT_EQ(info.nPos, 5);

    // The style bit 0x2000 turns it off.
    table.setStyle(table.getStyle() | TableComponent::kNoEnsureVisibleStyle);
    EXPECT_FALSE(table.ensureVisible(80));
    EXPECT_EQ(topRow(), 5);
}

TEST_F(TableMouse, ScrollBarMessagesAndTheWheel) {
    fill(100);
    EXPECT_EQ(::SendMessageW(table.m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0), 10);
    EXPECT_EQ(table.getVerticalRange(), 90);
    ::SendMessageW(table.m_hWnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(topRow(), 10);
    ::SendMessageW(table.m_hWnd, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(topRow(), 90);
    ::SendMessageW(table.m_hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(topRow(), 90);

    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step = lines < 2 ? 1 : static_cast<int>(lines);
    moveCursor(50, rowY(3));
    POINT screen{50, rowY(3)};
    ::ClientToScreen(table.m_hWnd, &screen);
    ::SendMessageW(table.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(topRow(), 90 - step);
    ::SendMessageW(table.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA * 40), MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(topRow(), 90);

    // Fewer rows bring the top back.
    while (table.getItemCount() > 12) table.removeItem(0);
    EXPECT_EQ(topRow(), 2);
    table.deleteAllItems();
    EXPECT_EQ(topRow(), 0);
}

TEST_F(TableMouse, ScrollBarsShowOnlyWhileTheContentDoesNotFit) {
    fill(5);
    EXPECT_FALSE(table.getStyle() & WS_VSCROLL);
    EXPECT_FALSE(table.getStyle() & WS_HSCROLL);
    fill(20);
    EXPECT_TRUE(table.getStyle() & WS_VSCROLL);
    EXPECT_EQ(table.getHorizontalRange(), 0);
    EXPECT_EQ(table.getHorizontalPosition(), 0);
}
