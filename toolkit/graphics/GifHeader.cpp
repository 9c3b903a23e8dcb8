#include "toolkit/graphics/GifHeader.h"

#include <cstring>

namespace {

int readByte(FILE* file) { return std::fgetc(file); }

uint16_t readU16(FILE* file) {
    const int low = readByte(file);
    const int high = readByte(file);
    if (low < 0 || high < 0) return 0;
    return static_cast<uint16_t>(low | high << 8);
}

// Skips data sub-blocks (size byte and that many bytes) up to the terminating 0.
void skipSubBlocks(FILE* file) {
    int size;
    while ((size = readByte(file)) > 0) {
        if (std::fseek(file, size, SEEK_CUR) != 0) return;
    }
}

}  // namespace

bool GIF::read(const std::wstring& path) {
    FILE* file = ::_wfopen(path.c_str(), L"rb");
    if (!file) return false;
    const bool isGif = std::fread(mSignature, 1, 3, file) == 3 && std::memcmp(mSignature, "GIF", 3) == 0 &&
                       std::fread(mVersion, 1, 3, file) == 3 &&
                       (std::memcmp(mVersion, "87a", 3) == 0 || std::memcmp(mVersion, "89a", 3) == 0);
    if (!isGif) {
        std::fclose(file);
        return false;
    }
    mWidth = readU16(file);
    mHeight = readU16(file);
    mFlags = static_cast<uint8_t>(readByte(file));
    mBackgroundIndex = static_cast<uint8_t>(readByte(file));
    mAspectRatio = static_cast<uint8_t>(readByte(file));
    if (mFlags & 0x80) {
        mGlobalColors.clear();
        const int count = 1 << ((mFlags & 7) + 1);
        for (int i = 0; i < count; ++i) {
            unsigned char rgb[3];
            if (std::fread(rgb, 1, 3, file) != 3) break;
            mGlobalColors.push_back(RGB(rgb[0], rgb[1], rgb[2]));
        }
    }
    readBlocks(file);
    std::fclose(file);
    return true;
}

void GIF::readBlocks(FILE* file) {
    for (int i = 0; i < 31; ++i) {
        if (readByte(file) != 0x21) return;  // an image, the trailer or anything else
        readExtension(file);
    }
}

void GIF::readExtension(FILE* file) {
    const int label = readByte(file);
    switch (label) {
        case 0xF9: {
            const int size = readByte(file);
            mControlFlags = static_cast<uint8_t>(readByte(file));
            mDelay = readU16(file);
            mTransparentIndex = static_cast<uint8_t>(readByte(file));
            if (size > 4) std::fseek(file, size - 4, SEEK_CUR);
            readByte(file);  // block terminator
            break;
        }
        case 0xFE:
        case 0xFF:
            skipSubBlocks(file);
            break;
        default: {
            const int size = readByte(file);
            if (size > 0) std::fseek(file, size, SEEK_CUR);
            skipSubBlocks(file);
            break;
        }
    }
}

COLORREF GIF::getTransparentColor() const {
    return mTransparentIndex < mGlobalColors.size() ? mGlobalColors[mTransparentIndex] : 0;
}
