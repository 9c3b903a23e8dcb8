#include "toolkit/widgets/StateButton.h"

void StateButton::destroy() {
    Component::destroy();
    mMousePressed = false;
    mKeyPressed = false;
}

void StateButton::setText(const wchar_t* text) {
    Component::setText(text);
    repaint(nullptr, false);
}

void StateButton::setText(const std::wstring& text) { setText(text.c_str()); }

LRESULT StateButton::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE) return DLGC_WANTTAB | DLGC_WANTALLKEYS;
    return Component::windowProc(hwnd, msg, wParam, lParam);
}

bool StateButton::onKeyDown(WPARAM key, LPARAM lParam) {
    if (Component::onKeyDown(key, lParam)) return true;
    if (mKeyPressed || mMousePressed) return false;
    if (key == VK_RETURN) {
        release(true);
        return true;
    }
    if (key == VK_SPACE) {
        mKeyPressed = true;
        repaint(nullptr, false);
        ::SetCapture(m_hWnd);
        return true;
    }
    return false;
}

bool StateButton::onKeyUp(WPARAM key, LPARAM) {
    if (key != VK_SPACE) return false;
    if (mKeyPressed) release(true);
    ::ReleaseCapture();
    return true;
}

bool StateButton::onLButtonDown(int, int) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    mMousePressed = true;
    repaint(nullptr, false);
    mKeyPressed = false;
    return true;
}

bool StateButton::onLButtonDblClk(int x, int y) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    // The second press of a double click counts like the first.
    return onLButtonDown(x, y);
}

bool StateButton::onMouseMove(int, int) {
    if (!mMousePressed) {
        if (!mHovered) onMouseEnter();
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return false;
    }
    const bool wasInside = mHovered;
    mHovered = isCursorInside();
    ::SetCursor(::LoadCursorW(nullptr, mHovered ? IDC_HAND : IDC_ARROW));
    if (wasInside != mHovered) repaint(nullptr, false);
    return false;
}

bool StateButton::onLButtonUp() {
    if (mMousePressed) {
        mHovered = isCursorInside();
        if (mHovered) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            release(false);
        }
    }
    mMousePressed = false;
    return true;
}

void StateButton::release(bool byKey) {
    if (byKey) {
        mKeyPressed = false;
    } else {
        mMousePressed = false;
    }
    advanceState();
}

void StateButton::setSelected(bool selected) {
    mState = selected ? 1 : 0;
    repaint(nullptr, false);
}

bool StateButton::isCursorInside() const {
    if (!m_hWnd) return false;
    const POINT p = getCursorPos();
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    bool inside;
    if (::GetWindowRgn(m_hWnd, region) != ERROR) {
        inside = ::PtInRegion(region, p.x, p.y) != FALSE;
    } else {
        const RECT client = getClientRect();
        inside = ::PtInRect(&client, p) != FALSE;
    }
    ::DeleteObject(region);
    return inside;
}

void StateButton::advanceState() {
    mState = (mState + 1) % mStateCount;
    repaint(nullptr, false);
    if (!m_hWnd) return;
    HWND self = m_hWnd;
    ::SendMessageW(::GetParent(self), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(self), 0xF5), reinterpret_cast<LPARAM>(self));
    if (mActionListener) mActionListener->actionPerformed(ActionEvent(this, 0, 0));
    ChangeEvent change(this, 0, 0);
    mListenerList.fire("ChangeListener", &change);
}
