// Drawing one run of characters in one set of colours. Ordinary characters go out in a
// single ExtTextOutW with the editor's own advance widths, so the glyphs stand exactly
// where the caret and the hit test expect them; a stretched blank between two words joins
// their call where that leaves the same pixels. Tabs, other stretched blanks, full-width
// spaces and surrogate halves are drawn cell by cell.
#include <algorithm>

#include "texteditor/editor/LineEndMark.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/graphics/Image.h"

namespace {

constexpr COLORREF kSurrogateFrame = 0xB99EE8;
constexpr COLORREF kForeignBreakBox = 0x2060FF;
constexpr COLORREF kWhite = 0xFFFFFF;

bool isSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// x moves in float steps. On x87 a sum left in a register keeps more bits than one stored
// to memory, so the same steps could land on different pixels depending on how the loop
// is compiled; rounding every step to a float makes the positions the same on every path.
float roundedSum(float a, float b) {
    volatile float sum = a + b;
    return sum;
}

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
    const int end = from + count;
    // The pending call: lineText[pending, pending + runAdvances.size()) from segmentLeft.
    int pending = from;
    int segmentLeft = 0;
    int segmentWidth = 0;
    int wordWidth = 0;  // pixels of the last word in the call, not yet added to x
    runAdvances.clear();
    auto flush = [&]() {
        if (segmentWidth != 0) {
            const RECT band{segmentLeft, y, segmentLeft + segmentWidth, y + fontHeight};
            ::ExtTextOutW(memory, segmentLeft, y, options, &band, lineText.c_str() + pending,
                          static_cast<UINT>(runAdvances.size()), runAdvances.data());
        }
        x = roundedSum(x, static_cast<float>(wordWidth));
        runAdvances.clear();
        segmentWidth = 0;
        wordWidth = 0;
    };
    auto isPlain = [&](wchar_t c) {
        return c != L'\r' && c != L'\n' && !(c == L' ' && justified) && c != L'\t' && c != 0x3000 && !isSurrogate(c);
    };

    for (int i = from; i < end; ++i) {
        const wchar_t c = lineText[i];
        if (isPlain(c)) {
            if (runAdvances.empty()) {
                pending = i;
                segmentLeft = static_cast<int>(x);
            }
            const int advance = static_cast<int>(getCharWidth(c));
            runAdvances.push_back(advance);
            segmentWidth += advance;
            wordWidth += advance;
            continue;
        }
        // A stretched blank between two words joins their call, its advance reaching to
        // where the next word starts, when that leaves every pixel as drawing word, blank
        // fill and word one by one would: the word before has no ink past its advance, the
        // blank's fill (one pixel wider) ends under the next word's band, and the blank
        // starts on the pixel where the call stands.
        if (c == L' ' && justified && colors.background == mBackColor && !runAdvances.empty() && i + 1 < end &&
            isPlain(lineText[i + 1]) && lineText[i - 1] < 0x80 &&
            inkWithinAdvance[static_cast<size_t>(lineText[i - 1])]) {
            // x moves exactly as when the word is drawn alone (word, then blank).
            x = roundedSum(x, static_cast<float>(wordWidth));
            wordWidth = 0;
            if (static_cast<int>(x) == segmentLeft + segmentWidth) {
                x = roundedSum(x, spaceWidth);
                const int advance = static_cast<int>(x) - (segmentLeft + segmentWidth);
                runAdvances.push_back(advance);
                segmentWidth += advance;
                continue;
            }
        }
        flush();
        if (c == L'\r' || c == L'\n') {
            // The line break itself is never drawn as a glyph; its mark comes after the row.
            pending = end;
            break;
        }
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
            x = roundedSum(x, static_cast<float>(width));
        } else if (c == L' ') {
            // One pixel wider than the blank so that fractional widths leave no gaps; the
            // next cell starts at the blank's true width, where the caret puts it.
            const int width = std::max(std::min(static_cast<int>(spaceWidth + 1.0f), clipRight - left), 0);
            fillCell(memory, left, y, width, fontHeight, colors.background);
            x = roundedSum(x, spaceWidth);
        } else if (c == 0x3000) {
            const int width = static_cast<int>(getCharWidth(c));
            fillCell(memory, left, y, width, fontHeight, colors.background);
            if (showFullWidthSpaces) {
                ::SetTextColor(memory, getColor(8));
                ::ExtTextOutW(memory, left, y, 0, nullptr, L"\x25A1", 1, nullptr);
                ::SetTextColor(memory, colors.text);
            }
            x = roundedSum(x, static_cast<float>(width));
        } else {
            const int width = static_cast<int>(getCharWidth(c));
            fillCell(memory, left, y, width, fontHeight, kSurrogateFrame);
            fillCell(memory, left + 2, y, width - 4, fontHeight, colors.text);
            x = roundedSum(x, static_cast<float>(width));
        }
    }
    flush();
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
