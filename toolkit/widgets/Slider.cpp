#include "toolkit/widgets/Slider.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/GreyOut.h"
#include "toolkit/widgets/PixelEffects.h"

Slider::Slider() {
    mLogFont.lfHeight = 11;
    registerClass(L"SliderPane");
}

Slider::~Slider() = default;

std::wstring Slider::getTextCopy() const {
    wchar_t text[128];
    ::swprintf(text, 128, L"The current slider position is %d. The range is from %d to %d.", mValue, mMinimum,
               mMaximum);
    return text;
}

void Slider::setValue(int value) {
    mValue = std::max(std::min(value, mMaximum), mMinimum);
    if (mUnitsPerPixel != 0.0f) {
        mThumb.x = static_cast<int>(std::fabs(static_cast<float>(mValue - mMinimum)) / mUnitsPerPixel);
    }
}

void Slider::setRange(int minimum, int maximum) {
    mMinimum = minimum;
    mMaximum = maximum;
    if (mTrackLength <= 0) mTrackLength = maximum - minimum;
    mValue = std::min(std::max(mValue, mMinimum), mMaximum);
    if (mTrackLength != 0) {
        mUnitsPerPixel = std::fabs(static_cast<float>(maximum - minimum)) / static_cast<float>(mTrackLength);
    }
}

void Slider::setThumbSize(int width, int height) {
    mThumb.width = width;
    mThumb.height = height;
    mTrackLength = mTrack.width - mThumb.width;
    if (mTrackLength != 0) {
        mUnitsPerPixel = std::fabs(static_cast<float>(mMaximum - mMinimum)) / static_cast<float>(mTrackLength);
        setValue(mValue);
    }
}

void Slider::moveBy(int delta) {
    setValue(mValue + delta);
    notifyParent(mValue);
    repaint(nullptr, false);
}

void Slider::notifyParent(int) {
    if (!m_hWnd) return;
    const int id = ::GetDlgCtrlID(m_hWnd);
    ::SendMessageW(::GetParent(m_hWnd), WM_HSCROLL, MAKEWPARAM(id, static_cast<WORD>(mValue & 0xFFFF)),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

int Slider::getPageStep() {
    if (mPageSize < 1) mPageSize = 5;
    return std::abs(mMaximum - mMinimum) / mPageSize;
}

LRESULT Slider::onSize(WPARAM, LPARAM lParam) {
    mTrack.set(0, 0, LOWORD(lParam), HIWORD(lParam));
    setThumbSize(mThumb.width, HIWORD(lParam));
    return 0;
}

bool Slider::onLButtonDown(int x, int y) {
    setFocus();
    if (!mTrack.contains(x, y)) return false;
    mDragging = true;
    if (!mThumb.contains(x, y)) {
        // A click beside the thumb centres the thumb under the pointer at once.
        mThumb.x = x - mThumb.width / 2;
        mThumb.y = 0;
        mGrabX = x - mThumb.x;
        mGrabY = y - mThumb.y;
        onMouseMove(x, y);
    } else {
        mGrabX = x - mThumb.x;
        mGrabY = y - mThumb.y;
    }
    return true;
}

bool Slider::onMouseMove(int x, int y) {
    if (!mDragging) {
        if (!mHovered) Component::onMouseEnter();
        return true;
    }
    int thumbX = x - mGrabX;
    thumbX = std::max(thumbX, mTrack.x);
    thumbX = std::min(thumbX, mTrack.x + mTrack.width - mThumb.width + 1);
    mThumb.x = thumbX;
    setValue(static_cast<int>(static_cast<float>(thumbX - mTrack.x) * mUnitsPerPixel) + mMinimum);
    notifyParent(mValue);
    repaint(nullptr, false);
    return true;
}

bool Slider::onLButtonUp() {
    if (mDragging) {
        ::ReleaseCapture();
        repaint(nullptr, false);
    }
    mDragging = false;
    return true;
}

bool Slider::onKeyDown(WPARAM key, LPARAM lParam) {
    if (Component::onKeyDown(key, lParam)) return true;
    if (!isEnabled()) return false;
    const int step = (::GetKeyState(VK_CONTROL) & 0x8000) ? getPageStep() : mLineSize;
    switch (key) {
        case VK_LEFT:
        case VK_UP:
            moveBy(-step);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            moveBy(step);
            break;
        default:
            break;
    }
    return true;
}

bool Slider::onMouseWheel(int, int, int, int notches) {
    moveBy(-notches);
    return true;
}

LRESULT Slider::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case TBM_GETPOS:
            return mValue;
        case TBM_GETRANGEMIN:
            return mMinimum;
        case TBM_GETRANGEMAX:
            return mMaximum;
        case TBM_SETPOS:
            setValue(static_cast<int>(lParam));
            repaint(nullptr, false);
            return 0;
        case TBM_SETRANGE:
            setRange(static_cast<short>(LOWORD(lParam)), HIWORD(lParam));
            if (wParam) repaint(nullptr, false);
            return 0;
        case TBM_SETRANGEMIN:
            setRange(static_cast<int>(lParam), mMaximum);
            if (wParam) repaint(nullptr, false);
            return 0;
        case TBM_SETRANGEMAX:
            setRange(mMinimum, static_cast<int>(lParam));
            if (wParam) repaint(nullptr, false);
            return 0;
        case TBM_SETTICFREQ:
            return 0;
        case TBM_SETPAGESIZE:
            mPageSize = static_cast<int>(lParam);
            return 0;
        case TBM_SETLINESIZE:
            mLineSize = static_cast<int>(lParam);
            return 0;
        case TBM_GETLINESIZE:
            return mLineSize;
        case TBM_SETTHUMBLENGTH:
            mThumb.width = static_cast<int>(wParam);
            return 0;
        case TBM_GETTHUMBLENGTH:
            return mThumb.width;
        default:
            return Component::windowProc(hwnd, msg, wParam, lParam);
    }
}

