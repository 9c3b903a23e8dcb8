#include "toolkit/window/WinApiWindow.h"

WinApiWindow::WinApiWindow() : mBackColor(::GetSysColor(COLOR_BTNFACE)), mTextColor(0xFFFFFF), mLogFont{} {
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof mLogFont, &mLogFont);
}

void WinApiWindow::setId(int id) { ::SetWindowLongW(m_hWnd, GWL_ID, id); }

void WinApiWindow::setFocus() {
    if (m_hWnd) ::SetFocus(m_hWnd);
}

void WinApiWindow::setExStyle(int style) {
    if (m_hWnd) ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, style);
}

void WinApiWindow::setVisible(bool visible) {
    if (m_hWnd) ::ShowWindow(m_hWnd, visible ? SW_SHOW : SW_HIDE);
}

void WinApiWindow::setEnabled(bool enabled) {
    if (m_hWnd) ::EnableWindow(m_hWnd, enabled);
}

void WinApiWindow::setBackColor(COLORREF color) {
    mBackColor = color;
    repaint(nullptr, false);
}

void WinApiWindow::setTextColor(COLORREF color) {
    mTextColor = color;
    repaint(nullptr, false);
}

void WinApiWindow::setLocation(int x, int y) {
    if (!m_hWnd) return;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    repaint(nullptr, false);
}

HWND WinApiWindow::getHWND(int id) const { return id == 0 ? m_hWnd : ::GetDlgItem(m_hWnd, id); }

int WinApiWindow::getStyle() const { return m_hWnd ? ::GetWindowLongW(m_hWnd, GWL_STYLE) : 0; }

int WinApiWindow::getExStyle() const { return m_hWnd ? ::GetWindowLongW(m_hWnd, GWL_EXSTYLE) : 0; }

std::wstring WinApiWindow::getText() const {
    if (!m_hWnd) return std::wstring();
    // The whole text, whatever its length.
    int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

int WinApiWindow::getWidth() const {
    RECT r{};
    if (!m_hWnd || !::GetWindowRect(m_hWnd, &r)) return 0;
    return r.right - r.left;
}

int WinApiWindow::getHeight() const {
    RECT r{};
    if (!m_hWnd || !::GetWindowRect(m_hWnd, &r)) return 0;
    return r.bottom - r.top;
}

bool WinApiWindow::hasFocus() const { return m_hWnd && ::GetFocus() == m_hWnd; }

bool WinApiWindow::isVisible() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }

bool WinApiWindow::isEnabled() const { return m_hWnd && ::IsWindowEnabled(m_hWnd); }

void WinApiWindow::update() {
    if (m_hWnd) ::UpdateWindow(m_hWnd);
}

void WinApiWindow::repaint(const RECT* area, bool erase) {
    if (m_hWnd) ::InvalidateRect(m_hWnd, area, erase);
}

POINT WinApiWindow::getCursorPos() const {
    POINT p{};
    ::GetCursorPos(&p);
    if (m_hWnd) ::ScreenToClient(m_hWnd, &p);
    return p;
}

RECT WinApiWindow::getClientRect() const {
    RECT r{};
    if (m_hWnd) ::GetClientRect(m_hWnd, &r);
    return r;
}

void WinApiWindow::setStyle(int style) {
    if (m_hWnd) ::SetWindowLongW(m_hWnd, GWL_STYLE, style);
}

void WinApiWindow::setParentOf(HWND child) { ::SetParent(child, m_hWnd); }

HWND WinApiWindow::getParent() const { return m_hWnd ? ::GetParent(m_hWnd) : nullptr; }

bool WinApiWindow::isAlwaysOnTop() const {
    if (!m_hWnd) return false;
    HWND root = ::GetAncestor(m_hWnd, GA_ROOTOWNER);
    return root && (::GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void WinApiWindow::setAlwaysOnTop(bool topmost) {
    if (!m_hWnd) return;
    HWND root = ::GetAncestor(m_hWnd, GA_ROOTOWNER);
    ::SetWindowPos(root, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
