#include "toolkit/widgets/ChannelPane.h"

#include "toolkit/graphics/Graphics.h"

namespace {

constexpr int kStrip = 24;
constexpr int kCaptionHeight = 20;

}  // namespace

ChannelPane::~ChannelPane() { revoke(); }

bool ChannelPane::create(HWND parent, int placement) {
    if (!TabbedPane::create(parent, placement)) return false;
    registerDropTarget(m_hWnd);
    return true;
}

bool ChannelPane::onCreate() {
    mCaption.create(m_hWnd, kCaptionId);
    return true;
}

void ChannelPane::destroy() {
    revoke();
    TabbedPane::destroy();
}

int ChannelPane::getWidth() const {
    if (!isVisible()) return 0;
    return mPinned ? mPaneWidth : kStrip;
}

void ChannelPane::setBounds(int left, int top, int right, int bottom) {
    mArea = RECT{left, top, right, bottom};
    layout();
}

void ChannelPane::insertTab(const std::wstring& title, Component* component, int index) {
    if (component && component->m_hWnd) {
        HWND window = component->m_hWnd;
        const LONG style = ::GetWindowLongW(window, GWL_STYLE);
        ::SetWindowLongW(window, GWL_STYLE, (style | WS_CHILD) & ~WS_POPUP);
        ::SetParent(window, m_hWnd);
        ::ShowWindow(window, SW_HIDE);
    }
    TabbedPane::insertTab(title, component, index);
    select(-1, false);
}

LRESULT ChannelPane::onSize(WPARAM, LPARAM) {
    if (!m_hWnd) return 0;
    int content = 0;
    if (mSelected >= 0 && getTabCount() > 0) {
        HWND first = mTabs[0].window;
        if (mCaption.isClosed()) {
            content = (mArea.right - mArea.left) - kStrip;
        } else if (first && ::IsWindow(first)) {
            RECT r{};
            ::GetWindowRect(first, &r);
            content = r.right - r.left;
        }
        mCaption.setVisible(true);
    } else {
        mCaption.setVisible(false);
    }
    mPaneWidth = content + kStrip;
    mCaption.setCloseButtonSide(mPlacement);
    int captionX = kStrip;
    int paneX = mArea.left;
    if (mPlacement == kRight) {
        captionX = 0;
        paneX = mArea.right - mPaneWidth;
    }
    mCaption.setBounds(captionX, 0, content, kCaptionHeight);
    const int height = mArea.bottom - mArea.top;
    if (content != 0) {
        for (TabItem& tab : mTabs) {
            if (tab.window && ::IsWindow(tab.window)) {
                ::MoveWindow(tab.window, captionX, kCaptionHeight, content, height - kCaptionHeight, TRUE);
            }
        }
    }
    ::MoveWindow(m_hWnd, paneX, mArea.top, mPaneWidth, height, TRUE);
    return 0;
}

void ChannelPane::onMouseEnter() {
    const int tab = getTabAtCursor();
    if (tab < 0) return;
    mIdle = false;
    // Hover looks only: leaving is found by the timer, which forgives a few pixels, not
    // by leave tracking, which would fire as soon as the cursor reached the content.
    mHovered = true;
    select(tab, false);
    layout();
    showTabWindow(tab);
    ::SetTimer(m_hWnd, kHoverTimer, 100, nullptr);
}

void ChannelPane::showTabWindow(int index) {
    HWND window = isTab(index) ? mTabs[index].window : nullptr;
    if (window && ::IsWindow(window)) ::ShowWindow(window, SW_SHOW);
}

void ChannelPane::checkHover() {
    if (mPinned && mPinnedSkip) return;
    if (mIdle) onMouseEnter();
    const int tab = getTabAtCursor();
    if (tab >= 0) {
        if (tab != mSelected) {
            select(tab, false);
            repaint(nullptr, false);
            showTabWindow(tab);
        }
        return;
    }
    RECT pane{};
    ::GetWindowRect(m_hWnd, &pane);
    if (mPlacement == kLeft) pane.left += 30;
    if (mPlacement == kRight) pane.right -= 30;
    ::InflateRect(&pane, 10, 10);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    if (!::PtInRect(&pane, cursor)) onMouseLeave();
}

void ChannelPane::forceCheckHover() {
    mPinnedSkip = false;
    checkHover();
    mPinnedSkip = true;
}

void ChannelPane::onMouseLeave() {
    Component::onMouseLeave();
    mIdle = true;
    if (m_hWnd) ::KillTimer(m_hWnd, kHoverTimer);
    if (!mPinned) {
        hideAllTabs();
        select(-1, false);
    }
    layout();
    mLeaveState = 0;
}

bool ChannelPane::onTimer(WPARAM wParam, LPARAM lParam) {
    if (wParam != kHoverTimer) return TabbedPane::onTimer(wParam, lParam);
    checkHover();
    return true;
}

bool ChannelPane::onMouseMove(int, int) {
    checkHover();
    return true;
}

bool ChannelPane::onLButtonDown(int x, int y) {
    if (!mPinned) {
        setExpanded(true);
    } else if (mSelected >= 0 && mSelected == getTabAtCursor()) {
        setExpanded(false);
    }
    mCaption.repaint(nullptr, false);
    relayoutParent();
    return TabbedPane::onLButtonDown(x, y);
}

void ChannelPane::setExpanded(bool pinned) {
    mPinned = pinned;
    mCaption.setState(pinned ? 1 : 0);
}

bool ChannelPane::onCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case kCaptionId:
            togglePinned();
            return true;
        case Caption::kCloseButtonId:
            toggleMaximized();
            return true;
        default:
            return TabbedPane::onCommand(wParam, lParam);
    }
}

void ChannelPane::togglePinned() {
    setExpanded(!mPinned);
    if (!mPinned) {
        onMouseLeave();
    } else {
        mCaption.repaint(nullptr, false);
    }
    relayoutParent();
}

void ChannelPane::toggleMaximized() {
    if (getTabCount() == 0) return;
    HWND first = mTabs[0].window;
    if (!first || !::IsWindow(first)) return;
    if (mCaption.isClosed()) ::GetWindowRect(first, &mSavedRect);
    const int savedWidth = mSavedRect.right - mSavedRect.left;
    // Restoring gives the content back the width it had before maximising.
    if (savedWidth > 32) ::MoveWindow(first, 0, 0, savedWidth, 0, TRUE);
    relayoutParent();
    relayoutParent();
}

void ChannelPane::relayoutParent() {
    HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!parent) return;
    RECT client{};
    ::GetClientRect(parent, &client);
    ::PostMessageW(parent, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

LRESULT ChannelPane::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        // The pane reports the width its owner lays out by, not its window's width:
        // paint the whole client area.
        PAINTSTRUCT ps{};
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT client{};
        ::GetClientRect(hwnd, &client);
        {
            Graphics g(client.right, client.bottom);
            paint(g);
            g.copyTo(dc, 0, 0);
        }
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    return TabbedPane::windowProc(hwnd, msg, wParam, lParam);
}
