#include "toolkit/graphics/Graphics.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "foundation/encoding/StringConversion.h"

namespace {

// Blend tables of one opacity: result = given[source] + kept[destination].
struct BlendTables {
    unsigned char given[256];
    unsigned char kept[256];
    explicit BlendTables(int opacity) {
        for (int i = 0; i < 256; ++i) {
            given[i] = static_cast<unsigned char>(opacity * i / 255);
            kept[i] = static_cast<unsigned char>(i - given[i]);
        }
    }
};

// Cuts a text at each "\r\n" and answers the widest piece as measured.
template <typename String, typename Measure>
int widestLine(const String& text, const typename String::value_type* lineBreak, Measure measure) {
    int widest = 0;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(lineBreak, start);
        widest = std::max(widest, measure(text.substr(start, end == String::npos ? String::npos : end - start)));
        if (end == String::npos) return widest;
        start = end + 2;
    }
}

}  // namespace

Graphics::Graphics(int width, int height) { mImage.create(width, height); }

Graphics::~Graphics() {
    mPen.release();
    if (HDC dc = getHDC()) {
        if (mInitialBrush) ::SelectObject(dc, mInitialBrush);
        if (mInitialFont) ::SelectObject(dc, mInitialFont);
    }
    if (mBrush) ::DeleteObject(mBrush);
    if (mFont) ::DeleteObject(mFont);
    mOriginX = 0;
    mOriginY = 0;
    mImage.dispose();
}

void Graphics::copyTo(Graphics& target, int dx, int dy, int, int, DWORD rop) {
    if (getHDC() && target.getHDC()) {
        ::BitBlt(target.getHDC(), mOriginX + dx, mOriginY + dy, getWidth(), getHeight(), getHDC(), 0, 0, rop);
    }
}

void Graphics::copyTo(HDC target, int dx, int dy) {
    if (getHDC()) ::BitBlt(target, mOriginX + dx, mOriginY + dy, getWidth(), getHeight(), getHDC(), 0, 0, SRCCOPY);
}

int Graphics::getTextWidthA(const std::string& text) {
    HDC dc = getHDC();
    if (!dc) return 0;
    return widestLine(text, "\r\n", [dc](const std::string& piece) {
        return static_cast<int>(LOWORD(::GetTabbedTextExtentA(dc, piece.c_str(), static_cast<int>(piece.size()), 0, nullptr)));
    });
}

int Graphics::getTextWidth(const std::wstring& text) {
    HDC dc = getHDC();
    if (!dc) return 0;
    return widestLine(text, L"\r\n", [dc](const std::wstring& piece) {
        return static_cast<int>(LOWORD(::GetTabbedTextExtentW(dc, piece.c_str(), static_cast<int>(piece.size()), 0, nullptr)));
    });
}

void Graphics::fillRect(const Rect& rect) {
    HDC dc = getHDC();
    if (!dc) return;
    RECT r{rect.x - mOriginX, rect.y - mOriginY, rect.x - mOriginX + rect.width, rect.y - mOriginY + rect.height};
    ::FillRect(dc, &r, mBrush ? mBrush : static_cast<HBRUSH>(::GetCurrentObject(dc, OBJ_BRUSH)));
}

void Graphics::fillRect(int x, int y, int width, int height) { fillRect(Rect(x, y, width, height)); }

void Graphics::fillRect(const RECT* rect, HBRUSH brush) {
    if (!getHDC() || !rect) return;
    RECT r{rect->left - mOriginX, rect->top - mOriginY, rect->right - mOriginX, rect->bottom - mOriginY};
    ::FillRect(getHDC(), &r, brush);
}

void Graphics::fillRectAlpha(int x, int y, const AlphaFill& fill) {
    HDC dc = getHDC();
    if (!dc || fill.opacity <= 0 || fill.width <= 0 || fill.height <= 0) return;
    if (fill.opacity >= 255) {
        HBRUSH brush = ::CreateSolidBrush(fill.color);
        HGDIOBJ previous = ::SelectObject(dc, brush);
        ::PatBlt(dc, x, y, fill.width, fill.height, PATCOPY);
        ::SelectObject(dc, previous);
        ::DeleteObject(brush);
        return;
    }
    const BlendTables tables(fill.opacity);
    blendRect(x, y, fill.width, fill.height, fill.color, tables.given, tables.kept);
}

