// Widths of single characters in one font, measured once and kept for the process, so
// that cutting a cell text to its column costs one look-up per visible character.
// Each font has its own table: widths measured in one font are never used for another.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

class CharWidthCache {
public:
    // The widths of the font currently selected into the DC.
    class Widths {
    public:
        // Width of the character in pixels (at most 255), measured on first use with
        // the DC's font.
        int of(HDC dc, wchar_t ch);

    private:
        std::vector<unsigned char> mWidths = std::vector<unsigned char>(65536, 0);
    };

    static CharWidthCache& getInstance();

    // The table of the font selected into the DC, created on first use.
    Widths& forFont(HDC dc);
    size_t fontCount() const { return mFonts.size(); }
    void clear() { mFonts.clear(); }

    // A text that tells fonts apart: every field of the LOGFONTW that changes widths.
    static std::wstring fontKey(const LOGFONTW& font);

private:
    // Fonts are few (the window font of each table); the bound only guards memory.
    static constexpr size_t kMaxFonts = 32;
    std::map<std::wstring, Widths> mFonts;
};

// How many characters of the text to draw from x: characters are added while the running
// width stays below `limit`; the character that crosses the limit is counted too.
int countFittingCharacters(CharWidthCache::Widths& widths, HDC dc, const std::wstring& text, int x, int limit);
