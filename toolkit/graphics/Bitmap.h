// The toolkit's one pixel image: a 32-bit top-down DIB section selected into its own
// memory DC, so that Graphics can blit from it and touch its bytes directly. Pixel bytes
// are blue, green, red, alpha whatever file the picture came from.
#pragma once

#include <windows.h>

#include <string>

class Bitmap {
public:
    // Colour key value that means "no key".
    static constexpr COLORREF kNoColorKey = 0xFF000000;

    Bitmap();
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    virtual ~Bitmap();

    // A width x height surface, zero-filled. False when a side is zero or negative (a
    // negative height means the same size) or when no section could be made.
    virtual bool create(int width, int height);
    virtual void dispose();
    // Writes a .png (by extension, any case) or else a .bmp file. Never throws: false with
    // the reason in getStatus().
    virtual bool saveAs(const std::wstring& path);
    // Loads a .bmp, .png, .gif, .jpg or .jpeg file. Throws Exception when the file can't
    // be read; answers false when its content is refused.
    virtual bool load(const std::wstring& path);
    virtual bool isTransparent() const { return mTransparent; }
    virtual void setTransparent(bool transparent) { mTransparent = transparent; }
    virtual std::wstring getPath() const { return mPath; }
    virtual int getWidth() const { return mInfo.bmiHeader.biWidth; }
    virtual int getHeight() const { return mInfo.bmiHeader.biHeight < 0 ? -mInfo.bmiHeader.biHeight : mInfo.bmiHeader.biHeight; }
    virtual int getBytesPerLine() const { return mBytesPerLine; }
    virtual int getBitCount() const { return mInfo.bmiHeader.biBitCount; }
    virtual COLORREF getColorKey() const { return mColorKey; }
    virtual int getRowSize() const { return getBytesPerLine(); }
    virtual unsigned char* getBits() const { return mBits; }
    // alpha << 24 | blue << 16 | green << 8 | red; 0 outside the bitmap.
    virtual DWORD getPixel(int x, int y) const;
    // Sets blue, green and red of a pixel from a COLORREF; the alpha byte stays. Nothing
    // outside the bitmap.
    virtual void setPixel(int x, int y, COLORREF color);
    virtual void setColorKey(COLORREF color) { mColorKey = color & 0xFFFFFF; }

    HBITMAP getHandle() const { return m_hBmp; }
    HDC getDC() const { return mDC; }
    bool hasAlpha() const { return mAlpha; }
    void setAlpha(bool alpha) { mAlpha = alpha; }
    bool isEmpty() const { return mDC == nullptr; }
    const std::wstring& getStatus() const { return mStatus; }
    void assign(const Bitmap& other);

    // A DIB-section copy of a bitmap handle, or null for null.
    static HBITMAP copyBitmap(HBITMAP bitmap);
    // True when the file name of the path ends in the extension (".png"), in any case.
    static bool hasExtension(const std::wstring& path, const wchar_t* extension);

private:
    COLORREF mColorKey = kNoColorKey;
    bool mTransparent = true;
    bool mAlpha = false;
    HBITMAP m_hBmp = nullptr;
    HGDIOBJ mPreviousBitmap = nullptr;
    HDC mDC = nullptr;
    HDC mSecondDC = nullptr;
    unsigned char* mBits = nullptr;
    BITMAPINFO mInfo{};
    int mBytesPerLine = 0;
    std::wstring mPath;
    std::wstring mStatus;
};