void Graphics::fillBackground(int x, int y, int width, int height, COLORREF color, int alpha) {
    if (!getHDC() || alpha <= 0 || width <= 0 || height <= 0) return;
    if (alpha >= 255) {
        fillRectAlpha(x - mOriginX, y - mOriginY, {width, height, color, 255});
        return;
    }
    unsigned char given[256];
    unsigned char kept[256];
    for (int i = 0; i < 256; ++i) {
        given[i] = static_cast<unsigned char>(i * alpha / 255);
        kept[i] = static_cast<unsigned char>(i * (255 - alpha) / 255);
    }
    blendRect(x, y, width, height, color, given, kept);
}

void Graphics::blendRect(int x, int y, int width, int height, COLORREF color, const unsigned char* given,
                         const unsigned char* kept) {
    unsigned char* bits = mImage.getBits();
    if (!bits) return;
    int left = x - mOriginX;
    int top = y - mOriginY;
    const int right = std::min(left + width, getWidth());
    const int bottom = std::min(top + height, getHeight());
    left = std::max(left, 0);
    top = std::max(top, 0);
    const unsigned char blue = given[GetBValue(color)];
    const unsigned char green = given[GetGValue(color)];
    const unsigned char red = given[GetRValue(color)];
    const int bytesPerLine = mImage.getRowSize();
    ::GdiFlush();
    for (int row = top; row < bottom; ++row) {
        unsigned char* p = bits + static_cast<size_t>(row) * bytesPerLine + static_cast<size_t>(left) * 4;
        for (int column = left; column < right; ++column, p += 4) {
            p[0] = static_cast<unsigned char>(blue + kept[p[0]]);
            p[1] = static_cast<unsigned char>(green + kept[p[1]]);
            p[2] = static_cast<unsigned char>(red + kept[p[2]]);
        }
    }
}

void Graphics::drawPolygon(const POINT* points) {
    if (!getHDC() || !points) return;
    mPen.select(getHDC());
    ::Polygon(getHDC(), points, 4);
}

void Graphics::drawLine(int x1, int y1, int x2, int y2, COLORREF color) {
    HDC dc = getHDC();
    if (!dc) return;
    HPEN temporary = nullptr;
    HGDIOBJ previous = nullptr;
    if (color == kCurrentPen) {
        mPen.select(dc);
    } else {
        temporary = ::CreatePen(PS_SOLID, 0, color);
        previous = ::SelectObject(dc, temporary);
    }
    POINT before{};
    ::MoveToEx(dc, x1, y1, &before);
    ::LineTo(dc, x2, y2);
    ::MoveToEx(dc, before.x, before.y, nullptr);
    if (temporary) {
        ::SelectObject(dc, previous);
        ::DeleteObject(temporary);
    }
}

void Graphics::drawPolyline(const POINT* points, int count, int width, COLORREF color) {
    HDC dc = getHDC();
    if (!dc || !points || count <= 0) return;
    HPEN pen = ::CreatePen(PS_SOLID, width, color);
    HGDIOBJ previous = ::SelectObject(dc, pen);
    POINT before{};
    ::MoveToEx(dc, points[0].x, points[0].y, &before);
    for (int i = 1; i <= count; ++i) ::LineTo(dc, points[i % count].x, points[i % count].y);
    ::MoveToEx(dc, before.x, before.y, nullptr);
    ::SelectObject(dc, previous);
    ::DeleteObject(pen);
}

void Graphics::drawImage(Image& image) {
    const DWORD alpha = static_cast<DWORD>(255 * image.getOpacity());
    drawImage(image, image.getBounds(), Rect(0, 0, image.getWidth(), image.getHeight()), alpha << 24);
}

void Graphics::drawImage(Image& image, int x, int y) {
    drawImage(image, Rect(x, y, image.getWidth(), image.getHeight()), Rect(0, 0, image.getWidth(), image.getHeight()));
}

void Graphics::drawImage(Image& image, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh) {
    drawImage(image, Rect(dx, dy, dw, dh), Rect(sx, sy, sw, sh));
}

void Graphics::drawImage(Image& image, const Rect& destination, const Rect& source, DWORD argb) {
    const int opacity = static_cast<int>(argb >> 24);
    if (opacity == 0 || destination.width == 0 || destination.height == 0 || source.width == 0 || source.height == 0) {
        return;
    }
    if (opacity == 255) {
        drawBitmap(image.getBitmap(), destination, source);
        return;
    }
    copyPixels(image.getBitmap(), destination, source, opacity);
}

