#include "toolkit/widgets/Button.h"

#include <cstdlib>

#include "toolkit/graphics/FontManager.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/GreyOut.h"
#include "toolkit/graphics/SlicedImage.h"

Button::Button() {
    registerClass(L"ButtonPane");
    setTextColor(::GetSysColor(COLOR_BTNTEXT));
    setBackColor(0xE6E6E6);
    LOGFONTW comic{};
    if (FontManager::getInstance().findFont(L"Comic Sans MS", comic)) {
        mLogFont = comic;
        mLogFont.lfHeight = 15;
        mLogFont.lfWidth = 0;
    }
    mLogFont.lfWeight = 600;
}

bool Button::createWithDefaultBounds(HWND parent) { return create(parent, 0, L"", 0, 0, 0, 0); }

bool Button::create(HWND parent, int id) { return create(parent, id, L"", 0, 0, 0, 0); }

bool Button::create(HWND parent, const std::wstring& text, int x, int y, int width, int height) {
    return create(parent, 0, text, x, y, width, height);
}

bool Button::create(HWND parent, int id, const std::wstring& text, int x, int y, int width, int height) {
    destroy();
    const std::wstring name = getClassName();
    ::CreateWindowExW(0, name.c_str(), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width, height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), this);
    if (!m_hWnd) return false;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), 0);
    setText(text);
    return m_hWnd != nullptr;
}

void Button::paint(Graphics& g) {
    if (mFaceImage.isLoaded()) {
        paintImage(g);
    } else {
        paintBackground(g);
    }
    paintText(g);
}

int Button::faceImageRow() const {
    int row = hasFocus() ? 48 : 0;
    if (!mMousePressed) {
        if (mHovered) row = 16;
    } else {
        row = mHovered ? 32 : 48;
    }
    return row;
}

void Button::paintImage(Graphics& g) {
    drawSlicedImage(g, mFaceImage, Rect(0, 0, getWidth(), getHeight()), Rect(0, faceImageRow(), 64, 16));
}

void Button::paintBackground(Graphics& g) {
    const int w = getWidth();
    const int h = getHeight();
    g.setBrushColor(mBackColor);
    g.fillRect(Rect(0, 0, w, h));
    g.setBrushColor(0xFFFFFF);
    const int d = w < 24 ? 4 : mCornerDiameter;
    g.setBrushColor(looksPressed() ? 0xF0D296 : mHovered ? 0xFFE6AA : 0xFFFFFF);
    if (hasFocus()) {
        g.setPen(PS_SOLID, 2, 0xFFD790);
        g.drawRoundRect(0, 0, w, h, d, d);
        g.setPen(PS_SOLID, 1, 0xA87854);
        g.drawRoundRect(1, 1, w - 2, h - 2, d - 2, d - 2);
    } else {
        g.setPen(PS_SOLID, 1, 0xAA9680);
        g.drawRoundRect(0, 0, w, h, d, d);
    }
    g.fillRectAlpha(3, 0, {w - 6, 3, 0, 4});
    g.fillRectAlpha(2, 3, {w - 4, 5, 0, 8});
    g.fillRectAlpha(2, 5, {w - 4, 8, 0, 12});
    g.fillRectAlpha(1, 9, {w - 2, 3, 0, 16});
    g.fillRectAlpha(2, 9, {w - 4, 7, 0, 16});
}

void Button::paintText(Graphics& g) {
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setTextColor(mTextColor);
    g.setBkMode(TRANSPARENT);
    const std::wstring text = getText();
    if (text.empty()) return;
    const int w = getWidth();
    const int h = getHeight();
    int x = w / 2 + 1;
    int y = (h - std::abs(mLogFont.lfHeight)) / 2;
    if (looksPressed()) {
        x = w / 2 + 2;
        y += 1;
    }
    ::SetTextAlign(g.getHDC(), TA_CENTER);
    if (!isEnabled()) {
        g.setTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        g.drawText(text, x + 1, y + 1);
        g.setTextColor(::GetSysColor(COLOR_GRAYTEXT));
        grayOutRect(g, Rect(0, 0, w, h));
    }
    g.drawText(text, x, y);
}
