#include "app/TestApp.h"

#include "player/settings/Settings.h"

TestApp::TestApp() { setIniPath(getIniFilePath()); }

TestApp::~TestApp() { mMainWindow.destroy(); }

bool TestApp::onCommand(HWND, int, int) { return false; }

bool TestApp::onCommand(WPARAM wParam, LPARAM lParam) {
    // Every menu, accelerator and control command ends at the main window.
    ::SendMessageW(mMainWindow.m_hWnd, WM_COMMAND, wParam, lParam);
    return true;
}

bool TestApp::onClose() {
    ::SendMessageW(mMainWindow.m_hWnd, WM_CLOSE, 0, 0);
    // The main window may refuse to close (unsaved work the user chose to keep).
    if (mMainWindow.m_hWnd) return false;
    saveWindowPlacement(mIniPath);
    return App::onClose();
}

bool TestApp::onCreate() {
    mMainWindow.createWithDefaultBounds(m_hWnd);
    restoreWindowPlacement(mIniPath);
    setVisible(true);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    onSize(0, MAKELPARAM(client.right, client.bottom));
    return true;
}

LRESULT TestApp::onSize(WPARAM, LPARAM lParam) {
    mMainWindow.setBounds(0, 0, LOWORD(lParam), HIWORD(lParam));
    return 0;
}
