#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/TextField.h"
#include "toolkit/widgets/UpDownTextField.h"

namespace {

// Records the value notices an UpDownTextField posts.
class ValueFrame : public RecordingFrame {
public:
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_VSCROLL) scrollValues.push_back(static_cast<short>(HIWORD(wParam)));
        if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) changeNotices.push_back(LOWORD(wParam));
        return RecordingFrame::windowProc(hwnd, msg, wParam, lParam);
    }
    bool onCommand(HWND control, int id, int code) override {
        if (code == EN_CHANGE) changeNotices.push_back(id);
        return true;
    }
    std::vector<int> scrollValues;
    std::vector<int> changeNotices;
};

// Sets or clears a key in this thread's keyboard state, as GetKeyState reads it.
void setKeyHeld(int key, bool held) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[key] = held ? 0x80 : 0;
    ::SetKeyboardState(state);
}

}  // namespace

class UpDownField : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ::SetWindowPos(frame.m_hWnd, nullptr, 60, 60, 400, 300, SWP_NOZORDER);
        frame.setVisible(true);
        ASSERT_TRUE(field.create(frame.m_hWnd, 20, 20, 120, 24));
        ::SetWindowLongW(field.m_hWnd, GWL_ID, 7);
        pumpMessages();
        frame.scrollValues.clear();
        frame.changeNotices.clear();
    }
    void TearDown() override {
        setKeyHeld(VK_CONTROL, false);
        setKeyHeld(VK_TAB, false);
        ::ReleaseCapture();
    }

    // Moves the real cursor to a point of the field: mouse handling reads GetCursorPos.
    void cursorAt(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(field.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
    }
    void mouse(UINT msg, int x, int y) {
        cursorAt(x, y);
        ::SendMessageW(field.m_hWnd, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    }

    ValueFrame frame;
    UpDownTextField field;
    TextField next;
};

TEST_F(UpDownField, StartsAtZeroAndClampsAndFormatsItsValue) {
    EXPECT_EQ(field.getInnerField().getText(), L"0");
    field.setValue(150);
    EXPECT_EQ(field.getValue(), 100);
    EXPECT_EQ(field.getTextCopy(), L"100");
    field.setValue(-3);
    EXPECT_EQ(field.getInnerField().getText(), L"0");
    field.setRange(10, 20);
    EXPECT_EQ(field.getValue(), 10);
    field.setValue(12.9);
    EXPECT_EQ(field.getTextCopy(), L"12");
}

TEST_F(UpDownField, FractionalStepShowsOneDecimal) {
    field.setStep(0.5f);
    field.setValue(2.5);
    EXPECT_EQ(field.getTextCopy(), L"2.5");
    EXPECT_DOUBLE_EQ(field.getDoubleValue(), 2.5);
    EXPECT_EQ(field.getValue(), 2);
    ::SendMessageW(field.m_hWnd, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(field.getTextCopy(), L"3.0");
}

TEST_F(UpDownField, ArrowKeysAndWheelStepByTheStepAndCtrlBySteps) {
    field.setValue(50);
    field.setStep(2.0f);
    HWND inner = field.getInnerField().m_hWnd;
    // Keys typed in the digit field reach the UpDownTextField first.
    ::SendMessageW(inner, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(field.getValue(), 52);
    ::SendMessageW(inner, WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessageW(inner, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(field.getValue(), 48);
    setKeyHeld(VK_CONTROL, true);
    ::SendMessageW(inner, WM_KEYDOWN, VK_UP, 0);  // ten steps of 2 for the range 0..100
    setKeyHeld(VK_CONTROL, false);
    EXPECT_EQ(field.getValue(), 68);

    cursorAt(30, 10);
    POINT screen{30, 10};
    ::ClientToScreen(field.m_hWnd, &screen);
    ::SendMessageW(field.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(field.getValue(), 72);
}

TEST_F(UpDownField, ClickOnAnArrowStepsAndDraggingMovesOneUnitPerPixel) {
    field.setValue(40);
    field.setStep(5.0f);
    const int arrowX = field.getWidth() - 5;
    mouse(WM_LBUTTONDOWN, arrowX, 4);
    EXPECT_EQ(field.getValue(), 45);
    mouse(WM_MOUSEMOVE, arrowX, -1);  // five pixels up: five units, whatever the step
    EXPECT_EQ(field.getValue(), 50);
    mouse(WM_MOUSEMOVE, arrowX, 1);
    EXPECT_EQ(field.getValue(), 48);
    mouse(WM_LBUTTONUP, arrowX, 1);
    mouse(WM_MOUSEMOVE, arrowX, 20);
    EXPECT_EQ(field.getValue(), 48);
    mouse(WM_LBUTTONDOWN, arrowX, field.getHeight() - 3);
    mouse(WM_LBUTTONUP, arrowX, field.getHeight() - 3);
    EXPECT_EQ(field.getValue(), 43);
    // A quick second click arrives as a double click and steps too.
    mouse(WM_LBUTTONDBLCLK, arrowX, field.getHeight() - 3);
    mouse(WM_LBUTTONUP, arrowX, field.getHeight() - 3);
    EXPECT_EQ(field.getValue(), 38);
}

TEST_F(UpDownField, TypingPastTheMaximumTurnsTheTextIntoTheMaximumWhenTheFocusLeaves) {
    ASSERT_TRUE(next.create(frame.m_hWnd, 20, 60, 120, 22));
    field.setFocus();
    HWND inner = field.getInnerField().m_hWnd;
    field.getInnerField().setText(std::wstring());
    for (wchar_t c : std::wstring(L"500")) ::SendMessageW(inner, WM_CHAR, c, 1);
    next.setFocus();
    EXPECT_EQ(field.getInnerField().getText(), L"100");
    EXPECT_EQ(field.getValue(), 100);
}

TEST_F(UpDownField, AValueTypedThroughOneBelowTheMinimumStandsOnEnter) {
    field.setRange(50, 360);
    field.setValue(50);
    field.setFocus();
    HWND inner = field.getInnerField().m_hWnd;
    for (wchar_t c : std::wstring(L"80")) ::SendMessageW(inner, WM_CHAR, c, 1);
    ::SendMessageW(inner, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(field.getInnerField().getText(), L"80");
    EXPECT_EQ(field.getValue(), 80);
    ::SendMessageW(inner, EM_SETSEL, 0, -1);
    ::SendMessageW(inner, WM_CHAR, L'7', 1);
    EXPECT_EQ(field.getInnerField().getText(), L"7");
    EXPECT_EQ(field.getValue(), 80) << "the value stays in the range while a text is typed";
    ::SendMessageW(inner, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(field.getInnerField().getText(), L"50");
}

TEST_F(UpDownField, EveryChangeIsPostedToTheParentWithItsValue) {
    field.setValue(33);
    pumpMessages();
    ASSERT_FALSE(frame.changeNotices.empty());
    EXPECT_EQ(frame.changeNotices.back(), 7);
    ASSERT_FALSE(frame.scrollValues.empty());
    EXPECT_EQ(frame.scrollValues.back(), 33);
}

TEST_F(UpDownField, PreferredWidthCoversSignAndFractionAndSurvivesMaximaBelowOne) {
    field.setRange(0, 9);
    const int oneDigit = field.getPreferredWidth();
    field.setRange(0, 0);
    EXPECT_EQ(field.getPreferredWidth(), oneDigit);
    field.setRange(0, 999);
    EXPECT_GT(field.getPreferredWidth(), oneDigit);
    field.setRange(-9, 9);
    const int signed1 = field.getPreferredWidth();
    EXPECT_GT(signed1, oneDigit);
    field.setRange(-20, -5);
    EXPECT_GT(field.getPreferredWidth(), signed1);
    EXPECT_EQ(field.getValue(), -5);
    field.setStep(0.5f);
    EXPECT_GT(field.getPreferredWidth(), signed1);
}

TEST_F(UpDownField, DigitFieldShowsEveryValueWholeInItsFont) {
    HWND inner = field.getInnerField().m_hWnd;
    for (int height : {-11, -13, -16, -20}) {
        HFONT font = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg");
        ::SendMessageW(inner, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        for (auto range : {std::pair<int, int>{50, 360}, {8, 32}, {-9, 9}}) {
            field.setRange(range.first, range.second);
            RECT client{};
            ::GetClientRect(inner, &client);
            const auto margins = static_cast<DWORD>(::SendMessageW(inner, EM_GETMARGINS, 0, 0));
            HDC dc = ::GetDC(inner);
            HGDIOBJ previous = ::SelectObject(dc, font);
            int widest = 0;
            for (int value = range.first; value <= range.second; ++value) {
                const std::wstring text = std::to_wstring(value);
                SIZE extent{};
                ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
                widest = std::max(widest, static_cast<int>(extent.cx));
            }
            ::SelectObject(dc, previous);
            ::ReleaseDC(inner, dc);
            EXPECT_LE(widest + LOWORD(margins) + HIWORD(margins), client.right) << height << " " << range.second;
        }
        ::SendMessageW(inner, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        ::DeleteObject(font);
    }
}

TEST_F(UpDownField, LabelWidensTheFieldOnAdjustSize) {
    const int plain = field.getWidth();
    field.setText(L"");
    EXPECT_EQ(field.getText(), L" ");
    field.setText(L"Tempo");
    field.adjustSize();
    const int preferred = field.getPreferredWidth();
    EXPECT_GT(field.getWidth(), preferred + 23);
    EXPECT_NE(field.getWidth(), plain);
    EXPECT_EQ(field.getInnerField().getX() + preferred, field.getWidth() - 13);
    EXPECT_EQ(field.getHeight(), 24);
}

TEST_F(UpDownField, FocusGoesToTheDigitFieldAndTabInItMovesOn) {
    ASSERT_TRUE(next.create(frame.m_hWnd, 20, 60, 120, 22));
    field.setValue(12);
    field.setFocus();
    HWND inner = field.getInnerField().m_hWnd;
    EXPECT_EQ(::GetFocus(), inner);
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(inner, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u);
    // Tab in the digit field climbs to the UpDownTextField, which passes the focus on.
    setKeyHeld(VK_TAB, true);
    ::SendMessageW(inner, WM_CHAR, L'\t', 1);
    setKeyHeld(VK_TAB, false);
    EXPECT_TRUE(next.hasFocus());
}