void Graphics::drawBitmap(Bitmap& bitmap, const Rect& destination, const Rect& source) {
    if (destination.width == 0 || destination.height == 0 || source.width == 0 || source.height == 0) return;
    if (!getHDC() || !bitmap.getDC()) return;
    if (!bitmap.isTransparent()) {
        ::StretchBlt(getHDC(), destination.x - mOriginX, destination.y - mOriginY, destination.width, destination.height,
                     bitmap.getDC(), source.x, source.y, source.width, source.height, SRCCOPY);
        return;
    }
    copyPixels(bitmap, destination, source, 255);
}

void Graphics::copyPixels(const Bitmap& image, const Rect& destination, const Rect& source, int opacity) {
    unsigned char* target = mImage.getBits();
    const unsigned char* pixels = image.getBits();
    if (!target || !pixels || source.width <= 0 || source.height <= 0 || destination.height <= 0) return;
    const int columns = std::abs(destination.width);
    const bool mirrored = destination.width < 0;
    const int left = destination.x - mOriginX;
    const int top = destination.y - mOriginY;
    const int surfaceWidth = getWidth();
    const int surfaceHeight = getHeight();
    const int imageWidth = image.getWidth();
    const int imageHeight = image.getHeight();

    // Per destination column: the surface column and the source column, or skipped.
    struct ColumnMap {
        int target;
        int source;
    };
    std::vector<ColumnMap> map;
    map.reserve(static_cast<size_t>(std::min(columns, surfaceWidth)));
    const double stepX = static_cast<double>(source.width) / columns;
    for (int i = 0; i < columns; ++i) {
        const int column = mirrored ? left - 1 - i : left + i;
        const int sourceColumn = source.x + static_cast<int>(i * stepX);
        if (column < 0 || column >= surfaceWidth || sourceColumn < 0 || sourceColumn >= imageWidth) continue;
        map.push_back({column, sourceColumn});
    }
    if (map.empty()) return;

    const DWORD key = image.isTransparent() ? image.getColorKey() : Bitmap::kNoColorKey;
    const bool keyed = (key & 0xFF000000) == 0;
    const bool alpha = image.hasAlpha();
    const BlendTables tables(opacity);
    const double stepY = static_cast<double>(source.height) / destination.height;
    const int targetLine = mImage.getRowSize();
    const int sourceLine = image.getBytesPerLine();
    ::GdiFlush();
    for (int j = 0; j < destination.height; ++j) {
        const int row = top + j;
        const int sourceRow = source.y + static_cast<int>(j * stepY);
        if (row < 0 || row >= surfaceHeight || sourceRow < 0 || sourceRow >= imageHeight) continue;
        unsigned char* d = target + static_cast<size_t>(row) * targetLine;
        const unsigned char* s = pixels + static_cast<size_t>(sourceRow) * sourceLine;
        for (const ColumnMap& c : map) {
            const unsigned char* sp = s + c.source * 4;
            if (alpha && sp[3] == 0) continue;
            if (keyed && RGB(sp[2], sp[1], sp[0]) == key) continue;
            unsigned char* dp = d + c.target * 4;
            if (opacity == 255) {
                dp[0] = sp[0];
                dp[1] = sp[1];
                dp[2] = sp[2];
            } else {
                dp[0] = static_cast<unsigned char>(tables.given[sp[0]] + tables.kept[dp[0]]);
                dp[1] = static_cast<unsigned char>(tables.given[sp[1]] + tables.kept[dp[1]]);
                dp[2] = static_cast<unsigned char>(tables.given[sp[2]] + tables.kept[dp[2]]);
            }
        }
    }
}

void Graphics::stretchBitmap(HBITMAP bitmap, const Rect& destination, const Rect& source) {
    if (!getHDC() || !bitmap) return;
    HDC memory = ::CreateCompatibleDC(getHDC());
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::StretchBlt(getHDC(), destination.x - mOriginX, destination.y - mOriginY, destination.width, destination.height,
                 memory, source.x, source.y, source.width, source.height, SRCCOPY);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
}

void Graphics::drawString(const wchar_t* text, int x, int y) { drawText(text ? text : L"", x, y); }

