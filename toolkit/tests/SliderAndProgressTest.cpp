#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/LabelComponent.h"
#include "toolkit/widgets/ProgressBar.h"
#include "toolkit/widgets/Slider.h"

namespace {

// A frame that records the scroll notifications of its children.
class ScrollFrame : public RecordingFrame {
public:
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_HSCROLL) {
            scrolls.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
            return 0;
        }
        return RecordingFrame::windowProc(hwnd, msg, wParam, lParam);
    }
    struct Scroll {
        int id;
        int position;
        HWND from;
    };
    std::vector<int> positions() const {
        std::vector<int> result;
        for (const auto& s : scrolls) result.push_back(s.position);
        return result;
    }
    std::vector<Scroll> scrolls;
};

// Lets tests put the thumb in states that only input reaches otherwise.
class OpenSlider : public Slider {
public:
    Rect& thumb() { return mThumb; }
    void setDragging(bool dragging) { mDragging = dragging; }
};

// Counts pixels of a surface area for which the test holds.
int countPixels(Graphics& g, const Rect& area, const std::function<bool(COLORREF)>& test) {
    int count = 0;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (test(::GetPixel(g.getHDC(), x, y))) ++count;
    return count;
}

bool isDark(COLORREF c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; }

// Leftmost and rightmost columns holding a dark pixel, or {-1, -1}.
std::pair<int, int> darkColumns(Graphics& g, const Rect& area) {
    std::pair<int, int> columns{-1, -1};
    for (int x = area.x; x < area.x + area.width; ++x) {
        for (int y = area.y; y < area.y + area.height; ++y) {
            if (isDark(::GetPixel(g.getHDC(), x, y))) {
                if (columns.first < 0) columns.first = x;
                columns.second = x;
                break;
            }
        }
    }
    return columns;
}

void setCtrl(bool down) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

}  // namespace

class SliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ::SetWindowPos(frame.m_hWnd, HWND_TOP, 50, 50, 400, 200, SWP_SHOWWINDOW);
        ASSERT_TRUE(slider.createWithDefaultBounds(frame.m_hWnd));
        slider.setId(42);
        slider.setBounds(10, 10, 220, 20);
        slider.setRange(0, 100);
        slider.setValue(0);
        pumpMessages();
    }
    void TearDown() override { setCtrl(false); }

    // Puts the real cursor over a point of the slider: the component reads GetCursorPos.
    void pointAt(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(slider.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
    }
    void mouse(UINT msg, int x, int y) {
        pointAt(x, y);
        ::SendMessageW(slider.m_hWnd, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    }
    void key(WPARAM vk) { ::SendMessageW(slider.m_hWnd, WM_KEYDOWN, vk, 0); }

    ScrollFrame frame;
    OpenSlider slider;
};

TEST_F(SliderTest, TrackOfTwoHundredPixelsGivesHalfAUnitPerPixel) {
    EXPECT_EQ(slider.getTrackLength(), 200);
    EXPECT_FLOAT_EQ(slider.getUnitsPerPixel(), 0.5f);
    EXPECT_EQ(slider.getThumbRect().height, 20);
    slider.setValue(50);
    EXPECT_EQ(slider.getThumbRect().x, 100);
    slider.setValue(100);
    EXPECT_EQ(slider.getThumbRect().x, 200);
}

TEST_F(SliderTest, ValueStaysInsideTheRange) {
    slider.setValue(150);
    EXPECT_EQ(slider.getValue(), 100);
    slider.setValue(-3);
    EXPECT_EQ(slider.getValue(), 0);
    slider.setValue(5);
    slider.setRange(10, 20);
    EXPECT_EQ(slider.getValue(), 10);
    slider.setValue(25);
    slider.setRange(10, 20);
    EXPECT_EQ(slider.getValue(), 20);
    EXPECT_TRUE(frame.scrolls.empty());
}

TEST(SliderBeforeSizing, RangeAloneGivesOneUnitPerPixelUntilTheSliderIsSized) {
    Slider slider;
    slider.setValue(7);
    EXPECT_EQ(slider.getValue(), 0);
    EXPECT_EQ(slider.getThumbRect().x, 0);
    slider.setRange(0, 50);
    EXPECT_EQ(slider.getTrackLength(), 50);
    slider.setValue(7);
    EXPECT_EQ(slider.getThumbRect().x, 7);
    slider.onSize(0, MAKELPARAM(120, 18));
    EXPECT_EQ(slider.getTrackLength(), 100);
    EXPECT_EQ(slider.getThumbRect().x, 14);
}

TEST_F(SliderTest, ClickBesideTheThumbJumpsThereAndNotifiesAtOnce) {
    mouse(WM_LBUTTONDOWN, 150, 10);
    EXPECT_TRUE(slider.isDragging());
    EXPECT_EQ(slider.getThumbRect().x, 140);
    EXPECT_EQ(slider.getValue(), 70);
    ASSERT_EQ(frame.scrolls.size(), 1u);
    EXPECT_EQ(frame.scrolls[0].id, 42);
    EXPECT_EQ(frame.scrolls[0].position, 70);
    EXPECT_EQ(frame.scrolls[0].from, slider.m_hWnd);
    EXPECT_TRUE(slider.hasFocus());

    mouse(WM_MOUSEMOVE, 170, 10);
    EXPECT_EQ(slider.getValue(), 80);
    mouse(WM_MOUSEMOVE, 400, 10);  // far past the end
    EXPECT_EQ(slider.getValue(), 100);
    mouse(WM_MOUSEMOVE, -50, 10);
    EXPECT_EQ(slider.getValue(), 0);
    mouse(WM_LBUTTONUP, -50, 10);
    EXPECT_FALSE(slider.isDragging());
    EXPECT_EQ(frame.positions(), (std::vector<int>{70, 80, 100, 0}));

    mouse(WM_MOUSEMOVE, 120, 10);
    EXPECT_EQ(slider.getValue(), 0);
    EXPECT_EQ(frame.scrolls.size(), 4u);
}

TEST_F(SliderTest, PressOnTheThumbKeepsItsPlaceUntilTheDragMoves) {
    slider.setValue(40);  // thumb at 80..100
    mouse(WM_LBUTTONDOWN, 95, 5);
    EXPECT_TRUE(slider.isDragging());
    EXPECT_EQ(slider.getThumbRect().x, 80);
    EXPECT_TRUE(frame.scrolls.empty());
    mouse(WM_MOUSEMOVE, 115, 5);
    EXPECT_EQ(slider.getThumbRect().x, 100);
    EXPECT_EQ(slider.getValue(), 50);
    mouse(WM_LBUTTONUP, 115, 5);
}

TEST_F(SliderTest, ArrowKeysStepByLineAndCtrlByPage) {
    slider.setValue(50);
    key(VK_RIGHT);
    key(VK_DOWN);
    EXPECT_EQ(slider.getValue(), 52);
    key(VK_LEFT);
    key(VK_UP);
    key(VK_UP);
    EXPECT_EQ(slider.getValue(), 49);
    ::SendMessageW(slider.m_hWnd, TBM_SETLINESIZE, 0, 10);
    EXPECT_EQ(::SendMessageW(slider.m_hWnd, TBM_GETLINESIZE, 0, 0), 10);
    key(VK_RIGHT);
    EXPECT_EQ(slider.getValue(), 59);
    EXPECT_EQ(frame.positions(), (std::vector<int>{51, 52, 51, 50, 49, 59}));

    setCtrl(true);
    key(VK_RIGHT);
    EXPECT_EQ(slider.getValue(), 79);  // 100 / page size 5
    ::SendMessageW(slider.m_hWnd, TBM_SETPAGESIZE, 0, 0);
    key(VK_LEFT);
    EXPECT_EQ(slider.getValue(), 59);  // a page size of 0 became 5 again
    ::SendMessageW(slider.m_hWnd, TBM_SETPAGESIZE, 0, 10);
    key(VK_RIGHT);
    key(VK_RIGHT);
    key(VK_RIGHT);
    key(VK_RIGHT);
    key(VK_RIGHT);
    EXPECT_EQ(slider.getValue(), 100);
}

TEST_F(SliderTest, ADisabledSliderIgnoresKeys) {
    slider.setValue(30);
    slider.setEnabled(false);
    key(VK_RIGHT);
    EXPECT_EQ(slider.getValue(), 30);
    EXPECT_TRUE(frame.scrolls.empty());
}

TEST_F(SliderTest, WheelAwayFromTheUserLowersTheValue) {
    slider.setValue(50);
    POINT p{100, 10};
    ::ClientToScreen(slider.m_hWnd, &p);
    ::SetCursorPos(p.x, p.y);
    ::SendMessageW(slider.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), MAKELPARAM(p.x, p.y));
    EXPECT_EQ(slider.getValue(), 48);
    ::SendMessageW(slider.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
                   MAKELPARAM(p.x, p.y));
    EXPECT_EQ(slider.getValue(), 49);
    EXPECT_EQ(frame.positions(), (std::vector<int>{48, 49}));
}

TEST_F(SliderTest, LargeValuesReachTheParentModulo65536) {
    slider.setRange(0, 100000);
    slider.setValue(70000);
    slider.moveBy(0);
    ASSERT_EQ(frame.scrolls.size(), 1u);
    EXPECT_EQ(frame.scrolls[0].position, 70000 % 65536);
}

