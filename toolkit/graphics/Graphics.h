// The drawing surface of every own-drawn component: an off-screen Image of the
// component's size (a 32-bit top-down DIB section with a memory DC) with a brush, a pen,
// a font and a text colour. Components paint into it, then it is shown in one blit.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/graphics/ColorPen.h"
#include "toolkit/graphics/Image.h"
#include "toolkit/window/Rect.h"

// The size, colour and opacity (0..255) of a translucent fill.
struct AlphaFill {
    int width;
    int height;
    COLORREF color;
    int opacity;
};

class Graphics {
public:
    // Colour argument of drawLine that means "the current pen".
    static constexpr COLORREF kCurrentPen = 0xFFFFFFFF;
    // Fully opaque drawing for drawImage.
    static constexpr DWORD kOpaque = 0xFF000000;

    // A surface of the size, each side at most 4096; a zero side gives no surface, and
    // every drawing operation then does nothing.
    Graphics(int width, int height);
    virtual ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // Copies the whole surface into the target at origin + (dx, dy); width and height are
    // not used (the whole surface goes).
    virtual void copyTo(Graphics& target, int dx, int dy, int width, int height, DWORD rop);
    virtual int getTextWidthA(const std::string& text);
    // Width of a text in the current font; of a text with "\r\n" line breaks, the widest line.
    virtual int getTextWidth(const std::wstring& text);
    virtual void fillRect(const Rect& rect);
    virtual void fillRect(int x, int y, int width, int height);
    // Blends the colour over the surface at the opacity (0 nothing, 255 solid).
    virtual void fillRectAlpha(int x, int y, const AlphaFill& fill);
    // A polygon of exactly four points with the pen and brush.
    virtual void drawPolygon(const POINT* points);
    // A line not offset by the origin; kCurrentPen draws with the current pen.
    virtual void drawLine(int x1, int y1, int x2, int y2, COLORREF color = kCurrentPen);
    // A closed outline through the points.
    virtual void drawPolyline(const POINT* points, int count, int width, COLORREF color);
    // The image at its own bounds and opacity.
    virtual void drawImage(Image& image);
    virtual void drawImage(Image& image, int x, int y);
    // The source part of the image scaled into the destination at the opacity in the top
    // byte of argb. A negative destination width mirrors the picture into the columns left
    // of the destination x. Colour-keyed and fully transparent pixels are skipped.
    virtual void drawImage(Image& image, const Rect& destination, const Rect& source, DWORD argb = kOpaque);
    virtual void drawImage(Image& image, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh);
    // Opaque scaled copy; a transparent bitmap leaves its colour-keyed pixels out.
    virtual void drawBitmap(Bitmap& bitmap, const Rect& destination, const Rect& source);
    virtual void stretchBitmap(HBITMAP bitmap, const Rect& destination, const Rect& source);
    virtual void drawString(const wchar_t* text, int x, int y);
    // Text with line feeds as several lines; carriage returns are not drawn.
    virtual void drawText(const std::wstring& text, int x, int y);
    virtual void drawOutlinedText(const char* text, int x, int y, COLORREF textColor, COLORREF outlineColor);
    virtual void drawOutlinedText(const std::wstring& text, int x, int y, COLORREF textColor, COLORREF outlineColor);

    HDC getHDC() const { return mImage.getBitmap().getDC(); }
    Image& getImage() { return mImage; }
    int getWidth() const { return mImage.getWidth(); }
    int getHeight() const { return mImage.getHeight(); }

    // Takes ownership of the font.
    void setFont(HFONT font);
    COLORREF setBrushColor(COLORREF color);
    void setTextColor(COLORREF color);
    COLORREF getTextColor() const { return mTextColor; }
    void setBkMode(int mode);
    // The colour behind text drawn with an opaque background.
    void setBackgroundColor(COLORREF color);
    // Fills the rectangle with the colour at alpha (0 nothing, 255 solid); between, each
    // channel becomes colour x alpha / 255 + pixel x (255 - alpha) / 255.
    void fillBackground(int x, int y, int width, int height, COLORREF color, int alpha);
    void setPen(int style, int width, COLORREF color);
    void setOrigin(int x, int y) {
        mOriginX = x;
        mOriginY = y;
    }
    int getOriginX() const { return mOriginX; }
    int getOriginY() const { return mOriginY; }
    void setLineSpacing(int spacing) { mLineSpacing = spacing; }

    void drawRectangle(int x, int y, int width, int height);
    void drawRoundRect(int x, int y, int width, int height, int cornerWidth, int cornerHeight);
    void drawEllipse(int x, int y, int width, int height);
    // A frame of the width in the outer colour with a one pixel thinner one in the inner colour.
    void drawDoubleFrame(const Rect& rect, int width, COLORREF inner, COLORREF outer);
    void fillRect(const RECT* rect, HBRUSH brush);
    void copyTo(HDC target, int dx, int dy);

private:
    // Nearest-pixel scaled copy (opacity 255) or blend of a bitmap's pixels, clipped to
    // both the source bitmap and this surface.
    void copyPixels(const Bitmap& source, const Rect& destination, const Rect& source_, int opacity);
    // Blends a colour into the clipped rectangle with the two tables given and kept.
    void blendRect(int x, int y, int width, int height, COLORREF color, const unsigned char* given,
                   const unsigned char* kept);

    int mOriginX = 0;
    int mOriginY = 0;
    Image mImage;
    HBRUSH mBrush = nullptr;
    HGDIOBJ mInitialBrush = nullptr;
    ColorPen mPen;
    HFONT mFont = nullptr;
    HGDIOBJ mInitialFont = nullptr;
    COLORREF mBrushColor = 1;
    COLORREF mTextColor = 0;
    int mLineSpacing = 0;
};

// Width of a text in the font, measured on a 1 x 1 surface.
int measureTextWidth(const std::wstring& text, const LOGFONTW& font);
