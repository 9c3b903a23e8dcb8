// What the editor draws besides its text: the background image under it, the frame
// round a field and the cross that empties one.
#include <algorithm>

#include "texteditor/editor/PenLine.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Image.h"

namespace {

constexpr COLORREF kFocusedBorder = 0xFFD790;
constexpr COLORREF kBorder = 0xFAAA96;
constexpr COLORREF kClearMark = 0xC0C0C0;
constexpr int kClearMarkSide = 11;

// The destination of an image kept at its aspect ratio and centred in width x height.
Rect fittedRect(int imageWidth, int imageHeight, int width, int height) {
    if (imageWidth <= 0 || imageHeight <= 0 || width <= 0 || height <= 0) return Rect(0, 0, width, height);
    int w = width;
    int h = height;
    if (static_cast<long long>(width) * imageHeight <= static_cast<long long>(height) * imageWidth) {
        h = static_cast<int>(static_cast<long long>(width) * imageHeight / imageWidth);
    } else {
        w = static_cast<int>(static_cast<long long>(height) * imageWidth / imageHeight);
    }
    return Rect((width - w) / 2, (height - h) / 2, w, h);
}

}  // namespace

void TextEditor::drawBackgroundImage(HDC memory) {
    if (!hasBackgroundImage()) return;
    const RECT client = getClientRect();
    Graphics g(client.right, client.bottom);
    if (!g.getHDC()) return;
    ::SetStretchBltMode(g.getHDC(), COLORONCOLOR);
    Image& image = *backgroundImage;
    const Rect source(0, 0, image.getWidth(), image.getHeight());
    // A loaded picture is colour-keyed by its corner pixel; a background shows every pixel.
    const bool keyed = image.isTransparent();
    image.setTransparent(false);
    if (fitBackgroundImage) {
        g.fillBackground(0, 0, client.right, client.bottom, mBackColor, 255);
        g.drawImage(image, fittedRect(image.getWidth(), image.getHeight(), client.right, client.bottom), source);
    } else {
        g.drawImage(image, Rect(0, 0, client.right, client.bottom), source);
    }
    image.setTransparent(keyed);
    // The background colour over the text area lets only `opacity` percent of the image through.
    const RECT text = getTextRectangle();
    const int alpha = 255 - std::max(0, std::min(backgroundOpacity, 100)) * 255 / 100;
    g.fillBackground(text.left - 4, text.top, text.right - text.left + 8, text.bottom - text.top, mBackColor, alpha);
    ::BitBlt(memory, 0, 0, client.right, client.bottom, g.getHDC(), 0, 0, SRCCOPY);
}

void TextEditor::drawBorderAndClearMark(HDC memory) {
    const RECT client = getClientRect();
    if (showBorder) {
        const bool focused = hasFocus();
        HPEN pen = ::CreatePen(PS_SOLID, focused ? 2 : 1, focused ? kFocusedBorder : kBorder);
        HGDIOBJ previousPen = ::SelectObject(memory, pen);
        HGDIOBJ previousBrush = ::SelectObject(memory, ::GetStockObject(NULL_BRUSH));
        if (focused) {
            ::Rectangle(memory, 1, 1, client.right, client.bottom);
        } else {
            ::Rectangle(memory, 0, 0, client.right, client.bottom);
        }
        ::SelectObject(memory, previousBrush);
        ::SelectObject(memory, previousPen);
        ::DeleteObject(pen);
    }
    if (showClearMark && document->getLength() != 0 && !readOnly) {
        const int left = client.right - 15;
        const int top = padding.top;
        const int s = kClearMarkSide;
        drawPenLine(memory, left, top, left + s + 1, top + s + 1, kClearMark);
        drawPenLine(memory, left, top + s + 1, left + s + 1, top, kClearMark);
    }
}
