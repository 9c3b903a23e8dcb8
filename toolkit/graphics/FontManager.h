// The installed fonts, enumerated once and grouped by script name ("Western",
// "Japanese", ...).
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// The fonts of one script and the one chosen among them.
class FontData {
public:
    void add(const LOGFONTW& font) { mFonts.push_back(font); }
    // Index of the face name, -1 when absent.
    int indexOf(const std::wstring& faceName) const;
    // Chooses the face; the first font when it is absent.
    void select(const std::wstring& faceName);
    // The chosen font (a zeroed record when there are none).
    LOGFONTW getSelected() const;
    const std::vector<LOGFONTW>& getFonts() const { return mFonts; }

private:
    std::vector<LOGFONTW> mFonts;
    int mSelected = 0;
};

using FontCharSetMap = std::map<std::wstring, FontData>;

class FontManager {
public:
    // Enumerates every installed font of every character set.
    FontManager();
    // The one enumeration of the process, made on first use.
    static FontManager& getInstance();

    const FontCharSetMap& getFontCharSetMap() const { return mFonts; }
    // The first installed font of that face in any script; false when none is installed.
    bool findFont(const std::wstring& faceName, LOGFONTW& font) const;

private:
    static int CALLBACK onFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data);

    FontCharSetMap mFonts;
};
