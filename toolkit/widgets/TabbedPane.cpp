#include "toolkit/widgets/TabbedPane.h"

#include <algorithm>
#include <cwchar>

#include "toolkit/window/PopupMenu.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

// The face name with the vertical-writing "@" in front (or without it), cut to the
// 32 characters (terminator included) that a LOGFONTW holds.
void setVerticalFace(LOGFONTW& font, bool vertical) {
    std::wstring face = font.lfFaceName;
    if (!face.empty() && face[0] == L'@') face.erase(0, 1);
    if (vertical) face.insert(0, 1, L'@');
    const size_t capacity = sizeof font.lfFaceName / sizeof font.lfFaceName[0];
    face.resize(std::min(face.size(), capacity - 1));
    std::wmemset(font.lfFaceName, 0, capacity);
    std::wmemcpy(font.lfFaceName, face.data(), face.size());
}

}  // namespace

TabbedPane::TabbedPane() {
    mTextColor = ::GetSysColor(COLOR_BTNTEXT);
    registerClass(L"TabbedPane");
}

TabbedPane::~TabbedPane() {
    for (TabItem& tab : mTabs) {
        if (tab.icon) ::DeleteObject(tab.icon);
    }
}

bool TabbedPane::create(HWND parent, int placement) {
    destroy();
    if (!createWithDefaultBounds(parent)) return false;
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof mLogFont, &mLogFont);
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), 0);
    setStyle(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | TCS_FIXEDWIDTH);
    setTabPlacement(placement);
    return true;
}

void TabbedPane::setTabPlacement(int placement) {
    mPlacement = placement;
    const bool vertical = placement == kRight || placement == kLeft;
    if (placement == kRight) setStyle(getStyle() | TCS_VERTICAL | TCS_RIGHT);
    if (placement == kLeft) setStyle(getStyle() | TCS_VERTICAL);
    // A vertical strip turns its titles: the "@" face stands CJK glyphs upright.
    setVerticalFace(mLogFont, vertical);
    mLogFont.lfEscapement = vertical ? -900 : 0;
    mLogFont.lfOrientation = vertical ? -900 : 0;
}

void TabbedPane::showTab(int index) {
    for (int i = 0; i < getTabCount(); ++i) {
        HWND window = mTabs[i].window;
        if (window && ::IsWindow(window)) ::ShowWindow(window, i == index ? SW_SHOW : SW_HIDE);
    }
}

void TabbedPane::hideAllTabs() { showTab(-1); }

void TabbedPane::addTab(const std::wstring& title, Component* component) {
    insertTab(title, component, getTabCount());
}

void TabbedPane::insertTab(const std::wstring& title, Component* component, int index) {
    insertTabAt(title, component, index);
}

void TabbedPane::insertTabAt(const std::wstring& title, Component* component, int index) {
    const int existing = indexOfComponent(component);
    if (existing >= 0) {
        moveTab(existing, index);
        return;
    }
    if (index < 0 || index > getTabCount()) return;
    mTabs.insert(mTabs.begin() + index, TabItem(title, component));
    // The selection stays on its tab.
    if (mSelected >= index) ++mSelected;
    repaint(nullptr, false);
}

bool TabbedPane::removeTab(int index) {
    if (!isTab(index)) return false;
    if (mTabListener && !mTabListener->canRemoveTab(*this, index)) return false;
    if (mTabs[index].icon) ::DeleteObject(mTabs[index].icon);
    mTabs.erase(mTabs.begin() + index);
    // Keep the selection on its tab; a removed selected tab leaves nothing selected.
    if (mSelected == index) {
        mSelected = -1;
    } else if (mSelected > index) {
        --mSelected;
    }
    repaint(nullptr, false);
    return true;
}

void TabbedPane::closeTab(int index) {
    if (!isTab(index)) return;
    HWND window = mTabs[index].window;
    const bool wasSelected = index == mSelected;
    if (!removeTab(index)) return;
    if (window && ::IsWindow(window)) ::ShowWindow(window, SW_HIDE);
    if (wasSelected && getTabCount() > 0) select(std::min(index, getTabCount() - 1), true);
}

void TabbedPane::closeTabsAround(int keep, bool before, bool after) {
    if (!isTab(keep)) return;
    // A selection among the tabs to go moves to the kept tab at once, rather than
    // stepping through neighbours that are about to close as well.
    if ((before && mSelected >= 0 && mSelected < keep) || (after && mSelected > keep)) select(keep, true);
    if (after) {
        for (int i = getTabCount() - 1; i > keep; --i) closeTab(i);
    }
    if (before) {
        // Going down from the kept tab leaves the indexes still to visit where they are.
        for (int i = keep - 1; i >= 0; --i) closeTab(i);
    }
}

