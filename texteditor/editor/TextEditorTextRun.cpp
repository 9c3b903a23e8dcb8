// Drawing one run of characters in one set of colours. Ordinary characters go out in a
// single ExtTextOutW with the editor's own advance widths, so the glyphs stand exactly
// where the caret and the hit test expect them; tabs, stretched blanks, full-width spaces
// and surrogate halves are drawn cell by cell.
#include <algorithm>

#include "texteditor/editor/LineEndMark.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/graphics/Image.h"

namespace {

constexpr COLORREF kSurrogateFrame = 0xB99EE8;
constexpr COLORREF kForeignBreakBox = 0x2060FF;
constexpr COLORREF kWhite = 0xFFFFFF;

bool isSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

int TextEditor::measureText(const std::wstring& text, int from, int to, int x) {
    to = std::min(to, static_cast<int>(text.size()));
    int width = 0;
    for (int i = std::max(from, 0); i < to; ++i) {
        const wchar_t c = text[i];
        width += c == L'\t' ? getTabAdvance(static_cast<float>(x + width - getTextOriginX())) : static_cast<int>(getCharWidth(c));
    }
    return width;
}

void TextEditor::fillCell(HDC memory, int x, int y, int width, int height, COLORREF color) {
    if (width <= 0 || height <= 0) return;
    const bool showsImage = backgroundImage && backgroundImage->isLoaded();
    if (color == mBackColor && showsImage) return;
    const COLORREF previous = ::SetBkColor(memory, color);
    const RECT cell{x, y, x + width, y + height};
    ::ExtTextOutW(memory, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
    ::SetBkColor(memory, previous);
}

float TextEditor::drawTextRun(HDC memory, float x, int y, const std::wstring& lineText, int from, int count,
                              const CellColors& colors, float spaceWidth) {
    ::SetTextColor(memory, colors.text);
    ::SetBkColor(memory, colors.background);
    const bool justified = justify && multiLine;
    if (!justified) spaceWidth = static_cast<float>(getCharWidth(L' '));
    if (from < 0 || count < 0 || static_cast<int>(lineText.size()) < from + count) return 0;

    const float startX = x;
    const UINT options = colors.background != mBackColor ? ETO_OPAQUE : getTextOutOptions();
    const int clipRight = getTextRectangle().right;
    int pending = from;
    // Draws lineText[pending, end) in one call.
    auto flush = [&](int end) {
        if (end <= pending) return;
        runAdvances.resize(static_cast<size_t>(end - pending));
        int width = 0;
        for (int i = pending; i < end; ++i) {
            runAdvances[static_cast<size_t>(i - pending)] = static_cast<INT>(getCharWidth(lineText[i]));
            width += runAdvances[static_cast<size_t>(i - pending)];
        }
        if (width != 0) {
            const int left = static_cast<int>(x);
            const RECT band{left, y, left + width, y + fontHeight};
            ::ExtTextOutW(memory, left, y, options, &band, lineText.c_str() + pending, static_cast<UINT>(end - pending),
                          runAdvances.data());
        }
        x += static_cast<float>(width);
    };

    const int end = from + count;
    for (int i = from; i < end; ++i) {
        const wchar_t c = lineText[i];
        if (c == L'\r' || c == L'\n') {
            // The line break itself is never drawn as a glyph; its mark comes after the row.
            flush(i);
            pending = end;
            break;
        }
        const bool special = (c == L' ' && justified) || c == L'\t' || c == 0x3000 || isSurrogate(c);
        if (!special) continue;
        flush(i);
        pending = i + 1;
        const int left = static_cast<int>(x);
        if (c == L'\t') {
            const int width = std::max(std::min(getTabAdvance(x - static_cast<float>(getTextOriginX())), clipRight - left), 0);
            fillCell(memory, left, y, width, fontHeight, colors.background);
            if (showTabMarks) {
                ::SetTextColor(memory, getColor(8));
                ::ExtTextOutW(memory, left, y, 0, nullptr, L">", 1, nullptr);
                ::SetTextColor(memory, colors.text);
            }
            x += static_cast<float>(width);
        } else if (c == L' ') {
            // One pixel wider than the blank so that fractional widths leave no gaps; the
            // next cell starts at the blank's true width, where the caret puts it.
            const int width = std::max(std::min(static_cast<int>(spaceWidth + 1.0f), clipRight - left), 0);
            fillCell(memory, left, y, width, fontHeight, colors.background);
            x += spaceWidth;
        } else if (c == 0x3000) {
            const int width = static_cast<int>(getCharWidth(c));
            fillCell(memory, left, y, width, fontHeight, colors.background);
            if (showFullWidthSpaces) {
                ::SetTextColor(memory, getColor(8));
                ::ExtTextOutW(memory, left, y, 0, nullptr, L"\x25A1", 1, nullptr);
                ::SetTextColor(memory, colors.text);
            }
            x += static_cast<float>(width);
        } else {
            const int width = static_cast<int>(getCharWidth(c));
            fillCell(memory, left, y, width, fontHeight, kSurrogateFrame);
            fillCell(memory, left + 2, y, width - 4, fontHeight, colors.text);
            x += static_cast<float>(width);
        }
    }
    flush(end);
    return x - startX;
}

void TextEditor::drawLineEndMark(HDC memory, float x, int y, const std::wstring& lineText) {
    const LineEndKind kind = lineEndKindOf(lineText);
    if (kind == LineEndKind::kNone) return;
    // A break other than the document's own is always shown, boxed, with its real kind.
    const bool foreign = lineEndText(kind) != document->getNewLineString();
    if (!showEndOfLine && !foreign) return;
    const int markX = static_cast<int>(x + 1.0f);
    const int markY = y + fontHeight - 7;
    COLORREF color = getColor(9);
    const char* const* glyph = lineEndGlyph(LineEndKind::kLF);
    if (foreign) {
        fillCell(memory, static_cast<int>(x), y + fontHeight - 8, 8, 8, kForeignBreakBox);
        color = kWhite;
        glyph = lineEndGlyph(kind);
    }
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) {
            if (glyph[r][c] == '#') ::SetPixelV(memory, markX + c, markY + r, color);
        }
    }
}
