#include "toolkit/graphics/GreyOut.h"

#include <algorithm>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/Image.h"

namespace {

unsigned char paleGrey(unsigned red, unsigned green, unsigned blue) {
    return static_cast<unsigned char>(std::min(((77 * red + 151 * green + 28 * blue) >> 8) + 96, 255u));
}

// The 32-bit DIB section selected into a DC, for direct pixel access; false otherwise.
bool selectedSection(HDC dc, DIBSECTION& section) {
    HGDIOBJ bitmap = ::GetCurrentObject(dc, OBJ_BITMAP);
    return bitmap && ::GetObjectW(bitmap, sizeof section, &section) == sizeof section && section.dsBm.bmBits &&
           section.dsBm.bmBitsPixel == 32;
}

}  // namespace

void greyOutRect(HDC dc, const Rect& rect, COLORREF key) {
    if (!dc || rect.width <= 0 || rect.height <= 0) return;
    DIBSECTION section{};
    if (selectedSection(dc, section)) {
        const int width = section.dsBm.bmWidth;
        const int height = section.dsBm.bmHeight;
        const bool topDown = section.dsBmih.biHeight < 0;
        const int left = std::max(rect.x, 0);
        const int right = std::min(rect.x + rect.width, width);
        const int top = std::max(rect.y, 0);
        const int bottom = std::min(rect.y + rect.height, height);
        ::GdiFlush();
        auto* bits = static_cast<unsigned char*>(section.dsBm.bmBits);
        for (int y = top; y < bottom; ++y) {
            const int row = topDown ? y : height - 1 - y;
            unsigned char* p = bits + static_cast<size_t>(row) * section.dsBm.bmWidthBytes + static_cast<size_t>(left) * 4;
            for (int x = left; x < right; ++x, p += 4) {
                if (RGB(p[2], p[1], p[0]) == key) continue;
                p[0] = p[1] = p[2] = paleGrey(p[2], p[1], p[0]);
            }
        }
        return;
    }
    // Any other bitmap: pixel by pixel through GDI (small tool-bar pictures).
    for (int y = rect.y; y < rect.y + rect.height; ++y) {
        for (int x = rect.x; x < rect.x + rect.width; ++x) {
            const COLORREF color = ::GetPixel(dc, x, y);
            if (color == CLR_INVALID || color == key) continue;
            const unsigned char grey = paleGrey(GetRValue(color), GetGValue(color), GetBValue(color));
            ::SetPixel(dc, x, y, RGB(grey, grey, grey));
        }
    }
}

void grayOutRect(Graphics& g, const Rect& rect) {
    Image& image = g.getImage();
    unsigned char* bits = image.getBits();
    if (!bits) return;
    const int left = std::max(rect.x, 0);
    const int right = std::min(rect.x + rect.width, image.getWidth());
    const int top = std::max(rect.y, 0);
    const int bottom = std::min(rect.y + rect.height, image.getHeight());
    const COLORREF key = image.getColorKey();
    const bool keyed = image.isTransparent() && (key & 0xFF000000) == 0;
    ::GdiFlush();
    for (int y = top; y < bottom; ++y) {
        unsigned char* p = bits + static_cast<size_t>(y) * image.getRowSize() + static_cast<size_t>(left) * 4;
        for (int x = left; x < right; ++x, p += 4) {
            if (keyed && RGB(p[2], p[1], p[0]) == key) continue;
            // The colour value holds blue in bits 16-23 and red in bits 0-7.
            const unsigned v = (77u * p[0] + 151u * p[1] + 28u * p[2]) >> 8;
            p[0] = p[1] = p[2] = static_cast<unsigned char>(v);
        }
    }
}

HBITMAP createDisabledBitmap(HWND, HBITMAP bitmap, COLORREF mask) {
    BITMAP info{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof info, &info)) return nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP copy = ::CreateCompatibleBitmap(screen, info.bmWidth, info.bmHeight);
    HDC source = ::CreateCompatibleDC(screen);
    HDC target = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    if (copy && source && target) {
        HGDIOBJ previousSource = ::SelectObject(source, bitmap);
        HGDIOBJ previousTarget = ::SelectObject(target, copy);
        ::BitBlt(target, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        greyOutRect(target, Rect(0, 0, info.bmWidth, info.bmHeight), mask);
        ::SelectObject(source, previousSource);
        ::SelectObject(target, previousTarget);
    }
    if (source) ::DeleteDC(source);
    if (target) ::DeleteDC(target);
    return copy;
}

HRGN createRegionFromImage(Image& image, const Rect& rect) {
    if (!image.getBits()) return nullptr;
    const int right = std::min(rect.x + rect.width, image.getWidth());
    const int bottom = std::min(rect.y + rect.height, image.getHeight());
    HRGN region = ::CreateRectRgn(0, 0, right + 1, bottom + 1);
    const COLORREF key = image.getColorKey();
    for (int y = std::max(rect.y, 0); y < bottom; ++y) {
        // Runs of key pixels are cut out as one rectangle each.
        int x = std::max(rect.x, 0);
        while (x < right) {
            if ((image.getPixel(x, y) & 0xFFFFFF) != key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < right && (image.getPixel(x, y) & 0xFFFFFF) == key) ++x;
            HRGN hole = ::CreateRectRgn(start - rect.x, y - rect.y, x - rect.x, y - rect.y + 1);
            ::CombineRgn(region, region, hole, RGN_DIFF);
            ::DeleteObject(hole);
        }
    }
    return region;
}
