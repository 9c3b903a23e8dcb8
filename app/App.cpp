#include "app/App.h"

#include "player/settings/Settings.h"

App::App() = default;
App::~App() = default;

bool App::create() {
    if (getClassName().empty()) registerClass(L"MainFrame", nullptr, 0);
    BaseWindow::create();
    return m_hWnd != nullptr;
}

bool App::onClose() { return BaseWindow::onClose(); }

LRESULT App::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the main window covers the whole client area
        default:
            return defaultWindowProc(hwnd, msg, wParam, lParam);
    }
}

RECT placeInWorkArea(RECT r, const RECT& monitor, const RECT& workArea) {
    // The saved position is relative to the monitor; the task bar may shift the work area.
    OffsetRect(&r, workArea.left - monitor.left, workArea.top - monitor.top);
    if (r.right > workArea.right) OffsetRect(&r, workArea.right - r.right, 0);
    if (r.left < workArea.left) OffsetRect(&r, workArea.left - r.left, 0);
    if (r.bottom > workArea.bottom) OffsetRect(&r, 0, workArea.bottom - r.bottom);
    if (r.top < workArea.top) OffsetRect(&r, 0, workArea.top - r.top);
    return r;
}

void App::restoreWindowPlacement(const std::wstring& iniPath) {
    const int height = readIniInt(iniPath, L"Window", L"MainHeight", 480);
    const int width = readIniInt(iniPath, L"Window", L"MainWidth", 640);
    const int top = readIniInt(iniPath, L"Window", L"MainTop", (::GetSystemMetrics(SM_CYSCREEN) - 480) / 2);
    const int left = readIniInt(iniPath, L"Window", L"MainLeft", (::GetSystemMetrics(SM_CXSCREEN) - 640) / 2);
    RECT r{left, top, left + width, top + height};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
        r = placeInWorkArea(r, info.rcMonitor, info.rcWork);
    }
    ::SetWindowPos(m_hWnd, HWND_TOP, r.left, r.top, width, height, SWP_HIDEWINDOW);
}

void App::saveWindowPlacement(const std::wstring& iniPath) {
    if (!::IsWindow(m_hWnd)) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(m_hWnd, &placement)) return;
    const RECT& r = placement.rcNormalPosition;
    writeIniInt(iniPath, L"Window", L"MainLeft", r.left);
    writeIniInt(iniPath, L"Window", L"MainTop", r.top);
    writeIniInt(iniPath, L"Window", L"MainWidth", r.right - r.left);
    writeIniInt(iniPath, L"Window", L"MainHeight", r.bottom - r.top);
    writeIniString(iniPath, L"Window", L"Zoomed", placement.showCmd == SW_SHOWMAXIMIZED ? L"1" : L"0");
}
