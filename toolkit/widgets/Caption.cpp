#include "toolkit/widgets/Caption.h"

#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/SlicedImage.h"

namespace {

// A square of the close-button glyph: a pale translucent face with a dark outline under
// a reddish one.
void drawGlyphSquare(Graphics& g, int x, int y, int width, int height) {
    g.fillRectAlpha(x, y, {width, height, 0xFAFAFA, 190});
    HGDIOBJ hollow = ::SelectObject(g.getHDC(), ::GetStockObject(HOLLOW_BRUSH));
    g.setPen(PS_SOLID, 1, 0x505050);
    g.drawRectangle(x + 1, y + 1, width, height);
    g.setPen(PS_SOLID, 1, 0xA06464);
    g.drawRectangle(x, y, width, height);
    ::SelectObject(g.getHDC(), hollow);
}

}  // namespace

void Caption::CloseButton::paint(Graphics& g) {
    Button::paint(g);
    const int w = getWidth();
    const int h = getHeight();
    const Rect r(4, 4, w - 8, h - 8);
    if (mState == 0) {
        drawGlyphSquare(g, r.x, r.y, r.width, r.height);
    } else {
        drawGlyphSquare(g, w / 2 - 2, 4, r.width / 2 + 2, r.height / 2 + 2);
        drawGlyphSquare(g, 4, h / 2 - 4, r.width / 2 + 2, r.height / 2 + 2);
    }
}

Caption::Caption() { setCornerDiameter(4); }

bool Caption::onCreate() {
    mCloseButton.create(m_hWnd, kCloseButtonId);
    placeCloseButton();
    return Button::onCreate();
}

LRESULT Caption::onSize(WPARAM wParam, LPARAM lParam) {
    placeCloseButton();
    return Button::onSize(wParam, lParam);
}

void Caption::setCloseButtonSide(int side) {
    mCloseButtonSide = side;
    placeCloseButton();
}

void Caption::placeCloseButton() {
    if (!m_hWnd || !mCloseButton.m_hWnd) return;
    mCloseButton.setBounds(mCloseButtonSide == 1 ? getWidth() - 20 : 0, 0, 20, 20);
}

bool Caption::onCommand(HWND, int, int) {
    mClosed = mCloseButton.getState() == 1;
    ::SendMessageW(::GetParent(m_hWnd), WM_COMMAND, kCloseButtonId, 0);
    return true;
}

void Caption::paint(Graphics& g) {
    if (!mFaceImage.isLoaded()) {
        Button::paint(g);
        if (mState != 0) g.fillRectAlpha(0, 0, {getWidth(), getHeight(), 0xF0D296, 200});
        return;
    }
    int row = faceImageRow();
    if (mState != 0) row = 32;
    drawSlicedImage(g, mFaceImage, Rect(0, 0, getWidth(), getHeight()), Rect(0, row, mFaceImage.getWidth(), 16));
}
