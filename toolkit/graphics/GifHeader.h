// Reads the blocks of a GIF file that come before its first image, only to learn its
// transparent colour; the pixels themselves come from the system's picture loader.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class GIF {
public:
    // False when the file can't be opened or is not a GIF87a/GIF89a file.
    bool read(const std::wstring& path);
    bool hasTransparency() const { return (mControlFlags & 1) != 0; }
    // The global colour-table entry of the transparent index, 0 when it is outside the table.
    COLORREF getTransparentColor() const;
    int getWidth() const { return mWidth; }
    int getHeight() const { return mHeight; }

private:
    void readBlocks(FILE* file);
    void readExtension(FILE* file);

    char mSignature[3] = {};
    char mVersion[3] = {};
    uint16_t mWidth = 0;
    uint16_t mHeight = 0;
    uint8_t mFlags = 0;
    uint8_t mBackgroundIndex = 0;
    uint8_t mAspectRatio = 0;
    std::vector<COLORREF> mGlobalColors;
    uint8_t mControlFlags = 0;
    uint16_t mDelay = 0;
    uint8_t mTransparentIndex = 0;
};
