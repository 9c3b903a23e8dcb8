#include "toolkit/graphics/FontManager.h"

int FontData::indexOf(const std::wstring& faceName) const {
    for (size_t i = 0; i < mFonts.size(); ++i) {
        if (faceName == mFonts[i].lfFaceName) return static_cast<int>(i);
    }
    return -1;
}

void FontData::select(const std::wstring& faceName) {
    const int index = indexOf(faceName);
    mSelected = index < 0 ? 0 : index;
}

LOGFONTW FontData::getSelected() const {
    if (mSelected < 0 || mSelected >= static_cast<int>(mFonts.size())) return LOGFONTW{};
    return mFonts[static_cast<size_t>(mSelected)];
}

FontManager::FontManager() {
    HDC screen = ::GetDC(nullptr);
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExW(screen, &all, onFont, reinterpret_cast<LPARAM>(this), 0);
    ::ReleaseDC(nullptr, screen);
}

FontManager& FontManager::getInstance() {
    static FontManager manager;
    return manager;
}

int CALLBACK FontManager::onFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    auto* manager = reinterpret_cast<FontManager*>(data);
    const auto* full = reinterpret_cast<const ENUMLOGFONTEXW*>(font);
    try {
        manager->mFonts[full->elfScript].add(*font);
    } catch (...) {
        // Out of memory: the list simply ends here.
        return 0;
    }
    return 1;
}

bool FontManager::findFont(const std::wstring& faceName, LOGFONTW& font) const {
    for (const auto& entry : mFonts) {
        const int index = entry.second.indexOf(faceName);
        if (index >= 0) {
            font = entry.second.getFonts()[static_cast<size_t>(index)];
            return true;
        }
    }
    return false;
}