void Graphics::drawText(const std::wstring& text, int x, int y) {
    HDC dc = getHDC();
    if (!dc) return;
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    const int lineHeight = metrics.tmHeight + mLineSpacing;
    const int px = x - mOriginX;
    int py = y - mOriginY;
    size_t start = 0;
    size_t feed = 0;
    while ((feed = text.find(L'\n', start)) != std::wstring::npos) {
        std::wstring line = text.substr(start, feed - start);
        const size_t cr = line.find(L'\r');
        if (cr != std::wstring::npos) line.resize(cr);
        ::TextOutW(dc, px, py, line.c_str(), static_cast<int>(line.size()));
        py += lineHeight;
        start = feed + 1;
    }
    const std::wstring rest = text.substr(start);
    ::TextOutW(dc, px, py, rest.c_str(), static_cast<int>(rest.size()));
}

void Graphics::drawOutlinedText(const char* text, int x, int y, COLORREF textColor, COLORREF outlineColor) {
    if (!text) return;
    drawOutlinedText(multiByteToWide(text, CP_ACP), x, y, textColor, outlineColor);
}

void Graphics::drawOutlinedText(const std::wstring& text, int x, int y, COLORREF textColor, COLORREF outlineColor) {
    if (!getHDC()) return;
    const COLORREF before = mTextColor;
    setTextColor(outlineColor);
    drawText(text, x - 1, y);
    drawText(text, x, y - 1);
    drawText(text, x + 1, y);
    drawText(text, x, y + 1);
    setTextColor(textColor);
    drawText(text, x, y);
    setTextColor(before);
}

void Graphics::setFont(HFONT font) {
    HDC dc = getHDC();
    if (!dc) {
        if (font) ::DeleteObject(font);
        return;
    }
    if (!font || font == mFont) return;
    HGDIOBJ replaced = ::SelectObject(dc, font);
    if (!mInitialFont) {
        mInitialFont = replaced;
    } else if (mFont) {
        ::DeleteObject(mFont);
    }
    mFont = font;
}

COLORREF Graphics::setBrushColor(COLORREF color) {
    const COLORREF previous = mBrushColor;
    if (color == mBrushColor) return previous;
    mBrushColor = color;
    HDC dc = getHDC();
    if (!dc) return previous;
    HBRUSH brush = ::CreateSolidBrush(color);
    HGDIOBJ replaced = ::SelectObject(dc, brush);
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
    if (getHDC()) ::SetTextColor(getHDC(), color);
}

void Graphics::setBkMode(int mode) {
    if (getHDC()) ::SetBkMode(getHDC(), mode);
}

void Graphics::setBackgroundColor(COLORREF color) {
    if (getHDC()) ::SetBkColor(getHDC(), color);
}

void Graphics::setPen(int style, int width, COLORREF color) {
    mPen.set(style, width, color);
    if (getHDC()) mPen.select(getHDC());
}

void Graphics::drawRectangle(int x, int y, int width, int height) {
    if (getHDC()) ::Rectangle(getHDC(), x - mOriginX, y - mOriginY, x - mOriginX + width, y - mOriginY + height);
}

void Graphics::drawRoundRect(int x, int y, int width, int height, int cornerWidth, int cornerHeight) {
    if (getHDC()) ::RoundRect(getHDC(), x, y, x + width, y + height, cornerWidth, cornerHeight);
}

void Graphics::drawEllipse(int x, int y, int width, int height) {
    if (getHDC()) ::Ellipse(getHDC(), x, y, x + width, y + height);
}

void Graphics::drawDoubleFrame(const Rect& rect, int width, COLORREF inner, COLORREF outer) {
    HDC dc = getHDC();
    if (!dc) return;
    HGDIOBJ brush = ::SelectObject(dc, ::GetStockObject(HOLLOW_BRUSH));
    setPen(PS_SOLID, width, outer);
    drawRectangle(rect.x, rect.y, rect.width, rect.height);
    setPen(PS_SOLID, std::max(width - 1, 0), inner);
    drawRectangle(rect.x, rect.y, rect.width, rect.height);
    ::SelectObject(dc, brush);
}

int measureTextWidth(const std::wstring& text, const LOGFONTW& font) {
    Graphics g(1, 1);
    g.setFont(::CreateFontIndirectW(&font));
    return g.getTextWidth(text);
}
