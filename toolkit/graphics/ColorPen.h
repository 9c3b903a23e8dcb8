// A pen of a style, width and colour, selected into one DC at a time.
#pragma once

#include <windows.h>

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
    // Releases any current pen, then creates the pen and selects it into the DC.
    void select(HDC dc);
    // Selects the previous object back and deletes the pen.
    void release();

private:
    int mStyle = PS_SOLID;
    HPEN mPen = nullptr;
    HGDIOBJ mPrevious = nullptr;
    HDC mDC = nullptr;
    int mWidth = 0;
    COLORREF mColor = 0xFFFFFF;
};
