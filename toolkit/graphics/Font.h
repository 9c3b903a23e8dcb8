// A font description and the GDI font made from it, deleted with the object.
#pragma once

#include <windows.h>

class Font {
public:
    Font() = default;
    explicit Font(const LOGFONTW& logFont) : mLogFont(logFont) {}
    ~Font() { release(); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    void setLogFont(const LOGFONTW& logFont) {
        release();
        mLogFont = logFont;
    }
    const LOGFONTW& getLogFont() const { return mLogFont; }
    // The GDI font, created on first use.
    HFONT getHandle() {
        if (!mFont) mFont = ::CreateFontIndirectW(&mLogFont);
        return mFont;
    }

private:
    void release() {
        if (mFont) ::DeleteObject(mFont);
        mFont = nullptr;
    }

    LOGFONTW mLogFont{};
    HFONT mFont = nullptr;
};
