#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

class WheelComponent : public Component {
public:
    bool onMouseWheel(int, int, int, int notches) override {
        wheelNotches += notches;
        return true;
    }
    int wheelNotches = 0;
};

}  // namespace

class FocusTraversal : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ::SetWindowPos(frame.m_hWnd, nullptr, 100, 100, 400, 300, SWP_NOZORDER);
        frame.setVisible(true);
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(stops[i].createWithDefaultBounds(frame.m_hWnd));
            stops[i].setBounds(10, 10 + 40 * i, 100, 30);
        }
        stops[0].setFocus();
        pumpMessages();
        ASSERT_TRUE(stops[0].hasFocus());
    }

    RecordingFrame frame;
    ClickableComponent stops[3];
};

TEST_F(FocusTraversal, TabKeyMovesToTheNextTabStop) {
    ::SendMessageW(stops[0].m_hWnd, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(stops[1].hasFocus());
    EXPECT_TRUE(stops[1].isFocused());
    EXPECT_FALSE(stops[0].isFocused());
}

TEST_F(FocusTraversal, BackwardsFromTheFirstWrapsToTheLast) {
    EXPECT_TRUE(moveFocus(stops[0], false, nullptr));
    EXPECT_TRUE(stops[2].hasFocus());
    EXPECT_TRUE(moveFocus(stops[2], true, nullptr));
    EXPECT_TRUE(stops[0].hasFocus());
}

TEST_F(FocusTraversal, SkipsDisabledAndHiddenWindows) {
    stops[1].setEnabled(false);
    EXPECT_TRUE(moveFocus(stops[0], true, nullptr));
    EXPECT_TRUE(stops[2].hasFocus());
    stops[1].setEnabled(true);
    stops[0].setVisible(false);
    EXPECT_TRUE(moveFocus(stops[2], true, nullptr));
    EXPECT_TRUE(stops[1].hasFocus());
}

TEST_F(FocusTraversal, LastStopOfAPaneWrapsInsideThePane) {
    BaseWindow pane;
    ASSERT_TRUE(pane.create(frame.m_hWnd, 150, 10, 200, 200));
    ClickableComponent inner[2];
    for (auto& c : inner) ASSERT_TRUE(c.createWithDefaultBounds(pane.m_hWnd));
    inner[1].setFocus();
    EXPECT_TRUE(moveFocus(inner[1], true, nullptr));
    EXPECT_TRUE(inner[0].hasFocus());
}

TEST_F(FocusTraversal, AloneWithNoOtherStopGivesFalse) {
    stops[1].setEnabled(false);
    stops[2].setEnabled(false);
    EXPECT_FALSE(moveFocus(stops[0], true, nullptr));
}

TEST(MouseWheel, GoesToTheSiblingUnderTheCursor) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    ::SetWindowPos(frame.m_hWnd, nullptr, 50, 50, 400, 300, SWP_NOZORDER);
    frame.setVisible(true);
    WheelComponent left;
    WheelComponent right;
    ASSERT_TRUE(left.create(frame.m_hWnd, 0, 0, 100, 100));
    ASSERT_TRUE(right.create(frame.m_hWnd, 200, 0, 100, 100));
    pumpMessages();

    POINT inRight{250, 50};
    ::ClientToScreen(frame.m_hWnd, &inRight);
    ::SetCursorPos(inRight.x, inRight.y);
    ::SendMessageW(left.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA * 2), MAKELPARAM(inRight.x, inRight.y));
    EXPECT_EQ(right.wheelNotches, -2);
    EXPECT_EQ(left.wheelNotches, 0);
}

TEST(Placement, CentreInParentCentresOnAParentAwayFromTheEdge) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    ::SetWindowPos(frame.m_hWnd, nullptr, 300, 200, 400, 300, SWP_NOZORDER);
    BaseWindow child;
    ASSERT_TRUE(child.create(frame.m_hWnd, 0, 0, 100, 50));
    child.centreInParent();
    RECT parent{};
    RECT own{};
    ::GetWindowRect(frame.m_hWnd, &parent);
    ::GetWindowRect(child.m_hWnd, &own);
    EXPECT_NEAR((own.left + own.right) / 2, (parent.left + parent.right) / 2, 1);
    EXPECT_NEAR((own.top + own.bottom) / 2, (parent.top + parent.bottom) / 2, 1);
    EXPECT_EQ(own.right - own.left, 100);
}

TEST(Placement, ChildPositionIsInTheParentsClientCoordinates) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    ::SetWindowPos(frame.m_hWnd, nullptr, 300, 200, 400, 300, SWP_NOZORDER);
    Component child;
    ASSERT_TRUE(child.create(frame.m_hWnd, 12, 34, 56, 78));
    EXPECT_EQ(child.getX(), 12);
    EXPECT_EQ(child.getY(), 34);
    EXPECT_EQ(child.getWidth(), 56);
    EXPECT_EQ(child.getHeight(), 78);
    EXPECT_EQ(child.getClassName(), L"BaseWindowPane");
}

TEST(Registration, TheFirstClassAnObjectRegistersStays) {
    Component plain;
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    ASSERT_TRUE(plain.createWithDefaultBounds(frame.m_hWnd));
    EXPECT_EQ(plain.getClassName(), L"Component");
    EXPECT_EQ(plain.getText(), L"Component");
    EXPECT_EQ(plain.registerClass(L"Other"), 0);
    EXPECT_EQ(plain.getClassName(), L"Component");
    EXPECT_TRUE(plain.getStyle() & WS_TABSTOP);
}
