#include "toolkit/graphics/Graphics.h"

#include <algorithm>

void ColorPen::select(HDC dc) {
    release();
    mPen = ::CreatePen(mStyle, mWidth, mColor);
    mDC = dc;
    mPrevious = ::SelectObject(dc, mPen);
}

void ColorPen::release() {
    if (mDC && mPrevious) ::SelectObject(mDC, mPrevious);
    if (mPen) ::DeleteObject(mPen);
    mPen = nullptr;
    mPrevious = nullptr;
    mDC = nullptr;
}

Graphics::Graphics(int width, int height)
    : mWidth(std::clamp(width, 1, 4096)), mHeight(std::clamp(height, 1, 4096)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = mWidth;
    info.bmiHeader.biHeight = -mHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = ::GetDC(nullptr);
    void* bits = nullptr;
    mBitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    mDC = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    if (mBitmap && mDC) {
        mPixels = static_cast<unsigned char*>(bits);
        mInitialBitmap = ::SelectObject(mDC, mBitmap);
    }
}

Graphics::~Graphics() {
    mPen.release();
    if (mDC) {
        if (mInitialBrush) ::SelectObject(mDC, mInitialBrush);
        if (mInitialFont) ::SelectObject(mDC, mInitialFont);
        if (mInitialBitmap) ::SelectObject(mDC, mInitialBitmap);
        ::DeleteDC(mDC);
    }
    if (mBrush) ::DeleteObject(mBrush);
    if (mFont) ::DeleteObject(mFont);
    if (mBitmap) ::DeleteObject(mBitmap);
}

int Graphics::getTextWidth(const std::wstring& text) {
    if (!mDC) return 0;
    int widest = 0;
    size_t start = 0;
    while (true) {
        size_t end = text.find(L"\r\n", start);
        std::wstring piece = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        DWORD extent = ::GetTabbedTextExtentW(mDC, piece.c_str(), static_cast<int>(piece.size()), 0, nullptr);
        widest = std::max(widest, static_cast<int>(LOWORD(extent)));
        if (end == std::wstring::npos) break;
        start = end + 2;
    }
    return widest;
}

void Graphics::fillRect(const Rect& rect) {
    if (!mDC) return;
    RECT r{rect.x - mOriginX, rect.y - mOriginY, rect.x - mOriginX + rect.width, rect.y - mOriginY + rect.height};
    ::FillRect(mDC, &r, mBrush ? mBrush : static_cast<HBRUSH>(::GetCurrentObject(mDC, OBJ_BRUSH)));
}

void Graphics::fillRect(int x, int y, int width, int height) { fillRect(Rect(x, y, width, height)); }

void Graphics::fillRectAlpha(int x, int y, const AlphaFill& fill) {
    if (!mDC || fill.opacity <= 0) return;
    if (fill.opacity >= 255) {
        HBRUSH brush = ::CreateSolidBrush(fill.color);
        HGDIOBJ previous = ::SelectObject(mDC, brush);
        ::PatBlt(mDC, x, y, fill.width, fill.height, PATCOPY);
        ::SelectObject(mDC, previous);
        ::DeleteObject(brush);
        return;
    }
    if (!mPixels) return;
    int left = x - mOriginX;
    int top = y - mOriginY;
    int right = std::min(left + fill.width, mWidth);
    int bottom = std::min(top + fill.height, mHeight);
    left = std::max(left, 0);
    top = std::max(top, 0);
    unsigned char alpha[256];
    unsigned char keep[256];
    for (int i = 0; i < 256; ++i) {
        alpha[i] = static_cast<unsigned char>(fill.opacity * i / 255);
        keep[i] = static_cast<unsigned char>(i - alpha[i]);
    }
    const unsigned char blue = alpha[GetBValue(fill.color)];
    const unsigned char green = alpha[GetGValue(fill.color)];
    const unsigned char red = alpha[GetRValue(fill.color)];
    ::GdiFlush();
    for (int row = top; row < bottom; ++row) {
        unsigned char* p = mPixels + (static_cast<size_t>(row) * mWidth + left) * 4;
        for (int column = left; column < right; ++column, p += 4) {
            p[0] = static_cast<unsigned char>(blue + keep[p[0]]);
            p[1] = static_cast<unsigned char>(green + keep[p[1]]);
            p[2] = static_cast<unsigned char>(red + keep[p[2]]);
        }
    }
}