void Slider::paint(Graphics& g) {
    const int width = getWidth();
    const int height = getHeight();
    g.setBrushColor(mBackColor);
    g.fillRect(0, 0, width, height);

    const int barY = mTrack.height / 2 - 3;
    g.setBrushColor(0xC8C8C8);
    g.setPen(PS_SOLID, 1, 0x808080);
    g.drawRoundRect(mTrack.x, barY, mTrack.width, 6, 4, 4);
    if (mThumb.x > 0) g.fillRectAlpha(mTrack.x + 1, barY, {mThumb.x, 6, mFilledColor, 255});

    drawThumb(g);
    if (!isEnabled()) grayOutRect(g, Rect(0, 0, width, height));
    drawValue(g);
    if (hasFocus()) {
        RECT all{0, 0, width, height};
        ::DrawFocusRect(g.getHDC(), &all);
    }
}

void Slider::drawThumb(Graphics& g) {
    COLORREF pen = 0xC0C0C0;
    COLORREF fill = mThumbColor;
    if (mHovered) {
        pen = 0xFF8264;
        fill = 0xFFFFFF;
    }
    if (mDragging) fill = 0xFFD296;
    g.setPen(PS_SOLID, 1, pen);
    g.setBrushColor(fill);
    g.drawRoundRect(mThumb.x, mThumb.y, mThumb.width, mThumb.height, mThumbRadius, mThumbRadius);
    if (mDragging) {
        // The dragged thumb is tinted blue; the thumb may stand partly outside the surface
        // (an empty range, a slider narrower than its thumb), so only the part inside is touched.
        forEachPixel(g, mThumb, [](unsigned char* pixel) { pixel[0] = 255; });
    }
}

void Slider::drawValue(Graphics& g) {
    if (mThumb.width < 12) return;
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setBkMode(TRANSPARENT);
    g.setTextColor(mTextColor);
    const std::wstring text = std::to_wstring(mValue);
    const int x = (mThumb.width - g.getTextWidth(text)) / 2;
    const int y = mThumb.height / 2 + mThumb.y - (std::abs(static_cast<int>(mLogFont.lfHeight)) - 2) / 2;
    if (!isEnabled()) {
        g.setTextColor(::GetSysColor(COLOR_3DHILIGHT));
        g.drawText(text, mThumb.x + x + 1, y + 1);
        g.setTextColor(0x646464);
    }
    g.drawText(text, mThumb.x + x, y);
}