TEST_F(SliderTest, AnswersTheTrackbarMessages) {
    HWND h = slider.m_hWnd;
    EXPECT_EQ(::SendMessageW(h, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    ::SendMessageW(h, TBM_SETRANGE, TRUE, MAKELPARAM(static_cast<WORD>(-10), 50));
    EXPECT_EQ(::SendMessageW(h, TBM_GETRANGEMIN, 0, 0), -10);
    EXPECT_EQ(::SendMessageW(h, TBM_GETRANGEMAX, 0, 0), 50);
    ::SendMessageW(h, TBM_SETPOS, TRUE, 99);
    EXPECT_EQ(::SendMessageW(h, TBM_GETPOS, 0, 0), 50);
    ::SendMessageW(h, TBM_SETRANGEMAX, TRUE, 40);
    EXPECT_EQ(::SendMessageW(h, TBM_GETPOS, 0, 0), 40);
    ::SendMessageW(h, TBM_SETRANGEMIN, FALSE, 45);
    EXPECT_EQ(::SendMessageW(h, TBM_GETRANGEMIN, 0, 0), 45);
    ::SendMessageW(h, TBM_SETTHUMBLENGTH, 30, 0);
    EXPECT_EQ(::SendMessageW(h, TBM_GETTHUMBLENGTH, 0, 0), 30);
    EXPECT_EQ(::SendMessageW(h, TBM_SETTICFREQ, 5, 0), 0);
    EXPECT_TRUE(frame.scrolls.empty());
    EXPECT_EQ(slider.getTextCopy(), L"The current slider position is 40. The range is from 45 to 40.");
}

TEST_F(SliderTest, ValueTextNeedsAThumbOfTwelvePixels) {
    slider.setValue(88);
    auto darkInThumb = [&] {
        Graphics g(220, 20);
        slider.paint(g);
        const Rect& t = slider.getThumbRect();
        return countPixels(g, Rect(t.x + 1, 1, t.width - 2, 18), isDark);
    };
    slider.setThumbSize(12, 20);
    EXPECT_GT(darkInThumb(), 0);
    slider.setThumbSize(11, 20);
    EXPECT_EQ(darkInThumb(), 0);
}

TEST_F(SliderTest, DraggedThumbIsTintedOnlyInsideTheSurface) {
    // An empty range on a slider narrower than its thumb: the thumb reaches past the surface.
    slider.setRange(0, 0);
    slider.setBounds(10, 10, 12, 20);
    slider.thumb().x = 4;
    slider.setDragging(true);
    Graphics g(12, 20);
    slider.paint(g);
    for (int x = 4; x < 12; ++x) EXPECT_EQ(GetBValue(::GetPixel(g.getHDC(), x, 3)), 255) << x;
    slider.setDragging(false);
}

TEST(ProgressBar, FillsItsFrameToThePercentageWithACentredCaption) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    ProgressBar bar;
    ASSERT_TRUE(bar.createWithDefaultBounds(frame.m_hWnd));
    bar.setBounds(0, 0, 200, 22);
    bar.setBackColor(0xFFFFFF);
    bar.setText(L"");
    auto filled = [](COLORREF c) { return GetBValue(c) > GetRValue(c) + 100; };

    std::vector<int> filledLeft;
    std::vector<int> filledRight;
    for (int percent : {0, 50, 100}) {
        bar.setValue(percent);
        Graphics g(200, 22);
        bar.paint(g);
        filledLeft.push_back(countPixels(g, Rect(10, 11, 80, 1), filled));
        filledRight.push_back(countPixels(g, Rect(110, 11, 80, 1), filled));
    }
    EXPECT_EQ(filledLeft, (std::vector<int>{0, 80, 80}));
    EXPECT_EQ(filledRight, (std::vector<int>{0, 0, 80}));

    bar.setValue(130);  // never painted past its end
    {
        Graphics g(200, 22);
        bar.paint(g);
        EXPECT_EQ(countPixels(g, Rect(110, 11, 80, 1), filled), 80);
    }

    bar.setText(L"50%");
    bar.setValue(0);
    Graphics g(200, 22);
    bar.paint(g);
    auto columns = darkColumns(g, Rect(3, 3, 194, 16));
    ASSERT_GE(columns.first, 0);
    const int middle = (columns.first + columns.second) / 2;
    EXPECT_NEAR(middle, 100, 3);
}

TEST(LabelComponent, DrawsItsTextFromTheTopLeftOnItsBackColour) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    LabelComponent label;
    ASSERT_TRUE(label.createWithDefaultBounds(frame.m_hWnd));
    label.setBounds(0, 0, 200, 20);
    label.setBackColor(0x00FFFF);
    label.setTextColor(0);
    label.setText(L"Label text");
    Graphics g(200, 20);
    label.paint(g);
    auto columns = darkColumns(g, Rect(0, 0, 200, 20));
    EXPECT_GE(columns.first, 2);
    EXPECT_LE(columns.first, 4);
    EXPECT_LT(columns.second, 100);
    EXPECT_EQ(countPixels(g, Rect(0, 0, 2, 20), isDark), 0);
    EXPECT_EQ(countPixels(g, Rect(0, 0, 200, 2), isDark), 0);
    EXPECT_EQ(::GetPixel(g.getHDC(), 150, 10), static_cast<COLORREF>(0x00FFFF));
}