void TabbedPane::runTabMenuCommand(int command, int index) {
    switch (command) {
        case kCloseTab:
            closeTab(index);
            break;
        case kCloseOtherTabs:
            closeTabsAround(index, true, true);
            break;
        case kCloseLeftTabs:
            closeTabsAround(index, true, false);
            break;
        case kCloseRightTabs:
            closeTabsAround(index, false, true);
            break;
        default:
            break;
    }
}

void TabbedPane::setClosable(bool closable) {
    mClosable = closable;
    repaint(nullptr, false);
}

bool TabbedPane::getCloseBoxRect(int index, RECT& rect) const {
    if (!mClosable || !isTab(index)) return false;
    RECT tab{};
    getTabRect(index, tab);
    // At the far end of the tab, centred across the strip.
    const int inset = 5;
    const int across = (mThickness - kCloseBoxSize) / 2;
    if (mPlacement == kRight || mPlacement == kLeft) {
        const int left = tab.left + across;
        const int top = tab.bottom - inset - kCloseBoxSize;
        rect = RECT{left, top, left + kCloseBoxSize, top + kCloseBoxSize};
    } else {
        const int left = tab.right - inset - kCloseBoxSize;
        const int top = tab.top + across;
        rect = RECT{left, top, left + kCloseBoxSize, top + kCloseBoxSize};
    }
    return true;
}

int TabbedPane::hitTestCloseBox(int x, int y) const {
    const int index = hitTest(x, y);
    RECT box{};
    if (!getCloseBoxRect(index, box)) return -1;
    return ::PtInRect(&box, POINT{x, y}) ? index : -1;
}

int TabbedPane::showTabMenu() {
    PopupMenu menu;
    menu.addItem(L"Close", kCloseTab);
    menu.addSeparator();
    menu.addItem(L"Close &Other Tabs", kCloseOtherTabs);
    menu.addItem(L"Close &Left Tabs", kCloseLeftTabs);
    menu.addItem(L"Close &Right Tabs", kCloseRightTabs);
    return menu.show(m_hWnd);
}

void TabbedPane::moveTab(int from, int to) {
    if (from == to || !isTab(from) || !isTab(to)) return;
    if (mTabListener && !mTabListener->canMoveTab(*this, from, to)) return;
    std::swap(mTabs[from], mTabs[to]);
    if (mSelected == from) {
        select(to, false);
    } else if (mSelected == to) {
        select(from, false);
    }
    repaint(nullptr, false);
}

void TabbedPane::select(int index, bool notify) {
    if (index >= getTabCount()) index = 0;
    if (index < -1 || index >= getTabCount()) return;  // no tabs, or a negative index other than -1
    if (index == mSelected) return;
    mSelected = index;
    showTab(index);
    if (notify) {
        repaint(nullptr, false);
        fireSelectionChange();
    }
}

void TabbedPane::fireSelectionChange() {
    ChangeEvent change(this, kSelectionChange, 0);
    mListenerList.fire("ChangeListener", &change);
    fireEvent(kSelectionChange, 0);
}

std::wstring TabbedPane::getTabTitle(int index) const { return isTab(index) ? mTabs[index].title : std::wstring(); }

void TabbedPane::setTabTitle(int index, const std::wstring& title) {
    if (!isTab(index)) return;
    mTabs[index].title = title;
    repaint(nullptr, false);
}

Component* TabbedPane::getComponent(int index) const { return isTab(index) ? mTabs[index].component : nullptr; }

void TabbedPane::getTabRect(int index, RECT& rect) const {
    int offset = 0;
    for (int i = 0; i < std::min(index, getTabCount()); ++i) offset += mTabs[i].length;
    const int length = isTab(index) ? mTabs[index].length : mDefaultLength;
    const int t = mThickness;
    if (mPlacement == kRight) {
        const int x = getClientRect().right - t;
        rect = RECT{x, offset, x + t, offset + length};
    } else if (mPlacement == kLeft) {
        rect = RECT{0, offset, t, offset + length};
    } else {
        rect = RECT{offset, 0, offset + length, t};
    }
}

int TabbedPane::hitTest(int x, int y) const {
    for (int i = 0; i < getTabCount(); ++i) {
        RECT r{};
        getTabRect(i, r);
        POINT p{x, y};
        if (::PtInRect(&r, p)) return i;
    }
    return -1;
}

int TabbedPane::getTabAtCursor() const {
    POINT p = getCursorPos();
    return hitTest(p.x, p.y);
}

int TabbedPane::indexOfComponent(const Component* component) const {
    if (!component) return -1;
    for (int i = 0; i < getTabCount(); ++i) {
        if (mTabs[i].component == component) return i;
    }
    return -1;
}

