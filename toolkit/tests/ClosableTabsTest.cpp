#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/TabbedPane.h"

namespace {

class SelectionRecorder : public ChangeListener {
public:
    void stateChanged(ChangeEvent event) override { codes.push_back(event.id); }
    std::vector<int> codes;
};

class RefusingListener : public TabListener {
public:
    bool canRemoveTab(TabbedPane&, int index) override { return index != refused; }
    int refused = -1;
};

// Keys that a thread timer posts once the menu's own loop runs.
std::vector<WPARAM> menuKeys;
HWND menuKeyTarget = nullptr;

void CALLBACK pressMenuKeys(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    for (WPARAM key : menuKeys) {
        ::PostMessageW(menuKeyTarget, WM_KEYDOWN, key, 1);
        ::PostMessageW(menuKeyTarget, WM_KEYUP, key, 0xC0000001);
    }
    menuKeys.clear();
}

std::wstring titles(const TabbedPane& pane) {
    std::wstring all;
    for (int i = 0; i < pane.getTabCount(); ++i) all += pane.getTabTitle(i) + L"|";
    return all;
}

POINT middleOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

class ClosableTabs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ::SetWindowPos(frame.m_hWnd, HWND_TOP, 60, 60, 500, 300, SWP_SHOWWINDOW);
        ::SetForegroundWindow(frame.m_hWnd);
        menuKeyTarget = frame.m_hWnd;
        ASSERT_TRUE(pane.create(frame.m_hWnd, TabbedPane::kTop));
        pane.setBounds(0, 0, 400, 200);
        const wchar_t* names[] = {L"A", L"B", L"C", L"D"};
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(pages[i].createWithDefaultBounds(frame.m_hWnd));
            pages[i].setBounds(0, 30, 400, 170);
            pane.addTab(names[i], &pages[i]);
        }
        pane.setClosable(true);
        pane.addChangeListener(&recorder);
    }
    void TearDown() override {
        ::ReleaseCapture();
        ::SetCursorPos(0, 0);
    }

    void moveTo(POINT p) {
        ::ClientToScreen(pane.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
    }
    void press(POINT p) {
        moveTo(p);
        ::SendMessageW(pane.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }
    void release(POINT p) {
        moveTo(p);
        ::SendMessageW(pane.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    POINT closeBoxOf(int index) {
        RECT box{};
        EXPECT_TRUE(pane.getCloseBoxRect(index, box));
        return middleOf(box);
    }
    // Opens the tab menu with a right press on the tab and chooses with the keys.
    void chooseFromMenu(int index, std::vector<WPARAM> keys) {
        RECT tab{};
        pane.getTabRect(index, tab);
        POINT p{tab.left + 10, tab.top + 10};
        moveTo(p);
        menuKeys = std::move(keys);
        ::SetTimer(nullptr, 0, 100, pressMenuKeys);
        ::SendMessageW(pane.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.x, p.y));
        pumpMessages();
    }

    RecordingFrame frame;
    TabbedPane pane;
    ClickableComponent pages[4];
    SelectionRecorder recorder;
};

TEST_F(ClosableTabs, TheCloseBoxSitsAtTheFarEndOfEachTab) {
    RECT tab{};
    RECT box{};
    pane.getTabRect(1, tab);
    ASSERT_TRUE(pane.getCloseBoxRect(1, box));
    EXPECT_EQ(box.right - box.left, TabbedPane::kCloseBoxSize);
    EXPECT_EQ(box.bottom - box.top, TabbedPane::kCloseBoxSize);
    EXPECT_GT(box.left, (tab.left + tab.right) / 2);
    EXPECT_LT(box.right, tab.right);
    EXPECT_EQ(pane.hitTestCloseBox(middleOf(box).x, middleOf(box).y), 1);
    EXPECT_EQ(pane.hitTestCloseBox(tab.left + 5, 5), -1);

    // On a vertical strip the box goes to the bottom end of the tab.
    pane.setTabPlacement(TabbedPane::kLeft);
    pane.getTabRect(2, tab);
    ASSERT_TRUE(pane.getCloseBoxRect(2, box));
    EXPECT_GT(box.top, (tab.top + tab.bottom) / 2);
    EXPECT_LT(box.bottom, tab.bottom);
    EXPECT_GE(box.left, tab.left);
    EXPECT_LE(box.right, tab.right);

    EXPECT_FALSE(pane.getCloseBoxRect(9, box));
    pane.setClosable(false);
    EXPECT_FALSE(pane.getCloseBoxRect(0, box));
    EXPECT_EQ(pane.hitTestCloseBox(middleOf(box).x, middleOf(box).y), -1);
}

TEST_F(ClosableTabs, AReleaseOnTheCloseBoxClosesTheTabWithoutSelectingIt) {
    pane.select(0, false);
    const POINT box = closeBoxOf(2);
    press(box);
    EXPECT_EQ(pane.getSelectedIndex(), 0) << "the press only arms the box";
    release(box);
    EXPECT_EQ(titles(pane), L"A|B|D|");
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_TRUE(::IsWindow(pages[2].m_hWnd)) << "the component is not destroyed";

    // Released away from the box that was pressed: nothing closes.
    press(closeBoxOf(1));
    release(closeBoxOf(2));
    EXPECT_EQ(titles(pane), L"A|B|D|");

    // Closing the selected tab selects its neighbour and tells the listeners.
    pane.select(2, false);
    press(closeBoxOf(2));
    release(closeBoxOf(2));
    EXPECT_EQ(titles(pane), L"A|B|");
    EXPECT_EQ(pane.getSelectedIndex(), 1);
    EXPECT_TRUE(pages[1].isVisible());
    EXPECT_FALSE(pages[3].isVisible());
    EXPECT_EQ(recorder.codes, std::vector<int>{TabbedPane::kSelectionChange});
}

TEST_F(ClosableTabs, WithoutTheFlagThePressOnThatSpotSelectsTheTab) {
    const POINT box = closeBoxOf(2);
    pane.setClosable(false);
    press(box);
    release(box);
    EXPECT_EQ(pane.getTabCount(), 4);
    EXPECT_EQ(pane.getSelectedIndex(), 2);
    // And a right press opens no menu: the test would wait in it otherwise.
    EXPECT_EQ(::SendMessageW(pane.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(box.x, box.y)), 0);
}

TEST_F(ClosableTabs, TheRightPressMenuClosesTheOtherTabs) {
    pane.select(3, false);
    // Close, separator, Close Other Tabs, ...: the second Down skips the separator.
    chooseFromMenu(1, {VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(titles(pane), L"B|");
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    EXPECT_TRUE(pages[1].isVisible());
    // The selection moved once, straight to the kept tab.
    EXPECT_EQ(recorder.codes, std::vector<int>{TabbedPane::kSelectionChange});

    chooseFromMenu(0, {VK_ESCAPE});
    EXPECT_EQ(titles(pane), L"B|");
}

TEST_F(ClosableTabs, MenuCommandsCloseTheirSideAndRespectRefusals) {
    pane.select(0, false);
    pane.runTabMenuCommand(TabbedPane::kCloseRightTabs, 1);
    EXPECT_EQ(titles(pane), L"A|B|");
    EXPECT_EQ(pane.getSelectedIndex(), 0);

    pane.addTab(L"C", &pages[2]);
    pane.addTab(L"D", &pages[3]);
    RefusingListener listener;
    listener.refused = 1;
    pane.setTabListener(&listener);
    pane.runTabMenuCommand(TabbedPane::kCloseLeftTabs, 3);
    EXPECT_EQ(titles(pane), L"B|D|");
    EXPECT_EQ(pane.getSelectedIndex(), 1) << "the selection went to the tab the menu was opened on";
    pane.runTabMenuCommand(TabbedPane::kCloseTab, 1);
    EXPECT_EQ(titles(pane), L"B|D|");
    pane.setTabListener(nullptr);
    pane.runTabMenuCommand(TabbedPane::kCloseTab, 0);
    EXPECT_EQ(titles(pane), L"D|");
    pane.runTabMenuCommand(TabbedPane::kCloseOtherTabs, 5);  // no such tab: nothing
    EXPECT_EQ(titles(pane), L"D|");
}

TEST_F(ClosableTabs, TheCloseBoxIsDrawnOnlyOnClosableTabs) {
    // Magenta reads the same whichever way round the colour bytes are stored.
    const COLORREF mark = RGB(255, 0, 255);
    pane.setTextColor(mark);
    RECT box{};
    pane.getCloseBoxRect(1, box);
    auto markedPixels = [&] {
        Graphics g(pane.getWidth(), pane.getHeight());
        pane.paint(g);
        ::GdiFlush();
        int count = 0;
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                if ((g.getImage().getPixel(x, y) & 0xFFFFFF) == mark) ++count;
            }
        }
        return count;
    };
    EXPECT_GE(markedPixels(), 10) << "the two strokes of the X";
    pane.setClosable(false);
    EXPECT_EQ(markedPixels(), 0);
}

// Not a check: shows closable tabs for a screenshot. Run it by hand with
// --gtest_also_run_disabled_tests --gtest_filter=*ClosableTabsGallery* under a display.
TEST(ClosableTabsGallery, DISABLED_ShowClosableTabs) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    frame.setText(L"Closable tabs");
    frame.setBounds(20, 20, 420, 300);
    TabbedPane top;
    ASSERT_TRUE(top.create(frame.m_hWnd, TabbedPane::kTop));
    top.setBounds(10, 10, 380, 120);
    TabbedPane left;
    ASSERT_TRUE(left.create(frame.m_hWnd, TabbedPane::kLeft));
    left.setBounds(10, 140, 380, 110);
    ClickableComponent pages[5];
    const wchar_t* names[] = {L"Lyrics", L"File", L"Words"};
    for (int i = 0; i < 3; ++i) {
        pages[i].create(top.m_hWnd, 0, 24, 380, 96);
        top.addTab(names[i], &pages[i]);
    }
    for (int i = 3; i < 5; ++i) {
        pages[i].create(left.m_hWnd, 24, 0, 356, 110);
        left.addTab(names[i - 3], &pages[i]);
    }
    top.setClosable(true);
    left.setClosable(true);
    top.select(1, false);
    left.select(0, false);
    frame.setVisible(true);
    // The cursor over the last tab's close box shows its hover face.
    RECT box{};
    top.getCloseBoxRect(2, box);
    POINT p{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    ::ClientToScreen(top.m_hWnd, &p);
    ::SetCursorPos(p.x, p.y);
    ::SendMessageW(top.m_hWnd, WM_MOUSEMOVE, 0, 0);
    const char* seconds = std::getenv("GALLERY_SECONDS");
    pumpUntil([] { return false; }, (seconds ? std::atoi(seconds) : 3) * 1000);
}
