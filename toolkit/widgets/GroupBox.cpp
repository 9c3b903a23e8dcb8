#include "toolkit/widgets/GroupBox.h"

#include "toolkit/graphics/Graphics.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

bool qualifiesForFocus(HWND hwnd) {
    return hwnd && ::IsWindowEnabled(hwnd) && ::IsWindowVisible(hwnd) &&
           (::GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP) != 0;
}

}  // namespace

GroupComponent::~GroupComponent() = default;

bool GroupComponent::onSetFocus(HWND previous) {
    HWND first = ::GetWindow(m_hWnd, GW_CHILD);
    if (!first) return false;
    const bool backwards = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    // Tab traversal climbs to the group when it runs off the end of the group's controls:
    // the focus goes on past the group in the same direction, so that one key press
    // leaves it. With nothing beyond the group it comes round to the group's first control.
    if (previous && ::IsChild(m_hWnd, previous) && moveFocus(*this, !backwards, m_hWnd)) return true;
    HWND target = backwards ? ::GetWindow(first, GW_HWNDLAST) : first;
    if (qualifiesForFocus(target)) {
        ::SetFocus(target);
    } else {
        moveFocus(*this, !backwards, target);
    }
    return true;
}

bool GroupComponent::onKillFocus() { return true; }

GroupBox::GroupBox() {
    mTextColor = 0xFF3214;
    registerClass(L"GroupBox");
}

GroupBox::~GroupBox() = default;

bool GroupBox::createWithDefaultBounds(HWND parent) { return create(parent, L"", 0, 0, 0, 0); }

bool GroupBox::create(HWND parent, const std::wstring& text, int x, int y, int width, int height) {
    destroy();
    const std::wstring name = getClassName();
    ::CreateWindowExW(0, name.c_str(), text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP | 7, x, y,
                      width, height, parent, nullptr, ::GetModuleHandleW(nullptr), this);
    if (!m_hWnd) return false;
    setText(text);
    return true;
}

bool GroupBox::onCommand(WPARAM wParam, LPARAM lParam) {
    // The controls of the group belong to the group's owner.
    ::SendMessageW(::GetParent(m_hWnd), WM_COMMAND, wParam, lParam);
    return true;
}

void GroupBox::setFramePen(int style, int width, COLORREF color) {
    mFrameStyle = style;
    mFrameWidth = width;
    mFrameColor = color;
    repaint();
}

void GroupBox::paint(Graphics& g) {
    const int width = getWidth();
    const int height = getHeight();
    fillBackground(g);

    const std::wstring caption = getText();
    g.drawString(caption.c_str(), 8, 0);
    // The frame line stops at the caption.
    ::ExcludeClipRect(g.getHDC(), 8, 0, 8 + g.getTextWidth(caption), 12);
    HGDIOBJ hollow = ::SelectObject(g.getHDC(), ::GetStockObject(HOLLOW_BRUSH));
    g.setPen(mFrameStyle, mFrameWidth, mFrameColor);
    g.drawRoundRect(0, 6, width, height - 6, 8, 8);
    ::SelectObject(g.getHDC(), hollow);
    ::SelectClipRgn(g.getHDC(), nullptr);
}
