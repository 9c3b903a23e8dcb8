#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/Caption.h"
#include "toolkit/widgets/CheckBox.h"

namespace {

// Everything that hears of a click writes into one log, so the order shows.
std::vector<std::string> clickLog;

class LoggingFrame : public RecordingFrame {
public:
    bool onCommand(HWND control, int id, int code) override {
        clickLog.push_back("command " + std::to_string(id) + " " + std::to_string(code));
        return RecordingFrame::onCommand(control, id, code);
    }
};

class LoggingListener : public ActionListener, public ChangeListener {
public:
    void actionPerformed(ActionEvent event) override { clickLog.push_back("action"); }
    void handleEvent(EventObject* event) override { ChangeListener::handleEvent(event); }
    void stateChanged(ChangeEvent event) override { clickLog.push_back("change"); }
};

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        clickLog.clear();
        ASSERT_TRUE(frame.create());
        frame.setBounds(0, 0, 400, 300);
        frame.setVisible(true);
        ASSERT_TRUE(button.create(frame.m_hWnd, 5, L"OK", 10, 10, 80, 24));
        button.setActionListener(&listener);
        button.addChangeListener(&listener);
    }
    // Moves the real cursor to a point of the button's client area (mouse handling reads it).
    void moveTo(BaseWindow& window, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(window.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
        ::SendMessageW(window.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    void mouse(BaseWindow& window, UINT msg) { ::SendMessageW(window.m_hWnd, msg, 0, 0); }
    void key(BaseWindow& window, UINT msg, WPARAM vk) { ::SendMessageW(window.m_hWnd, msg, vk, 0); }
    void click(BaseWindow& window) {
        moveTo(window, 5, 5);
        mouse(window, WM_LBUTTONDOWN);
        mouse(window, WM_LBUTTONUP);
    }

    LoggingFrame frame;
    Button button;
    LoggingListener listener;
};

TEST_F(ButtonTest, AClickReachesParentThenActionThenChangeListeners) {
    click(button);
    EXPECT_EQ(clickLog, (std::vector<std::string>{"command 5 245", "action", "change"}));
    EXPECT_EQ(button.getState(), 1);
    EXPECT_TRUE(button.isSelected());
    click(button);
    EXPECT_EQ(button.getState(), 0);
    EXPECT_EQ(clickLog.size(), 6u);
}

TEST_F(ButtonTest, ReleasingOutsideDoesNothingButComingBackClicks) {
    moveTo(button, 5, 5);
    mouse(button, WM_LBUTTONDOWN);
    EXPECT_TRUE(button.looksPressed());
    moveTo(button, 200, 200);
    EXPECT_FALSE(button.looksPressed());
    mouse(button, WM_LBUTTONUP);
    EXPECT_TRUE(clickLog.empty());
    EXPECT_EQ(button.getState(), 0);

    moveTo(button, 5, 5);
    mouse(button, WM_LBUTTONDOWN);
    moveTo(button, 200, 200);
    moveTo(button, 6, 6);
    mouse(button, WM_LBUTTONUP);
    EXPECT_EQ(button.getState(), 1);
    EXPECT_EQ(clickLog.size(), 3u);
}

TEST_F(ButtonTest, KeysClickOnceEach) {
    key(button, WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(button.getState(), 1);
    key(button, WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(button.looksPressed());
    key(button, WM_KEYDOWN, VK_RETURN);  // ignored while Space is held
    EXPECT_EQ(button.getState(), 1);
    key(button, WM_KEYUP, VK_SPACE);
    EXPECT_EQ(button.getState(), 0);
    EXPECT_EQ(clickLog.size(), 6u);
    key(button, WM_KEYUP, VK_SPACE);  // a stray release is no click
    key(button, WM_KEYDOWN, 'A');
    EXPECT_EQ(clickLog.size(), 6u);
    EXPECT_EQ(::SendMessageW(button.m_hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTTAB | DLGC_WANTALLKEYS);
}

TEST_F(ButtonTest, ADoubleClickCountsAsTwoClicks) {
    moveTo(button, 5, 5);
    mouse(button, WM_LBUTTONDOWN);
    mouse(button, WM_LBUTTONUP);
    mouse(button, WM_LBUTTONDBLCLK);
    mouse(button, WM_LBUTTONUP);
    EXPECT_EQ(button.getState(), 0);
    EXPECT_EQ(clickLog.size(), 6u);
}

TEST_F(ButtonTest, SetSelectedChangesTheStateSilently) {
    button.setSelected(true);
    EXPECT_TRUE(button.isSelected());
    button.setState(0);
    EXPECT_FALSE(button.isSelected());
    EXPECT_TRUE(clickLog.empty());
}

TEST_F(ButtonTest, CheckBoxTogglesAndFitsItsText) {
    CheckBox box;
    ASSERT_TRUE(box.create(frame.m_hWnd, 7, L"Download Keyword Sentences", 8, 30, 240, 20));
    EXPECT_EQ(box.getStyle() & 0x50010003, 0x50010003);
    click(box);
    EXPECT_TRUE(box.isSelected());
    click(box);
    EXPECT_FALSE(box.isSelected());
    EXPECT_EQ(clickLog, (std::vector<std::string>{"command 7 245", "command 7 245"}));
    box.adjustSize();
    EXPECT_EQ(box.getWidth(), measureTextWidth(L"Download Keyword Sentences", box.getLogFont()) + 15 + 5);
    EXPECT_EQ(box.getHeight(), 20);
}

// Columns of a painted surface that hold the colour.
std::vector<int> columnsWith(Graphics& g, COLORREF color) {
    ::GdiFlush();
    std::vector<int> columns;
    for (int x = 0; x < g.getWidth(); ++x) {
        for (int y = 0; y < g.getHeight(); ++y) {
            if ((g.getImage().getPixel(x, y) & 0xFFFFFF) == color) {
                columns.push_back(x);
                break;
            }
        }
    }
    return columns;
}

TEST_F(ButtonTest, CheckBoxDrawsItsBoxLeftOrRightOfTheText) {
    CheckBox box;
    ASSERT_TRUE(box.create(frame.m_hWnd, L"Text", 0, 0, 120, 20));
    box.setSelected(true);
    Graphics left(120, 20);
    box.paint(left);
    std::vector<int> fill = columnsWith(left, 0xE18040);
    ASSERT_FALSE(fill.empty());
    EXPECT_LT(fill.back(), 15);

    box.setStyle(box.getStyle() | BS_LEFTTEXT);
    Graphics right(120, 20);
    box.paint(right);
    fill = columnsWith(right, 0xE18040);
    ASSERT_FALSE(fill.empty());
    EXPECT_GE(fill.front(), 120 - 15);
}

TEST_F(ButtonTest, ADisabledButtonIsPaintedGrey) {
    button.setEnabled(false);
    Graphics g(80, 24);
    button.paint(g);
    ::GdiFlush();
    int coloured = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 80; ++x) {
            const DWORD p = g.getImage().getPixel(x, y);
            const int r = p & 0xFF, gr = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
            coloured += std::abs(r - gr) > 2 || std::abs(gr - b) > 2;
        }
    }
    EXPECT_EQ(coloured, 0);
    button.setEnabled(true);
    Graphics enabled(80, 24);
    button.paint(enabled);
    EXPECT_FALSE(columnsWith(enabled, 0xE6E6E6).empty() && columnsWith(enabled, 0xFFFFFF).empty());
}

TEST_F(ButtonTest, NarrowButtonsGetSmallCorners) {
    Button narrow;
    ASSERT_TRUE(narrow.create(frame.m_hWnd, L"", 0, 40, 20, 20));
    Graphics g(20, 20);
    narrow.paint(g);
    ::GdiFlush();
    // With a diameter of 12 the corner pixel (1, 1) would lie outside the rounded frame.
    EXPECT_NE(g.getImage().getPixel(1, 1) & 0xFFFFFF, 0xE6E6E6u);
}

// A face strip whose rows are red (normal), green (hover), blue (pressed), yellow (focused).
void makeFaceStrip(Image& face) {
    ASSERT_TRUE(face.create(64, 64));
    const COLORREF rows[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) face.getBitmap().setPixel(x, y, rows[y / 16]);
    }
}

COLORREF centreOf(Button& button) {
    Graphics g(button.getWidth(), button.getHeight());
    button.paint(g);
    ::GdiFlush();
    return g.getImage().getPixel(button.getWidth() / 2, button.getHeight() / 2) & 0xFFFFFF;
}

TEST_F(ButtonTest, AFaceImageShowsTheRowOfTheCurrentLook) {
    Button face;
    ASSERT_TRUE(face.create(frame.m_hWnd, 9, L"", 100, 100, 100, 24));
    makeFaceStrip(face.getFaceImage());
    EXPECT_EQ(centreOf(face), RGB(255, 0, 0));
    moveTo(face, 50, 12);
    EXPECT_EQ(centreOf(face), RGB(0, 255, 0)) << "hovered";
    mouse(face, WM_LBUTTONDOWN);
    EXPECT_EQ(centreOf(face), RGB(0, 0, 255)) << "pressed";
    moveTo(face, 300, 200);
    EXPECT_EQ(centreOf(face), RGB(255, 255, 0)) << "pressed with the cursor outside";
    mouse(face, WM_LBUTTONUP);

    Caption caption;
    ASSERT_TRUE(caption.create(frame.m_hWnd, 10, L"", 0, 150, 200, 20));
    makeFaceStrip(caption.getFaceImage());
    caption.setSelected(true);
    EXPECT_EQ(centreOf(caption), RGB(0, 0, 255)) << "a selected caption uses row 32";
}

TEST_F(ButtonTest, CaptionCloseButtonTogglesClosedAndTellsTheParent) {
    Caption caption;
    ASSERT_TRUE(caption.create(frame.m_hWnd, 10, L"Channel", 0, 100, 200, 20));
    Caption::CloseButton& close = caption.getCloseButton();
    ASSERT_NE(close.m_hWnd, nullptr);
    EXPECT_EQ(close.getX(), 180);
    caption.setCloseButtonSide(0);
    EXPECT_EQ(close.getX(), 0);
    click(close);
    EXPECT_TRUE(caption.isClosed());
    EXPECT_EQ(clickLog, (std::vector<std::string>{"command 11 0"}));
    click(close);
    EXPECT_FALSE(caption.isClosed());
    clickLog.clear();
    moveTo(caption, 100, 5);
    mouse(caption, WM_LBUTTONDOWN);
    mouse(caption, WM_LBUTTONUP);
    EXPECT_EQ(caption.getState(), 1);
    EXPECT_EQ(clickLog, (std::vector<std::string>{"command 10 245"}));
}

// Not a check: shows every button kind for a screenshot. Run it by hand with
// --gtest_also_run_disabled_tests --gtest_filter=*Gallery* under a display.
TEST(ButtonGallery, DISABLED_ShowEveryButtonKind) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    frame.setText(L"Buttons");
    frame.setBounds(20, 20, 420, 260);
    Button plain, wide, narrow, disabled;
    CheckBox unchecked, checked, leftText, disabledBox;
    Caption caption, closedCaption;
    plain.create(frame.m_hWnd, 1, L"OK", 10, 10, 80, 24);
    wide.create(frame.m_hWnd, 2, L"Download", 100, 10, 140, 24);
    narrow.create(frame.m_hWnd, 3, L"x", 250, 10, 20, 20);
    disabled.create(frame.m_hWnd, 4, L"Disabled", 280, 10, 100, 24);
    disabled.setEnabled(false);
    unchecked.create(frame.m_hWnd, 5, L"Unchecked", 10, 50, 150, 20);
    checked.create(frame.m_hWnd, 6, L"Checked", 10, 75, 150, 20);
    checked.setSelected(true);
    leftText.create(frame.m_hWnd, 7, L"Box at the right", 180, 50, 150, 20);
    leftText.setStyle(leftText.getStyle() | BS_LEFTTEXT);
    leftText.setSelected(true);
    disabledBox.create(frame.m_hWnd, 8, L"Disabled check", 180, 75, 150, 20);
    disabledBox.setSelected(true);
    disabledBox.setEnabled(false);
    caption.create(frame.m_hWnd, 9, L"Caption", 10, 110, 300, 20);
    closedCaption.create(frame.m_hWnd, 10, L"Selected caption", 10, 140, 300, 20);
    closedCaption.setSelected(true);
    closedCaption.getCloseButton().setSelected(true);
    closedCaption.setCloseButtonSide(0);
    frame.setVisible(true);
    plain.setFocus();
    const char* seconds = std::getenv("GALLERY_SECONDS");
    pumpUntil([] { return false; }, (seconds ? std::atoi(seconds) : 3) * 1000);
}

}  // namespace