void TabbedPane::destroy() {
    bool refused = false;
    for (int i = getTabCount() - 1; i >= 0; --i) {
        if (!removeTab(i)) {
            refused = true;
            break;
        }
    }
    if (!refused) mSelected = -1;
    Component::destroy();
    mSelected = -1;
    mPressed = -1;
    mPressedCloseBox = -1;
}

bool TabbedPane::handleTabMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const int index = static_cast<int>(wParam);
    result = 0;
    switch (msg) {
        case TCM_GETITEMCOUNT:
            result = getTabCount();
            return true;
        case TCM_GETITEMRECT:
            if (lParam) getTabRect(index, *reinterpret_cast<RECT*>(lParam));
            result = 1;
            return true;
        case TCM_DELETEITEM:
            removeTab(index);
            return true;
        case TCM_GETCURSEL:
            result = mSelected;
            return true;
        case TCM_SETCURSEL:
            select(index, false);
            return true;
        case TCM_HITTEST: {
            auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
            result = info ? hitTest(info->pt.x, info->pt.y) : -1;
            return true;
        }
        case TCM_GETROWCOUNT:
            result = 1;
            return true;
        case TCM_GETITEMW:
            return true;
        case TCM_SETITEMW: {
            auto* item = reinterpret_cast<TCITEMW*>(lParam);
            if (item && (item->mask & TCIF_TEXT) && isTab(index)) {
                setTabTitle(index, item->pszText ? item->pszText : L"");
            }
            return true;
        }
        case TCM_INSERTITEMW: {
            auto* item = reinterpret_cast<TCITEMW*>(lParam);
            if (!item) return true;
            const std::wstring title = (item->mask & TCIF_TEXT) && item->pszText ? item->pszText : L"";
            Component* component = (item->mask & TCIF_PARAM) ? reinterpret_cast<Component*>(item->lParam) : nullptr;
            // As with the system control, an index past the end appends; a negative one adds nothing.
            if (index >= 0) insertTab(title, component, std::min(index, getTabCount()));
            return true;
        }
        default:
            return false;
    }
}

LRESULT TabbedPane::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handleTabMessage(msg, wParam, lParam, result)) return result;
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
            ::SendMessageW(::GetParent(hwnd), msg, wParam, lParam);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_DRAWITEM:
            return onDrawItem(wParam, lParam) ? 1 : 0;
        case WM_KEYDOWN:
            onKeyDown(static_cast<int>(wParam));
            return 0;
        case WM_TIMER:
            onTimer(wParam, lParam);
            return 0;
        default:
            return Component::windowProc(hwnd, msg, wParam, lParam);
    }
}

bool TabbedPane::onDrawItem(WPARAM, LPARAM) { return false; }

bool TabbedPane::onTimer(WPARAM, LPARAM) { return true; }

void TabbedPane::onKeyDown(int key) {
    if (key == VK_TAB) {
        moveFocus(*this, (::GetKeyState(VK_SHIFT) & 0x8000) == 0, m_hWnd);
        return;
    }
    if ((key != VK_LEFT && key != VK_RIGHT) || getTabCount() < 2) return;
    const int next = std::clamp(mSelected + (key == VK_LEFT ? -1 : 1), 0, getTabCount() - 1);
    select(next, true);
}

bool TabbedPane::onLButtonDown(int x, int y) {
    // A press on a close box only arms it: the release closes the tab, without selecting it first.
    mPressedCloseBox = hitTestCloseBox(x, y);
    if (mPressedCloseBox >= 0) {
        mPressed = -1;
        return true;
    }
    mPressed = hitTest(x, y);
    if (mPressed >= 0) select(mPressed, true);
    if (!mKeepPressed) mPressed = -1;
    return true;
}

bool TabbedPane::onLButtonUp() {
    const int closing = mPressedCloseBox;
    mPressedCloseBox = -1;
    if (closing >= 0) {
        const POINT p = getCursorPos();
        if (hitTestCloseBox(p.x, p.y) == closing) closeTab(closing);
        mPressed = -1;
        return true;
    }
    // Only a release over the pressed tab selects; with no tab pressed nothing happens.
    if (mPressed >= 0 && getTabAtCursor() == mPressed) select(mPressed, true);
    mPressed = -1;
    return true;
}

bool TabbedPane::onRButtonDown(int x, int y) {
    if (!mClosable) return false;
    const int index = hitTest(x, y);
    if (index < 0) return false;
    runTabMenuCommand(showTabMenu(), index);
    return true;
}

bool TabbedPane::onMouseMove(int, int) {
    if (!mHovered) Component::onMouseEnter();
    repaint(nullptr, false);
    return true;
}
