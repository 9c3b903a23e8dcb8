// Padding in pixels or percent, and the background image.
#include <algorithm>
#include <cwchar>
#include <vector>

#include "texteditor/editor/TextEditor.h"

#include "foundation/system/StringUtils.h"
#include "foundation/xml/Element.h"
#include "toolkit/graphics/Image.h"

void TextEditor::updatePadding() {
    if (!m_hWnd) return;
    const RECT r = getClientRect();
    auto apply = [](int percent, int size, int& pixels) {
        if (percent > 0 && percent < 80) pixels = size * percent / 100;
    };
    apply(paddingPercent.left, r.right, padding.left);
    apply(paddingPercent.right, r.right, padding.right);
    apply(paddingPercent.top, r.bottom, padding.top);
    apply(paddingPercent.bottom, r.bottom, padding.bottom);
}

void TextEditor::setPadding(int top, int right, int bottom, int left, bool asPixels) {
    if (asPixels) {
        paddingPercent = Padding{};
        padding = Padding{left, top, right, bottom};
    } else {
        paddingPercent = Padding{left, top, right, bottom};
    }
    updateLayout();
}

namespace {

void setSide(int& percent, int& pixels, int value, bool asPixels) {
    if (asPixels) {
        percent = 0;
        pixels = value;
    } else {
        percent = value;
    }
}

}  // namespace

void TextEditor::setPaddingTop(int value, bool asPixels) {
    setSide(paddingPercent.top, padding.top, value, asPixels);
    updateLayout();
}

void TextEditor::setPaddingRight(int value, bool asPixels) {
    setSide(paddingPercent.right, padding.right, value, asPixels);
    updateLayout();
}

void TextEditor::setPaddingBottom(int value, bool asPixels) {
    setSide(paddingPercent.bottom, padding.bottom, value, asPixels);
    updateLayout();
}

void TextEditor::setPaddingLeft(int value, bool asPixels) {
    setSide(paddingPercent.left, padding.left, value, asPixels);
    updateLayout();
}

bool TextEditor::setBackgroundImage(const std::wstring& path) {
    if (path.empty()) {
        backgroundImage.reset();
        repaintAll();
        return true;
    }
    bool picture = false;
    for (const wchar_t* extension : {L".bmp", L".png", L".gif", L".jpg", L".jpeg"}) {
        if (path.find(extension) != std::wstring::npos) picture = true;
    }
    if (!picture) return false;
    // A file that fails to load, however it fails, leaves the current image in place.
    auto loaded = std::make_unique<Image>();
    try {
        if (!loaded->load(path) || !loaded->isLoaded()) return false;
    } catch (...) {
        return false;
    }
    backgroundImage = std::move(loaded);
    repaintAll();
    return true;
}

void TextEditor::applyTheme(const Element* theme) {
    if (!theme) return;
    std::vector<std::wstring> pieces;
    splitStringInto(pieces, theme->getAttribute(L"padding", L""), L" ");
    if (pieces.size() == 4) {
        // Top, right, bottom, left; "%" makes a side a percentage of the window size.
        int* percents[] = {&paddingPercent.top, &paddingPercent.right, &paddingPercent.bottom, &paddingPercent.left};
        int* pixels[] = {&padding.top, &padding.right, &padding.bottom, &padding.left};
        for (size_t i = 0; i < 4; ++i) {
            const int value = ::_wtoi(pieces[i].c_str());
            if (pieces[i].find(L'%') != std::wstring::npos) {
                *percents[i] = value;
            } else {
                *pixels[i] = value;
                *percents[i] = 0;
            }
        }
    }
    updatePadding();
    setBackgroundImage(theme->getAttribute(L"backgroundImage", L""));
    for (int index = 0; index < kColorCount; ++index) {
        const std::wstring color = theme->getAttribute(getColorName(index), L"");
        if (!color.empty()) setColor(index, parseColor(color));
    }
    backgroundOpacity = theme->getIntAttribute(L"backgroundOpacity", backgroundOpacity);
    updateLayout();
    if (listener) listener->themeApplied();
}
