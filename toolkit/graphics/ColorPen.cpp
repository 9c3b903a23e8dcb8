#include "toolkit/graphics/ColorPen.h"

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
