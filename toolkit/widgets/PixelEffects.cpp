#include "toolkit/widgets/PixelEffects.h"

#include <windows.h>

#include <algorithm>

#include "toolkit/graphics/Graphics.h"

void forEachPixel(Graphics& g, const Rect& rect, const std::function<void(unsigned char*)>& visit) {
    Image& surface = g.getImage();
    unsigned char* bits = surface.getBits();
    if (!bits || surface.getBitCount() != 32) return;
    const int left = std::max(rect.x - g.getOriginX(), 0);
    const int top = std::max(rect.y - g.getOriginY(), 0);
    const int right = std::min(rect.x - g.getOriginX() + rect.width, surface.getWidth());
    const int bottom = std::min(rect.y - g.getOriginY() + rect.height, surface.getHeight());
    ::GdiFlush();
    for (int row = top; row < bottom; ++row) {
        unsigned char* pixel = bits + static_cast<size_t>(row) * surface.getRowSize() + static_cast<size_t>(left) * 4;
        for (int column = left; column < right; ++column, pixel += 4) visit(pixel);
    }
}
