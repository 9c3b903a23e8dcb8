// Padding in pixels or percent, and the background image.
#include <algorithm>

#include "texteditor/editor/TextEditor.h"
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
