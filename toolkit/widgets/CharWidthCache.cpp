#include "toolkit/widgets/CharWidthCache.h"

#include <cwchar>

int CharWidthCache::Widths::of(HDC dc, wchar_t ch) {
    unsigned char& width = mWidths[static_cast<unsigned short>(ch)];
    if (width == 0) {
        // Zero also marks "not measured": a zero-width character is measured again,
        // which costs little and keeps the table one byte per character.
        SIZE size{};
        ::GetTextExtentPoint32W(dc, &ch, 1, &size);
        width = static_cast<unsigned char>(size.cx < 0 ? 0 : size.cx > 255 ? 255 : size.cx);
    }
    return width;
}

CharWidthCache& CharWidthCache::getInstance() {
    static CharWidthCache instance;
    return instance;
}

std::wstring CharWidthCache::fontKey(const LOGFONTW& font) {
    wchar_t numbers[160];
    ::swprintf(numbers, 160, L"%ld,%ld,%ld,%ld,%ld,%d,%d,%d,%d,%d,%d,%d,%d:", font.lfHeight, font.lfWidth,
               font.lfEscapement, font.lfOrientation, font.lfWeight, font.lfItalic, font.lfUnderline,
               font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,
               font.lfPitchAndFamily);
    std::wstring key = numbers;
    key.append(font.lfFaceName, ::wcsnlen(font.lfFaceName, LF_FACESIZE));
    return key;
}

CharWidthCache::Widths& CharWidthCache::forFont(HDC dc) {
    LOGFONTW font{};
    ::GetObjectW(::GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    const std::wstring key = fontKey(font);
    auto found = mFonts.find(key);
    if (found != mFonts.end()) return found->second;
    if (mFonts.size() >= kMaxFonts) mFonts.clear();
    return mFonts[key];
}

int countFittingCharacters(CharWidthCache::Widths& widths, HDC dc, const std::wstring& text, int x, int limit) {
    int count = 0;
    int right = x;
    for (wchar_t ch : text) {
        if (right >= limit) break;
        right += widths.of(dc, ch);
        ++count;
    }
    return count;
}
