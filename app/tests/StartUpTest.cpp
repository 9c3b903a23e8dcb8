#include <gtest/gtest.h>

#include <vector>

#include "app/AcceleratorManager.h"
#include "app/MessageLoop.h"
#include "app/TestApp.h"
#include "player/settings/Settings.h"
#include "testsupport/TestWindows.h"

namespace {

struct Expected {
    WORD command;
    WORD key;
    bool shift;
};

// The player's accelerators, in the order they are entered.
const std::vector<Expected> kAccelerators = {
    {100, 'O', false}, {101, 'P', false}, {102, 'P', true},       {119, VK_UP, false},    {120, VK_DOWN, false},
    {121, VK_RIGHT, false}, {104, 'T', false}, {105, 'T', true},  {106, 'E', false},      {107, 'E', true},
    {108, 'R', false}, {109, 'R', true},   {115, 'L', false},     {114, 'J', false},      {118, VK_SPACE, false},
    {116, 'F', false}, {112, 'S', false},  {117, 'W', false},
};

// Presses a key with Ctrl held as the message loop would see it: the keyboard state
// says Ctrl is down and the key message is queued for the focused window.
void pressCtrlKey(HWND focused, WORD key) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    state[VK_LCONTROL] = 0x80;
    ::SetKeyboardState(state);
    ::PostMessageW(focused, WM_KEYDOWN, key, 1);
}

void releaseCtrl() {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_CONTROL] = 0;
    state[VK_LCONTROL] = 0;
    ::SetKeyboardState(state);
}

void runLoopBriefly(HWND mainWindow, HACCEL table) {
    MSG msg{};
    for (int i = 0; i < 50 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        dispatchWithAccelerators(msg, mainWindow, table);
    }
}

}  // namespace

TEST(Accelerators, TheEighteenAreEnteredInOrder) {
    AcceleratorManager accelerators;
    registerPlayerAccelerators(accelerators);
    const std::vector<ACCEL>& table = accelerators.getAccelerators();
    ASSERT_EQ(table.size(), kAccelerators.size());
    for (size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table[i].cmd, kAccelerators[i].command);
        EXPECT_EQ(table[i].key, kAccelerators[i].key);
        BYTE flags = FVIRTKEY | FCONTROL | (kAccelerators[i].shift ? FSHIFT : 0);
        EXPECT_EQ(table[i].fVirt, flags);
    }
    EXPECT_NE(accelerators.getHandle(), nullptr);
}

TEST(Accelerators, SetAcceleratorReplacesTheFirstRecordOfTheCommand) {
    AcceleratorManager accelerators;
    accelerators.addAccelerator(7, 'A', FCONTROL);
    accelerators.addAccelerator(7, 'B', FCONTROL);
    accelerators.setAccelerator(7, 'C', FSHIFT);
    ASSERT_EQ(accelerators.getAccelerators().size(), 2u);
    EXPECT_EQ(accelerators.getAccelerators()[0].key, 'C');
    EXPECT_EQ(accelerators.getAccelerators()[0].fVirt, FVIRTKEY | FSHIFT);
    EXPECT_EQ(accelerators.getAccelerators()[1].key, 'B');
    accelerators.setAccelerator(9, 'D', 0);
    EXPECT_EQ(accelerators.getAccelerators().size(), 3u);
}

TEST(Accelerators, AnEmptyListBuildsNoTable) {
    AcceleratorManager accelerators;
    EXPECT_FALSE(accelerators.createTable());
    EXPECT_EQ(accelerators.getHandle(), nullptr);
}

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        app.setIniPath(dir.file(L"settings.ini"));
        ASSERT_TRUE(app.create());
        pumpMessages();
    }

    TempDirectory dir;
    TestApp app;
};

TEST_F(Frame, CtrlSWithTheFocusInAChildReachesTheMainWindow) {
    AcceleratorManager accelerators;
    registerPlayerAccelerators(accelerators);
    Component child;
    ASSERT_TRUE(child.createWithDefaultBounds(app.getMainWindow().m_hWnd));
    child.setFocus();
    pumpMessages();
    ASSERT_TRUE(child.hasFocus());

    pressCtrlKey(child.m_hWnd, 'S');
    runLoopBriefly(app.getMainWindow().m_hWnd, accelerators.getHandle());
    releaseCtrl();
    EXPECT_EQ(app.getMainWindow().getLastCommand(), 112);
}

TEST_F(Frame, CommandsOfTheFrameGoOnToTheMainWindow) {
    ::SendMessageW(app.m_hWnd, WM_COMMAND, MAKEWPARAM(117, 0), 0);
    EXPECT_EQ(app.getMainWindow().getLastCommand(), 117);
}

