#include "toolkit/graphics/Image.h"

#include <algorithm>

void Image::dispose() {
    mLoaded = false;
    mBitmap.dispose();
}

bool Image::load(const std::wstring& path) {
    mLoaded = false;
    mLoaded = mBitmap.load(path);
    if (mLoaded) updateCells();
    return mLoaded;
}

bool Image::create(int width, int height) {
    mLoaded = mBitmap.create(std::min(width, kMaxSide), std::clamp(height, -kMaxSide, kMaxSide));
    return mLoaded;
}

bool Image::loadBitmap(const std::wstring& path) { return load(path); }

void Image::setCellSize(int width, int height) {
    mCellWidth = std::max(width, 1);
    mCellHeight = std::max(height, 1);
    if (mLoaded) updateCells();
}

void Image::updateCells() {
    mColumns = std::max(getWidth() / mCellWidth, 1);
    mRows = std::max(getHeight() / mCellHeight, 1);
}

Rect Image::getBounds() const {
    return Rect(mX, mY, static_cast<int>(getWidth() * mScaleX), static_cast<int>(getHeight() * mScaleY));
}
