#include "toolkit/widgets/CheckBox.h"

#include <cstdlib>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/GreyOut.h"

CheckBox::CheckBox() { registerClass(L"CheckBox"); }

bool CheckBox::createWithDefaultBounds(HWND parent) { return create(parent, 0, L"", 0, 0, 0, 0); }

bool CheckBox::create(HWND parent, const std::wstring& text, int x, int y, int width, int height) {
    return create(parent, 0, text, x, y, width, height);
}

bool CheckBox::create(HWND parent, int id, const std::wstring& text, int x, int y, int width, int height) {
    destroy();
    const std::wstring name = getClassName();
    ::CreateWindowExW(0, name.c_str(), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, x, y, width, height,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), this);
    if (!m_hWnd) return false;
    setText(text);
    return m_hWnd != nullptr;
}

void CheckBox::adjustSize() {
    if (!m_hWnd) return;
    setSize(measureTextWidth(getText(), mLogFont) + mBoxSize + 5, getHeight());
}

void CheckBox::paint(Graphics& g) {
    const int w = getWidth();
    const int h = getHeight();
    const int fontHeight = std::abs(mLogFont.lfHeight);
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setBkMode(TRANSPARENT);
    g.setTextColor(mTextColor);
    g.setBrushColor(mBackColor);
    g.fillRect(Rect(0, 0, w, h));

    const bool boxAtRight = (getStyle() & BS_LEFTTEXT) != 0;
    const int textX = boxAtRight ? 2 : 17;
    const int textY = (h - fontHeight) / 2;
    if (mState == 1) g.setBrushColor(mBoxColor);
    const int s = mBoxSize;
    const int boxX = boxAtRight ? w - s : 0;
    const int boxY = (h - s) / 2 + 1;
    g.setPen(PS_SOLID, 1, mHovered ? 0xFF8264 : 0xC0C0C0);
    g.drawRoundRect(boxX, boxY, s, s, 4, 4);
    if (mState == 1) {
        g.setPen(PS_SOLID, 2, mHovered ? 0xFFFFFF : mCheckColor);
        g.drawLine(boxX + 2, boxY + 6, boxX + 5, boxY + 10);
        g.drawLine(boxX + 5, boxY + 10, boxX + 12, boxY + 3);
    }
    if (hasFocus()) {
        RECT focus = Rect(textX - 1, textY - 1, w - textX + 1, fontHeight + 4).toRECT();
        ::DrawFocusRect(g.getHDC(), &focus);
    }
    const std::wstring text = getText();
    RECT area{textX, textY, w, h};
    if (!isEnabled()) {
        RECT shifted{textX + 1, textY + 1, w + 1, h + 1};
        g.setTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextW(g.getHDC(), text.c_str(), -1, &shifted, 0);
        g.setTextColor(::GetSysColor(COLOR_GRAYTEXT));
        grayOutRect(g, Rect(boxX, textY, s, s));
    }
    ::DrawTextW(g.getHDC(), text.c_str(), -1, &area, 0);
}