TEST_F(Frame, MainWindowFillsTheFrame) {
    EXPECT_EQ(app.getClassName(), L"MainFrame");
    EXPECT_EQ(app.getText(), L"Corvanta");
    ::SetWindowPos(app.m_hWnd, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    RECT client = app.getClientRect();
    EXPECT_EQ(app.getMainWindow().getWidth(), client.right);
    EXPECT_EQ(app.getMainWindow().getHeight(), client.bottom);
}

TEST_F(Frame, WithoutSettingsItOpensCentredAt640By480) {
    RECT r{};
    ::GetWindowRect(app.m_hWnd, &r);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    EXPECT_EQ(r.left, (::GetSystemMetrics(SM_CXSCREEN) - 640) / 2);
    EXPECT_EQ(r.top, (::GetSystemMetrics(SM_CYSCREEN) - 480) / 2);
}

TEST_F(Frame, ClosingSavesThePlacementAndEndsTheLoop) {
    ::SetWindowPos(app.m_hWnd, nullptr, 30, 40, 700, 500, SWP_NOZORDER);
    ::SendMessageW(app.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.m_hWnd, nullptr);
    EXPECT_EQ(app.getMainWindow().m_hWnd, nullptr);
    MSG msg{};
    EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    const std::wstring ini = dir.file(L"settings.ini");
    EXPECT_EQ(readIniInt(ini, L"Window", L"MainLeft", -1), 30);
    EXPECT_EQ(readIniInt(ini, L"Window", L"MainTop", -1), 40);
    EXPECT_EQ(readIniInt(ini, L"Window", L"MainWidth", -1), 700);
    EXPECT_EQ(readIniInt(ini, L"Window", L"MainHeight", -1), 500);
    EXPECT_EQ(readIniString(ini, L"Window", L"Zoomed", L"?"), L"0");
}

TEST(FramePlacement, SavedPlacementIsRestoredAndAMaximisedFrameKeepsItsNormalSize) {
    TempDirectory dir;
    const std::wstring ini = dir.file(L"settings.ini");
    {
        TestApp app;
        app.setIniPath(ini);
        ASSERT_TRUE(app.create());
        ::SetWindowPos(app.m_hWnd, nullptr, 120, 90, 600, 420, SWP_NOZORDER);
        ::ShowWindow(app.m_hWnd, SW_MAXIMIZE);
        ::SendMessageW(app.m_hWnd, WM_CLOSE, 0, 0);
        pumpMessages();
        MSG quit{};
        ::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    EXPECT_EQ(readIniString(ini, L"Window", L"Zoomed", L"?"), L"1");
    TestApp again;
    again.setIniPath(ini);
    ASSERT_TRUE(again.create());
    RECT r{};
    ::GetWindowRect(again.m_hWnd, &r);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_EQ(r.bottom - r.top, 420);
    EXPECT_FALSE(::IsZoomed(again.m_hWnd));
}

TEST(FramePlacement, ClampsIntoTheWorkAreaKeepingTheSize) {
    const RECT monitor{0, 0, 1280, 1024};
    const RECT work{0, 30, 1280, 1024};  // a task bar along the top

    RECT offRight = placeInWorkArea(RECT{5000, 100, 5640, 580}, monitor, work);
    EXPECT_EQ(offRight.right, 1280);
    EXPECT_EQ(offRight.right - offRight.left, 640);
    EXPECT_EQ(offRight.top, 130);  // shifted by the task bar

    RECT offTopLeft = placeInWorkArea(RECT{-900, -700, -260, -220}, monitor, work);
    EXPECT_EQ(offTopLeft.left, 0);
    EXPECT_EQ(offTopLeft.top, 30);

    // Larger than the work area: aligned to its left and top edges, size unchanged.
    RECT huge = placeInWorkArea(RECT{100, 100, 2100, 1600}, monitor, work);
    EXPECT_EQ(huge.left, 0);
    EXPECT_EQ(huge.top, 30);
    EXPECT_EQ(huge.right - huge.left, 2000);
    EXPECT_EQ(huge.bottom - huge.top, 1500);
}

TEST(FramePlacement, APositionOffEveryMonitorEndsOnScreen) {
    TempDirectory dir;
    const std::wstring ini = dir.file(L"settings.ini");
    writeIniInt(ini, L"Window", L"MainLeft", -5000);
    writeIniInt(ini, L"Window", L"MainTop", 9000);
    TestApp app;
    app.setIniPath(ini);
    ASSERT_TRUE(app.create());
    RECT r{};
    ::GetWindowRect(app.m_hWnd, &r);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(::MonitorFromWindow(app.m_hWnd, MONITOR_DEFAULTTONEAREST), &info);
    EXPECT_GE(r.left, info.rcWork.left);
    EXPECT_LE(r.bottom, info.rcWork.bottom);
    EXPECT_EQ(r.right - r.left, 640);
}
