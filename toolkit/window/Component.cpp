#include "toolkit/window/Component.h"

#include "toolkit/graphics/Graphics.h"
#include "toolkit/window/WindowProcedure.h"

Component::Component() {
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof mLogFont, &mLogFont);
    setTextColor(::GetSysColor(COLOR_BTNTEXT));
    setBackColor(::GetSysColor(COLOR_BTNFACE));
}

Component::~Component() { Component::destroy(); }

void Component::setEnabled(bool enabled) {
    if (!m_hWnd || (::IsWindowEnabled(m_hWnd) != FALSE) == enabled) return;
    ::EnableWindow(m_hWnd, enabled);
    mHovered = false;
    mFocused = false;
    repaint(nullptr, false);
}

void Component::destroy() {
    mHovered = false;
    mFocused = false;
    mListenerList.clear();
    BaseWindow::destroy();
}

bool Component::createWithDefaultBounds(HWND parent) {
    destroy();
    registerClass(L"Component");
    const std::wstring name = getClassName();
    ::CreateWindowExW(0, name.c_str(), name.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                      0, 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), this);
    return m_hWnd != nullptr;
}

void Component::setBounds(int x, int y, int width, int height) {
    BaseWindow::setBounds(x, y, width, height);
    repaint(nullptr, false);
}

void Component::setSize(int width, int height) {
    BaseWindow::setSize(width, height);
    repaint(nullptr, false);
}

ATOM Component::registerClass(const wchar_t* name, const wchar_t*, UINT) {
    if (!getClassName().empty()) return 0;
    return BaseWindow::registerClass(name, nullptr, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
}

LRESULT Component::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if ((msg >= WM_MOUSEMOVE && msg <= WM_XBUTTONDBLCLK) || msg == WM_MOUSELEAVE) {
        // The cursor position comes from GetCursorPos, not from lParam: the wheel
        // message carries screen coordinates.
        POINT p = getCursorPos();
        if (processMouseEvent(msg, p.x, p.y, wParam)) return 0;
        return defaultWindowProc(hwnd, msg, wParam, lParam);
    }
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
            mFocused = true;
            if (reinterpret_cast<HWND>(wParam) != hwnd && onSetFocus(reinterpret_cast<HWND>(wParam))) return 0;
            break;
        case WM_KILLFOCUS:
            mFocused = false;
            if (onKillFocus()) return 0;
            break;
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = ::BeginPaint(hwnd, &ps);
            {
                Graphics g(getWidth(), getHeight());
                paint(g);
                g.copyTo(dc, 0, 0);
            }
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_KEYDOWN:
            return onKeyDown(wParam, lParam) ? 1 : 0;
        case WM_KEYUP:
            return onKeyUp(wParam, lParam) ? 1 : 0;
        case WM_CHAR:
            return onChar(wParam, lParam) ? 1 : 0;
        default:
            break;
    }
    return defaultWindowProc(hwnd, msg, wParam, lParam);
}

void Component::requestFocus(bool focus) {
    if (!m_hWnd) return;
    if (focus) {
        if (!hasFocus()) ::SetFocus(m_hWnd);
    } else if (hasFocus()) {
        ::SetFocus(::GetParent(m_hWnd));
    }
}

void Component::addEventListener(EventListener* listener) { mListenerList.add("EventListener", listener); }

void Component::paint(Graphics& g) {
    g.setBrushColor(mBackColor);
    g.setTextColor(mTextColor);
    g.setBkMode(TRANSPARENT);
    g.fillRect(Rect(0, 0, getWidth(), getHeight()));
}

void Component::fillBackground(Graphics& g) {
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setBkMode(TRANSPARENT);
    g.setTextColor(mTextColor);
    g.setBrushColor(mBackColor);
    g.fillRect(Rect(0, 0, getWidth(), getHeight()));
}

