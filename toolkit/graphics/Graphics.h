// An off-screen drawing surface (a 32-bit top-down DIB section with a memory DC) that
// components paint into before it is copied to the screen in one blit.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/window/Rect.h"

// A pen of a style, width and colour, selected into one DC at a time.
class ColorPen {
public:
    ColorPen() = default;
    ~ColorPen() { release(); }
    ColorPen(const ColorPen&) = delete;
    ColorPen& operator=(const ColorPen&) = delete;

    void set(int style, int width, COLORREF color) {
        mStyle = style;
        mWidth = width;
        mColor = color;
    }
    void select(HDC dc);
    void release();

private:
    int mStyle = PS_SOLID;
    HPEN mPen = nullptr;
    HGDIOBJ mPrevious = nullptr;
    HDC mDC = nullptr;
    int mWidth = 0;
    COLORREF mColor = 0xFFFFFF;
};

// The colour, size and opacity (0..255) of a translucent fill.
struct AlphaFill {
    int width;
    int height;
    COLORREF color;
    int opacity;
};

class Graphics {
public:
    Graphics(int width, int height);
    virtual ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    virtual int getTextWidth(const std::wstring& text);
    virtual void fillRect(const Rect& rect);
    virtual void fillRect(int x, int y, int width, int height);
    virtual void fillRectAlpha(int x, int y, const AlphaFill& fill);
    virtual void drawLine(int x1, int y1, int x2, int y2, COLORREF color = 0xFFFFFFFF);
    virtual void drawString(const wchar_t* text, int x, int y);
    virtual void drawText(const std::wstring& text, int x, int y);

    HDC getHDC() const { return mDC; }
    int getWidth() const { return mWidth; }
    int getHeight() const { return mHeight; }
    // Top-down B, G, R, A bytes of the surface, or null.
    unsigned char* getPixels() const { return mPixels; }

    void setFont(HFONT font);
    COLORREF setBrushColor(COLORREF color);
    void setTextColor(COLORREF color);
    void setBkMode(int mode);
    void setPen(int style, int width, COLORREF color);
    void drawRectangle(int x, int y, int width, int height);
    void drawRoundRect(int x, int y, int width, int height, int cornerWidth, int cornerHeight);
    void copyTo(HDC target, int dx, int dy);

    int mOriginX = 0;
    int mOriginY = 0;

private:
    int mWidth = 0;
    int mHeight = 0;
    HDC mDC = nullptr;
    HBITMAP mBitmap = nullptr;
    HGDIOBJ mInitialBitmap = nullptr;
    unsigned char* mPixels = nullptr;
    HBRUSH mBrush = nullptr;
    HGDIOBJ mInitialBrush = nullptr;
    HFONT mFont = nullptr;
    HGDIOBJ mInitialFont = nullptr;
    ColorPen mPen;
    COLORREF mBrushColor = 1;
    COLORREF mTextColor = 0;
    int mLineSpacing = 0;
};
