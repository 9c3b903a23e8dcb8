#include "toolkit/widgets/RadioButton.h"

#include <cstdlib>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/GreyOut.h"

namespace {

// Radio-like siblings: BS_CHECKBOX (bit 0) or BS_AUTORADIOBUTTON (bit 3) set.
bool isRadioLike(HWND hwnd) { return (::GetWindowLongW(hwnd, GWL_STYLE) & 9) != 0; }
bool startsGroup(HWND hwnd) { return (::GetWindowLongW(hwnd, GWL_STYLE) & WS_GROUP) != 0; }

}  // namespace

RadioButton::RadioButton() { registerClass(L"RadioButton"); }

RadioButton::~RadioButton() = default;

bool RadioButton::createWithDefaultBounds(HWND parent) { return create(parent, 0, L"", 0, 0, 0, 0); }

bool RadioButton::create(HWND parent, const std::wstring& text, int x, int y, int width, int height) {
    return create(parent, 0, text, x, y, width, height);
}

bool RadioButton::create(HWND parent, int id, const std::wstring& text, int x, int y, int width, int height) {
    destroy();
    const std::wstring name = getClassName();
    ::CreateWindowExW(0, name.c_str(), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON, x, y, width,
                      height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                      this);
    if (!m_hWnd) return false;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    setText(text);
    return true;
}

LRESULT RadioButton::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == BM_GETCHECK) return isChecked() ? BST_CHECKED : BST_UNCHECKED;
    if (msg == BM_SETCHECK) {
        setChecked(wParam != 0);
        return 0;
    }
    return StateButton::windowProc(hwnd, msg, wParam, lParam);
}

void RadioButton::setChecked(bool checked) {
    mState = checked ? 1 : 0;
    repaint();
}

void RadioButton::release(bool byKey) {
    // Clicking a checked button leaves it checked: clear it so that the click sets it again.
    if (isChecked()) setChecked(false);
    StateButton::release(byKey);
    if (isChecked()) uncheckGroup();
}

void RadioButton::uncheckGroup() {
    for (HWND sibling = ::GetWindow(m_hWnd, GW_HWNDPREV); sibling; sibling = ::GetWindow(sibling, GW_HWNDPREV)) {
        if (!isRadioLike(sibling)) continue;
        if (startsGroup(sibling)) break;
        ::SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    for (HWND sibling = ::GetWindow(m_hWnd, GW_HWNDNEXT); sibling; sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        if (!isRadioLike(sibling)) continue;
        ::SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        if (startsGroup(sibling)) break;
    }
}

void RadioButton::paint(Graphics& g) {
    const int width = getWidth();
    const int height = getHeight();
    fillBackground(g);

    const bool textLeft = (getStyle() & BS_LEFTTEXT) != 0;
    const int textX = textLeft ? 1 : 17;
    const int textY = (height - std::abs(static_cast<int>(mLogFont.lfHeight))) / 2 - 1;
    const COLORREF mark = mHovered ? 0xFFA460 : 0xE18040;
    const int circleX = textLeft ? width - 16 : 1;
    const int circleY = (height - 15) / 2;
    g.setPen(PS_SOLID, 1, mark);
    g.setBrushColor(0xFAFAFA);
    ::Ellipse(g.getHDC(), circleX, circleY, circleX + 15, circleY + 15);
    if (hasFocus()) {
        RECT focus{0, 0, width, height - 1};
        ::DrawFocusRect(g.getHDC(), &focus);
    }
    if (isChecked()) {
        g.setPen(PS_SOLID, 1, 0xFAFAFA);
        g.setBrushColor(mark);
        ::Ellipse(g.getHDC(), circleX + 3, circleY + 3, circleX + 12, circleY + 12);
    }
    const std::wstring text = getText();
    if (!isEnabled()) {
        g.setTextColor(::GetSysColor(COLOR_3DHILIGHT));
        g.drawString(text.c_str(), textX + 1, textY + 1);
        g.setTextColor(::GetSysColor(COLOR_GRAYTEXT));
        grayOutRect(g, Rect(0, 0, width, height));
    }
    g.drawString(text.c_str(), textX, textY);
}
