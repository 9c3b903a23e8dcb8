#include "toolkit/graphics/Bitmap.h"

#include <cstring>
#include <vector>

#include "foundation/system/Exception.h"
#include "toolkit/graphics/BmpDecoder.h"
#include "toolkit/graphics/PictureDecoder.h"
#include "toolkit/graphics/PngCodec.h"

namespace {

// The extension of the file name of a path (from its last dot), or empty.
std::wstring extensionOf(const std::wstring& path) {
    const size_t name = path.find_last_of(L"\\/");
    const size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (name != std::wstring::npos && dot < name)) return L"";
    return path.substr(dot);
}

bool writeAll(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return ::WriteFile(file, data, size, &written, nullptr) && written == size;
}

}  // namespace

bool Bitmap::hasExtension(const std::wstring& path, const wchar_t* extension) {
    return ::lstrcmpiW(extensionOf(path).c_str(), extension) == 0;
}

Bitmap::Bitmap() = default;

Bitmap::Bitmap(const Bitmap& other) { assign(other); }

Bitmap& Bitmap::operator=(const Bitmap& other) {
    assign(other);
    return *this;
}

Bitmap::~Bitmap() { Bitmap::dispose(); }

bool Bitmap::create(int width, int height) {
    mStatus.clear();
    if (height < 0) height = -height;
    if (width <= 0 || height <= 0) return false;
    dispose();
    BITMAPINFOHEADER& header = mInfo.bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    m_hBmp = ::CreateDIBSection(nullptr, &mInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_hBmp) mDC = ::CreateCompatibleDC(nullptr);
    if (!m_hBmp || !mDC) {
        // Too large or out of resources: the bitmap stays empty and says so.
        dispose();
        return false;
    }
    mBits = static_cast<unsigned char*>(bits);
    mBytesPerLine = width * 4;
    mPreviousBitmap = ::SelectObject(mDC, m_hBmp);
    return true;
}

void Bitmap::dispose() {
    if (mDC) {
        if (mPreviousBitmap) ::SelectObject(mDC, mPreviousBitmap);
        ::DeleteDC(mDC);
    }
    if (m_hBmp) ::DeleteObject(m_hBmp);
    if (mSecondDC) ::DeleteDC(mSecondDC);
    mDC = nullptr;
    mSecondDC = nullptr;
    m_hBmp = nullptr;
    mPreviousBitmap = nullptr;
    mBits = nullptr;
    mAlpha = false;
    mInfo = BITMAPINFO{};
    mBytesPerLine = 0;
}

bool Bitmap::load(const std::wstring& path) {
    mStatus.clear();
    dispose();
    if (hasExtension(path, L".png")) {
        if (!readPngFile(*this, path)) return false;
        mPath = path;
        return true;
    }
    if (hasExtension(path, L".bmp")) {
        HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw Exception(path, "Bitmap::load", __LINE__, 0);
        LARGE_INTEGER size{};
        if (!::GetFileSizeEx(file, &size) || size.QuadPart == 0 || size.QuadPart > 0x7FFFFFFF) {
            ::CloseHandle(file);
            throw Exception(L"Failed GetFileSize", "Bitmap::load", __LINE__, 0);
        }
        std::vector<unsigned char> data;
        try {
            data.resize(static_cast<size_t>(size.QuadPart));
        } catch (const std::bad_alloc&) {
            ::CloseHandle(file);
            throw Exception(L"Failed HeepAlloc", "Bitmap::load", __LINE__, 0);
        }
        DWORD read = 0;
        const BOOL ok = ::ReadFile(file, data.data(), static_cast<DWORD>(data.size()), &read, nullptr);
        ::CloseHandle(file);
        if (!ok) throw Exception(path, "Bitmap::load", __LINE__, 0);
        mPath = path;
        if (!decodeBmp(*this, data.data(), read)) {
            dispose();
            mPath.clear();
            return false;
        }
        setColorKey(getPixel(0, 0));
        return true;
    }
    if (!loadPictureFile(*this, path)) return false;
    mPath = path;
    return true;
}

bool Bitmap::saveAs(const std::wstring& path) {
    mStatus.clear();
    if (!mDC) {
        mStatus = L"Bitmap is empty.";
        return false;
    }
    if (getBitCount() != 32 && getBitCount() != 24) {
        mStatus = L"Bitmap.saveAs() 32/24 Bits is not supported";
        return false;
    }
    if (hasExtension(path, L".png")) return writePngFile(*this, path);

    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        mStatus = L"Couldn't crate Bitmap File";
        return false;
    }
    const DWORD pixelBytes = static_cast<DWORD>(mBytesPerLine) * static_cast<DWORD>(getHeight());
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfSize = pixelBytes + 54;
    fileHeader.bfOffBits = 54;
    ::GdiFlush();
    const bool ok = writeAll(file, &fileHeader, 14) && writeAll(file, &mInfo.bmiHeader, 40) &&
                    writeAll(file, mBits, pixelBytes);
    const bool closed = ::CloseHandle(file) != FALSE;
    if (!ok || !closed) {
        ::DeleteFileW(path.c_str());  // no half-written picture stays behind
        mStatus = L"Couldn't write Bitmap File";
        return false;
    }
    return true;
}

DWORD Bitmap::getPixel(int x, int y) const {
    if (!mBits || x < 0 || y < 0 || x >= getWidth() || y >= getHeight()) return 0;
    const unsigned char* p = mBits + static_cast<size_t>(y) * mBytesPerLine + static_cast<size_t>(x) * 4;
    return static_cast<DWORD>(p[3]) << 24 | static_cast<DWORD>(p[0]) << 16 | static_cast<DWORD>(p[1]) << 8 | p[2];
}

void Bitmap::setPixel(int x, int y, COLORREF color) {
    if (!mBits || x < 0 || y < 0 || x >= getWidth() || y >= getHeight()) return;
    unsigned char* p = mBits + static_cast<size_t>(y) * mBytesPerLine + static_cast<size_t>(x) * 4;
    p[0] = static_cast<unsigned char>(color >> 16);
    p[1] = static_cast<unsigned char>(color >> 8);
    p[2] = static_cast<unsigned char>(color);
}

void Bitmap::assign(const Bitmap& other) {
    if (&other == this) return;
    dispose();
    if (other.mDC && create(other.getWidth(), other.getHeight())) {
        ::GdiFlush();
        std::memcpy(mBits, other.mBits, static_cast<size_t>(mBytesPerLine) * getHeight());
        mAlpha = other.mAlpha;
    }
    mPath = other.mPath;
    mStatus = other.mStatus;
}

HBITMAP Bitmap::copyBitmap(HBITMAP bitmap) {
    if (!bitmap) return nullptr;
    return static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
