// The picture holder that widgets and Graphics keep: one owned Bitmap plus a cell grid
// for image strips, a position, scale factors, an opacity and a loaded flag.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/window/Rect.h"

class Image {
public:
    Image() = default;
    virtual ~Image() { Image::dispose(); }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    virtual void dispose();
    // Loads a picture file (see Bitmap::load; exceptions pass) and divides it into cells.
    virtual bool load(const std::wstring& path);

    // A zero-filled surface, each side at most 4096 pixels.
    bool create(int width, int height);
    bool loadBitmap(const std::wstring& path);
    bool isLoaded() const { return mLoaded; }

    Bitmap& getBitmap() { return mBitmap; }
    const Bitmap& getBitmap() const { return mBitmap; }
    void setTransparent(bool transparent) { mBitmap.setTransparent(transparent); }
    bool isTransparent() const { return mBitmap.isTransparent(); }
    bool hasAlpha() const { return mBitmap.hasAlpha(); }
    COLORREF getColorKey() const { return mBitmap.getColorKey(); }
    unsigned char* getBits() const { return mBitmap.getBits(); }
    DWORD getPixel(int x, int y) const { return mBitmap.getPixel(x, y); }
    int getRowSize() const { return mBitmap.getRowSize(); }
    int getBitCount() const { return mBitmap.getBitCount(); }
    int getWidth() const { return mBitmap.getWidth(); }
    int getHeight() const { return mBitmap.getHeight(); }

    void setCellSize(int width, int height);
    int getCellWidth() const { return mCellWidth; }
    int getCellHeight() const { return mCellHeight; }
    int getColumnCount() const { return mColumns; }
    int getRowCount() const { return mRows; }

    // Where Graphics::drawImage(Image&) puts the picture: position and size times scale.
    Rect getBounds() const;
    void setLocation(int x, int y) {
        mX = x;
        mY = y;
    }
    void setScale(double horizontal, double vertical) {
        mScaleX = horizontal;
        mScaleY = vertical;
    }
    // 0.0 (invisible) to 1.0 (opaque), used by Graphics::drawImage(Image&).
    double getOpacity() const { return mOpacity; }
    void setOpacity(double opacity) { mOpacity = opacity < 0 ? 0 : opacity > 1 ? 1 : opacity; }

    static constexpr int kMaxSide = 4096;

private:
    void updateCells();

    Bitmap mBitmap;
    int mCellWidth = 16;
    int mCellHeight = 16;
    int mColumns = 1;
    int mRows = 1;
    double mOpacity = 1.0;
    bool mLoaded = false;
    int mX = 0;
    int mY = 0;
    double mScaleX = 1.0;
    double mScaleY = 1.0;
};
