#include "toolkit/widgets/ToolWindow.h"

#include <algorithm>

ToolWindow::ToolWindow() { registerClass(L"ToolWindow"); }

ToolWindow::~ToolWindow() = default;

void ToolWindow::destroy() {
    mChildren.clear();
    Component::destroy();
}

bool ToolWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    if (m_hWnd) ::PostMessageW(::GetParent(m_hWnd), WM_COMMAND, wParam, lParam);
    return true;
}

int ToolWindow::getChildrenWidth() const {
    int width = 0;
    for (const BaseWindow* child : mChildren) width += child->getWidth();
    return width;
}

LRESULT ToolWindow::onSize(WPARAM, LPARAM lParam) {
    const int width = LOWORD(lParam);
    const int childrenWidth = getChildrenWidth();
    int x = mStartOffset;
    int y = 0;
    // A row too long for the window ends at its right edge instead.
    if (width - (mStartOffset + childrenWidth) < 0) x = std::max(0, width - childrenWidth);
    for (BaseWindow* child : mChildren) {
        if (mHorizontal) {
            child->setLocation(x, child->getY());
            x += child->getWidth();
        } else {
            child->setLocation(0, y);
            y += child->getHeight();
        }
    }
    return 0;
}

LRESULT ToolWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
            ::PostMessageW(::GetParent(hwnd), msg, wParam, lParam);
            return 0;
        case WM_ERASEBKGND: {
            // A flat tool bar is transparent: it has its parent erase its background, in
            // the tool bar's own DC. Unerased, it shows whatever was on the screen there
            // (slices of its icons and the band's edge at their places before a resize).
            HDC dc = reinterpret_cast<HDC>(wParam);
            RECT box{};
            ::GetClipBox(dc, &box);
            HBRUSH brush = ::CreateSolidBrush(mBackColor);
            ::FillRect(dc, &box, brush);
            ::DeleteObject(brush);
            return 1;
        }
        case WM_NOTIFY:
            // Notifications carry pointers into the sender's memory (a tool bar's
            // TBN_DROPDOWN among them): they must reach the parent while they are valid.
            return ::SendMessageW(::GetParent(hwnd), msg, wParam, lParam);
        default:
            return Component::windowProc(hwnd, msg, wParam, lParam);
    }
}

bool ToolWindow::onRButtonDown(int, int) {
    fireEvent(NM_RCLICK, 0);
    return true;
}
