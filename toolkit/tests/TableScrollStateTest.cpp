// The scroll state alone (no window) and on a window's standard scroll bars.
#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/Scrollbar.h"

namespace {

class Content : public Scrollbar {
public:
    int getRowCount() override { return rows; }
    int getContentWidth() override { return width; }
    void scrollContent(int dx, int dy) override {
        scrolledX += dx;
        scrolledY += dy;
        Scrollbar::scrollContent(dx, dy);
    }
    int rows = 10;
    int width = 100;
    int scrolledX = 0;
    int scrolledY = 0;
};

void setRowsAndPage(Content& content, int rows, int rowsPerPage) {
    content.rows = rows;
    content.setVerticalPage(rowsPerPage);
    content.setHorizontalPage(100);
    content.updateScrollBars();
}

}  // namespace

TEST(TableScrollState, RangesComeFromTheContentAndThePages) {
    Content content;
    content.rows = 10;
    content.width = 300;
    content.setVerticalPage(4);
    content.setHorizontalPage(120);
    content.updateScrollBars();
    EXPECT_EQ(content.getVerticalRange(), 6);
    EXPECT_EQ(content.getHorizontalRange(), 180);

    content.width = 100;
    content.updateScrollBars();
    EXPECT_EQ(content.getHorizontalRange(), 0);
    EXPECT_EQ(content.getHorizontalPosition(), 0);
    EXPECT_EQ(content.getHorizontalBarHeight(), 0);
}

TEST(TableScrollState, PageAndLineCodesStopAtTheEnds) {
    Content content;
    content.rows = 10;
    content.setVerticalPage(4);
    content.updateScrollBars();

    content.setVerticalPosition(5);
    content.onScroll(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(content.getVerticalPosition(), 6);
    content.onScroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(content.getVerticalPosition(), 6);
    content.onScroll(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(content.getVerticalPosition(), 0);

    // Nothing to scroll: the content is not touched.
    content.scrolledY = 0;
    content.onScroll(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(content.getVerticalPosition(), 0);
    EXPECT_EQ(content.scrolledY, 0);
    content.onScroll(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(content.getVerticalPosition(), 6);
    content.onScroll(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(content.getVerticalPosition(), 2);
    EXPECT_EQ(content.scrolledY, -4);
}

TEST(TableScrollState, HorizontalCodesMovePixels) {
    Content content;
    content.width = 500;
    content.setHorizontalPage(200);
    content.updateScrollBars();
    content.onScroll(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(content.getHorizontalPosition(), 1);
    content.onScroll(WM_HSCROLL, SB_PAGERIGHT);
    content.onScroll(WM_HSCROLL, SB_PAGERIGHT);
    EXPECT_EQ(content.getHorizontalPosition(), 300);
    EXPECT_EQ(content.getVerticalPosition(), 0);
}

TEST(TableScrollState, ClampingBringsPositionsBackIntoTheContent) {
    Content content;
    setRowsAndPage(content, 20, 5);
    content.setVerticalPosition(15);
    EXPECT_FALSE(content.clampPositions());
    content.rows = 8;
    EXPECT_TRUE(content.clampPositions());
    EXPECT_EQ(content.getVerticalPosition(), 3);
    content.rows = 2;
    EXPECT_TRUE(content.clampPositions());
    EXPECT_EQ(content.getVerticalPosition(), 0);
    EXPECT_FALSE(content.clampPositions());
}

class TableScrollBars : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ASSERT_TRUE(child.create(frame.m_hWnd, 0, 0, 200, 200));
        content.setScrollWindow(child.m_hWnd);
    }
    SCROLLINFO barInfo(int bar) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ::GetScrollInfo(child.m_hWnd, bar, &info);
        return info;
    }
    bool barShown(int bar) {
        const LONG style = ::GetWindowLongW(child.m_hWnd, GWL_STYLE);
        return (style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
    }

    RecordingFrame frame;
    BaseWindow child;
    Content content;
};

TEST_F(TableScrollBars, OneRowGivesMaximumOne) {
    content.rows = 1;
    content.setVerticalPage(10);
    content.updateScrollBars();
    EXPECT_EQ(barInfo(SB_VERT).nMax, 1);
    content.rows = 40;
    content.updateScrollBars();
    EXPECT_EQ(barInfo(SB_VERT).nMax, 39);
    EXPECT_EQ(barInfo(SB_VERT).nPage, 10u);
}

TEST_F(TableScrollBars, StyleBitsHideBarsWhileTheContentFits) {
    ::SetWindowLongW(child.m_hWnd, GWL_STYLE, ::GetWindowLongW(child.m_hWnd, GWL_STYLE) | 0xC0);
    content.rows = 5;
    content.width = 100;
    content.setVerticalPage(10);
    content.setHorizontalPage(150);
    content.updateScrollBars();
    EXPECT_FALSE(barShown(SB_VERT));
    EXPECT_FALSE(barShown(SB_HORZ));

    content.rows = 50;
    content.width = 400;
    content.updateScrollBars();
    EXPECT_TRUE(barShown(SB_VERT));
    EXPECT_TRUE(barShown(SB_HORZ));
    EXPECT_GT(content.getVerticalBarWidth(), 0);
    EXPECT_GT(content.getHorizontalBarHeight(), 0);
}

TEST_F(TableScrollBars, ThumbPositionIsReadFromTheBar) {
    content.rows = 100000;  // beyond the 16 bits of the message
    content.setVerticalPage(10);
    content.updateScrollBars();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = 70000;
    ::SetScrollInfo(child.m_hWnd, SB_VERT, &info, FALSE);
    content.onScroll(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 70000 & 0xFFFF));
    EXPECT_EQ(content.getVerticalPosition(), 70000);
    EXPECT_EQ(barInfo(SB_VERT).nPos, 70000);
}

namespace {

class CountingContent : public Content {
public:
    void invalidateScrollBars() override { ++redraws; }
    int redraws = 0;
};

}  // namespace

TEST_F(TableScrollBars, ABarIsRedrawnOnlyWhenItsThumbMoves) {
    ::SetWindowPos(frame.m_hWnd, nullptr, 0, 0, 300, 300, SWP_NOZORDER);
    frame.setVisible(true);
    CountingContent counting;
    counting.setScrollWindow(child.m_hWnd);
    counting.rows = 100000;
    counting.setVerticalPage(10);
    counting.updateScrollBars();
    ASSERT_EQ(counting.redraws, 1);
    counting.redrawChangedBars();  // as the paint that follows does
    // One row of a hundred thousand moves the thumb by less than a pixel.
    counting.setVerticalPosition(1);
    counting.updateScrollBars();
    EXPECT_EQ(counting.redraws, 1);
    counting.setVerticalPosition(50000);
    counting.updateScrollBars();
    EXPECT_EQ(counting.redraws, 2);
    // Until the bars are drawn, further changes ask for nothing more.
    counting.setVerticalPosition(90000);
    counting.updateScrollBars();
    EXPECT_EQ(counting.redraws, 2);
}