void Component::drawFrame(Graphics& g, int x, int y, int width, int height, int radius) {
    // The shapes are filled with the surface's current brush, as the caller set it.
    if (hasFocus()) {
        g.setPen(PS_SOLID, 2, 0xFFD790);
        g.drawRoundRect(x, y, width, height, radius, radius);
        g.setPen(PS_SOLID, 1, 0xA87854);
        g.drawRoundRect(x + 1, y + 1, width - 2, height - 2, radius - 2, radius - 2);
    } else {
        g.setPen(PS_SOLID, 1, 0xAA9680);
        if (radius != 0) {
            g.drawRoundRect(x, y, width, height, radius, radius);
        } else {
            g.drawRectangle(x, y, width, height);
        }
    }
    g.fillRectAlpha(x + 3, y, {width - 6, 3, 0, 4});
    g.fillRectAlpha(x + 2, y + 3, {width - 4, 5, 0, 8});
    g.fillRectAlpha(x + 2, y + 5, {width - 4, 8, 0, 12});
    g.fillRectAlpha(x + 1, y + 9, {width - 2, 3, 0, 8});
    g.fillRectAlpha(x + 2, y + 9, {width - 4, height - 9, 0, 12});
}

bool Component::onSetFocus(HWND) {
    repaint(nullptr, false);
    fireEvent(NM_SETFOCUS, 0);
    return true;
}

bool Component::onKillFocus() {
    repaint(nullptr, false);
    fireEvent(NM_KILLFOCUS, 0);
    return true;
}

void Component::fireEvent(int code, int data) {
    if (code == 1) {
        // Mouse moves always reach the parent, whoever listens.
        sendNotify(1);
        return;
    }
    EventObject event(this, code, data);
    if (!mListenerList.fire("EventListener", &event)) sendNotify(code);
}

bool Component::onChar(WPARAM, LPARAM) { return false; }

bool Component::onKeyDown(WPARAM key, LPARAM) {
    if (key == VK_TAB) {
        moveFocus(*this, (::GetKeyState(VK_SHIFT) & 0x8000) == 0, m_hWnd);
        return true;
    }
    return false;
}

bool Component::onKeyUp(WPARAM, LPARAM) { return false; }
bool Component::onLButtonUp() { return false; }
bool Component::onRButtonUp() { return false; }
bool Component::onLButtonDown(int, int) { return false; }
bool Component::onRButtonDown(int, int) { return false; }
bool Component::onLButtonDblClk(int, int) { return false; }
bool Component::onMouseMove(int, int) { return false; }
bool Component::onMouseWheel(int, int, int, int) { return false; }
bool Component::onXButtonDown(int, int, WPARAM) { return false; }

void Component::onMouseEnter() {
    mHovered = true;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = m_hWnd;
    ::TrackMouseEvent(&track);
    repaint(nullptr, false);
    update();
}

void Component::onMouseLeave() {
    mHovered = false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    repaint(nullptr, false);
    update();
}

bool Component::processMouseEvent(UINT msg, int x, int y, WPARAM wParam) {
    if (!isEnabled()) return false;
    MouseEvent mouse(this, static_cast<int>(msg), x, y);
    mListenerList.fire("MouseListener", &mouse);
    switch (msg) {
        case WM_RBUTTONDOWN:
            return onRButtonDown(x, y);
        case WM_MOUSEMOVE:
            onMouseMove(x, y);
            fireEvent(1, 0);
            return false;
        case WM_LBUTTONDOWN:
            if (!onLButtonDown(x, y)) return false;
            setFocus();
            repaint(nullptr, false);
            fireEvent(NM_CLICK, 0);
            ::SetCapture(m_hWnd);
            return true;
        case WM_LBUTTONUP:
            ::ReleaseCapture();
            return onLButtonUp();
        case WM_LBUTTONDBLCLK:
            return onLButtonDblClk(x, y);
        case WM_RBUTTONUP:
            onRButtonUp();
            fireEvent(NM_RCLICK, 0);
            return false;
        case WM_MOUSEWHEEL:
            return onMouseWheel(x, y, LOWORD(wParam), static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA);
        case WM_XBUTTONDOWN:
            return onXButtonDown(x, y, wParam);
        case WM_MOUSELEAVE:
            onMouseLeave();
            return true;
        default:
            return false;
    }
}
