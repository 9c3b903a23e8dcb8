#include "toolkit/graphics/SlicedImage.h"

#include "toolkit/graphics/Graphics.h"

void drawSlicedImage(Graphics& g, Image& image, const Rect& destination, const Rect& sourceCell) {
    const int x = destination.x;
    const int y = destination.y;
    const int w = destination.width;
    const int h = destination.height;
    const int sy = sourceCell.y;
    auto piece = [&](int dx, int dy, int dw, int dh, int sx, int sourceY, int sw, int sh) {
        g.drawImage(image, Rect(dx, dy, dw, dh), Rect(sx, sourceY, sw, sh), Graphics::kOpaque);
    };
    if (w <= 32) {
        const int half = w / 2;
        piece(x, y, half, h, 0, sy, half, 16);
        piece(x + half, y, half, h, sourceCell.width - half, sy, half, 16);
        return;
    }
    piece(x + 16, y + 4, w - 32, h - 8, 16, sy + 4, 32, 8);
    piece(x + 16, y, w - 32, 4, 16, sy, 32, 4);
    piece(x + 16, y + h - 4, w - 32, 4, 16, sy + 12, 32, 4);
    for (const int column : {0, 1}) {
        const int sx = column == 0 ? 0 : 48;
        const int dx = column == 0 ? x : x + w - 16;
        piece(dx, y + 4, 16, h - 8, sx, sy + 4, 16, 8);
        piece(dx, y, 16, 4, sx, sy, 16, 4);
        piece(dx, y + h - 4, 16, 4, sx, sy + 12, 16, 4);
    }
}
