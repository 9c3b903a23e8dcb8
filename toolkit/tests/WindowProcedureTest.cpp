#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

// Records which object the procedure had bound when each message arrived.
class BindingProbe : public BaseWindow {
public:
    BindingProbe() { registerClass(L"BindingProbe", nullptr, 0); }
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_NCCREATE) handleAtNcCreate = m_hWnd;
        if (msg == WM_GETMINMAXINFO) ++minMaxInfoSeen;
        return BaseWindow::windowProc(hwnd, msg, wParam, lParam);
    }
    HWND handleAtNcCreate = nullptr;
    int minMaxInfoSeen = 0;
};

}  // namespace

TEST(WindowProcedure, BindsTheObjectAtNcCreate) {
    BindingProbe probe;
    ASSERT_TRUE(probe.create());
    EXPECT_NE(probe.handleAtNcCreate, nullptr);
    EXPECT_EQ(probe.handleAtNcCreate, probe.m_hWnd);
    EXPECT_EQ(windowObjectOf(probe.m_hWnd), &probe);
    // WM_GETMINMAXINFO comes before WM_NCCREATE for a top-level window: nobody is bound
    // yet, so it goes to DefWindowProcW and not to the object.
    EXPECT_EQ(probe.minMaxInfoSeen, 0);
}

TEST(WindowProcedure, DestroyDetachesTheObject) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    HWND hwnd = frame.m_hWnd;
    frame.destroy();
    EXPECT_EQ(frame.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));

    // A window destroyed from outside clears the object's handle and its user data.
    ASSERT_TRUE(frame.create());
    hwnd = frame.m_hWnd;
    frame.messages.clear();
    ::DestroyWindow(hwnd);
    EXPECT_EQ(frame.m_hWnd, nullptr);
    EXPECT_TRUE(frame.received(WM_DESTROY));
}

TEST(WindowProcedure, CommandGoesToTheControlFormThenTheFallback) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    ::SendMessageW(frame.m_hWnd, WM_COMMAND, MAKEWPARAM(112, 0), 0);
    EXPECT_EQ(frame.commands, std::vector<int>{112});
    EXPECT_TRUE(frame.fallbackCommands.empty());

    frame.handleCommands = false;
    ::SendMessageW(frame.m_hWnd, WM_COMMAND, MAKEWPARAM(100, 1), 0);
    EXPECT_EQ(frame.fallbackCommands, std::vector<int>{100});
}

TEST(WindowProcedure, RefusedCloseKeepsTheWindowAndSwallowsTheMessage) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    frame.allowClose = false;
    frame.messages.clear();
    ::SendMessageW(frame.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(frame.closeRequests, 1);
    EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    EXPECT_FALSE(frame.received(WM_CLOSE));  // never reached the default procedure

    frame.allowClose = true;
    ::SendMessageW(frame.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(frame.m_hWnd, nullptr);
}

TEST(WindowProcedure, SubclassedControlGetsItsProcedureBackWhenDestroyed) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    BaseWindow edit;
    edit.m_hWnd = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 50, 20, frame.m_hWnd, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit.m_hWnd, nullptr);
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit.m_hWnd, GWLP_WNDPROC));
    subclassControl(edit);
    EXPECT_EQ(edit.getSavedWindowProc(), original);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit.m_hWnd, GWLP_WNDPROC)), windowProcedure);

    // The control still works through its own procedure.
    edit.setText(L"typed");
    EXPECT_EQ(edit.getText(), L"typed");

    HWND hwnd = edit.m_hWnd;
    edit.destroy();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_EQ(edit.getSavedWindowProc(), nullptr);
}

TEST(WindowProcedure, ExceptionInAHandlerNeverLeavesTheProcedure) {
    class Throwing : public RecordingFrame {
    public:
        bool onTimer(WPARAM, LPARAM) override { throw std::runtime_error("boom"); }
    };
    Throwing frame;
    ASSERT_TRUE(frame.create());
    EXPECT_NO_THROW(::SendMessageW(frame.m_hWnd, WM_TIMER, 1, 0));
}

TEST(WindowText, ReadsTextsLongerThanTwoThousandCharacters) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    std::wstring longText(5000, L'x');
    longText += L"end";
    frame.setText(longText);
    EXPECT_EQ(frame.getText(), longText);
    EXPECT_EQ(frame.getTextCopy(), longText);
}

TEST(WindowText, DumpsWriteQuotesUnescaped) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    frame.setText(L"say \"hi\"");
    std::wstring xml = frame.toXML();
    EXPECT_EQ(xml.rfind(L"<Component Class=\"RecordingFrame\"", 0), 0u);
    EXPECT_NE(xml.find(L"Text=\"say \"hi\"\" />"), std::wstring::npos);
    EXPECT_NE(frame.toString().find(L"RecordingFrame, "), std::wstring::npos);
}

TEST(WindowText, OperationsWithoutAWindowAnswerNeutrally) {
    Component component;
    EXPECT_EQ(component.getText(), L"");
    EXPECT_EQ(component.getWidth(), 0);
    EXPECT_FALSE(component.isVisible());
    EXPECT_FALSE(component.isEnabled());
    EXPECT_FALSE(component.hasFocus());
    component.setBounds(1, 2, 3, 4);
    component.setVisible(true);
    component.centreInParent();
    EXPECT_EQ(component.m_hWnd, nullptr);
}