void Graphics::drawLine(int x1, int y1, int x2, int y2, COLORREF color) {
    if (!mDC) return;
    HPEN temporary = nullptr;
    HGDIOBJ previous = nullptr;
    if (color == 0xFFFFFFFF) {
        mPen.select(mDC);
    } else {
        temporary = ::CreatePen(PS_SOLID, 0, color);
        previous = ::SelectObject(mDC, temporary);
    }
    POINT before{};
    ::MoveToEx(mDC, x1, y1, &before);
    ::LineTo(mDC, x2, y2);
    ::MoveToEx(mDC, before.x, before.y, nullptr);
    if (temporary) {
        ::SelectObject(mDC, previous);
        ::DeleteObject(temporary);
    }
}

void Graphics::drawString(const wchar_t* text, int x, int y) { drawText(text ? text : L"", x, y); }

void Graphics::drawText(const std::wstring& text, int x, int y) {
    if (!mDC) return;
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(mDC, &metrics);
    const int lineHeight = metrics.tmHeight + mLineSpacing;
    int px = x - mOriginX;
    int py = y - mOriginY;
    size_t start = 0;
    size_t feed = 0;
    while ((feed = text.find(L'\n', start)) != std::wstring::npos) {
        std::wstring line = text.substr(start, feed - start);
        size_t cr = line.find(L'\r');
        if (cr != std::wstring::npos) line.resize(cr);
        ::TextOutW(mDC, px, py, line.c_str(), static_cast<int>(line.size()));
        py += lineHeight;
        start = feed + 1;
    }
    std::wstring rest = text.substr(start);
    ::TextOutW(mDC, px, py, rest.c_str(), static_cast<int>(rest.size()));
}

void Graphics::setFont(HFONT font) {
    if (!mDC) {
        if (font) ::DeleteObject(font);
        return;
    }
    HGDIOBJ replaced = ::SelectObject(mDC, font);
    if (!mInitialFont) {
        mInitialFont = replaced;
    } else if (mFont) {
        ::DeleteObject(mFont);
    }
    mFont = font;
}

COLORREF Graphics::setBrushColor(COLORREF color) {
    COLORREF previous = mBrushColor;
    if (color == mBrushColor) return previous;
    mBrushColor = color;
    if (!mDC) return previous;
    HBRUSH brush = ::CreateSolidBrush(color);
    HGDIOBJ replaced = ::SelectObject(mDC, brush);
    if (!mInitialBrush) {
        mInitialBrush = replaced;
    } else if (mBrush) {
        ::DeleteObject(mBrush);
    }
    mBrush = brush;
    return previous;
}

void Graphics::setTextColor(COLORREF color) {
    mTextColor = color;
    if (mDC) ::SetTextColor(mDC, color);
}

void Graphics::setBkMode(int mode) {
    if (mDC) ::SetBkMode(mDC, mode);
}

void Graphics::setPen(int style, int width, COLORREF color) {
    mPen.set(style, width, color);
    if (mDC) mPen.select(mDC);
}

void Graphics::drawRectangle(int x, int y, int width, int height) {
    if (mDC) ::Rectangle(mDC, x - mOriginX, y - mOriginY, x - mOriginX + width, y - mOriginY + height);
}

void Graphics::drawRoundRect(int x, int y, int width, int height, int cornerWidth, int cornerHeight) {
    if (mDC) ::RoundRect(mDC, x, y, x + width, y + height, cornerWidth, cornerHeight);
}

void Graphics::copyTo(HDC target, int dx, int dy) {
    if (mDC) ::BitBlt(target, mOriginX + dx, mOriginY + dy, mWidth, mHeight, mDC, 0, 0, SRCCOPY);
}
