#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/tests/MainWindowTestSupport.h"

namespace {

// The dialog that a command opened, seen from a timer while its modal loop runs.
struct OpenedDialog {
    HWND window = nullptr;
    HWND owner = nullptr;
    bool hasDownloadButton = false;
};
OpenedDialog opened;

BOOL CALLBACK findDownloadButton(HWND child, LPARAM) {
    wchar_t text[32] = L"";
    ::GetWindowTextW(child, text, 32);
    if (std::wstring(text) == L"Download...") opened.hasDownloadButton = true;
    return TRUE;
}

BOOL CALLBACK findVisibleDialog(HWND window, LPARAM) {
    wchar_t className[16] = L"";
    ::GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
    opened.window = window;
    return FALSE;
}

void CALLBACK closeOpenedDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::EnumThreadWindows(::GetCurrentThreadId(), findVisibleDialog, 0);
    HWND active = opened.window;
    if (!active) return;
    opened.owner = ::GetWindow(active, GW_OWNER);
    ::EnumChildWindows(active, findDownloadButton, 0);
    ::PostMessageW(active, WM_CLOSE, 0, 0);
}

}  // namespace

TEST_F(MainWindowTest, CommandTwoRunsTheCaptionDownloaderModalOverTheWindow) {
    opened = OpenedDialog();
    // A safety net: without a dialog the command returns at once and the timer goes.
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 200, closeOpenedDialog);
    ::SendMessageW(main->m_hWnd, WM_COMMAND, MAKEWPARAM(2, 0), 0);
    ::KillTimer(nullptr, timer);

    EXPECT_EQ(2, main->getLastCommand());
    ASSERT_NE(nullptr, opened.window) << "no dialog was shown";
    EXPECT_EQ(frame->m_hWnd, opened.owner);
    EXPECT_TRUE(opened.hasDownloadButton);
    EXPECT_FALSE(::IsWindow(opened.window)) << "the dialog is gone once the command returns";
    EXPECT_TRUE(::IsWindowEnabled(frame->m_hWnd));
}
