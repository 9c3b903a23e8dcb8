#include "foundation/text/WordBoundaries.h"

#include "foundation/text/CharacterClasses.h"
#include "foundation/text/SentenceBoundaries.h"

#include <cwchar>

namespace {

// The rich-edit word-break codes beside the plain edit control's WB_LEFT, WB_RIGHT and
// WB_ISDELIMITER (0-2).
constexpr int kMoveWordLeft = 4;
constexpr int kMoveWordRight = 5;
constexpr int kLeftBreak = 6;
constexpr int kRightBreak = 7;

enum WordClass { AsciiWord, AsciiDigit, Hiragana, Katakana, Kanji, AsciiSymbol, SingleWide };

WordClass classOf(int c) {
    if (isAsciiWordChar(c)) return AsciiWord;
    if (c >= '0' && c <= '9') return AsciiDigit;
    if (isHiragana(c)) return Hiragana;
    if (isKatakana(c)) return Katakana;
    if (isKanji(c)) return Kanji;
    if (c < 0x80) return AsciiSymbol;
    return SingleWide;
}

// Whether c continues a word of the class that began with first.
bool continues(WordClass kind, int first, int c) {
    switch (kind) {
    case AsciiWord: return isAsciiWordChar(c);
    case AsciiDigit: return c >= '0' && c <= '9';
    case Hiragana: return c >= 0x3040 && c <= 0x309F;
    case Katakana: return c >= 0x30A0 && c <= 0x4DFF;
    case Kanji: return c >= 0x4E00;
    case AsciiSymbol: return c == first;
    case SingleWide: return false;
    }
    return false;
}

bool isAsciiClass(WordClass kind) { return kind == AsciiWord || kind == AsciiDigit || kind == AsciiSymbol; }

int lengthOf(const wchar_t* text) { return text == nullptr ? 0 : static_cast<int>(std::wcslen(text)); }

} // namespace

int findWordEnd(const wchar_t* text, int length, int position, int limit) {
    if (text == nullptr || length <= 0) return 0;
    int n = length;
    int p = position < 0 ? 0 : position;
    if (p >= n) return n;  // at the end of the text the word ends there, not at 0
    while (p < n && isBlankChar(text[p])) {
        if (isLineBreakChar(text[p])) return skipWhitespace(text, n, p + 1, false);
        ++p;
        if (p >= limit) return limit;
    }
    if (p >= n) return n;
    int first = text[p];
    WordClass kind = classOf(first);
    if (kind == SingleWide) return p + 1;
    int q = p + 1;
    while (q < n && continues(kind, first, text[q])) {
        ++q;
        if (q >= limit) return limit;
    }
    if (q < n && isAsciiClass(kind) && text[q] == '\n') return q + 1;
    return q;
}

int findWordEnd(const wchar_t* text, int position, int limit) {
    return findWordEnd(text, lengthOf(text), position, limit);
}

int findWordStart(const wchar_t* text, int length, int position, int limit) {
    if (text == nullptr || length <= 0) return 0;
    int i = (position > length ? length : position) - 1;
    if (i <= 0) return 0;
    if (i >= limit) return i;
    while (i > 0 && isBlankChar(text[i])) {
        if (isLineBreakChar(text[i])) {
            int before = skipWhitespace(text, length, i, true);
            return before == 0 ? 0 : before + 1;
        }
        --i;
    }
    int last = text[i];
    WordClass kind = classOf(last);
    if (kind == SingleWide) return i;
    while (i > 0 && continues(kind, last, text[i - 1])) --i;
    return i;
}

int findWordStart(const wchar_t* text, int position, int limit) {
    return findWordStart(text, lengthOf(text), position, limit);
}

int CALLBACK wordBreakProc(LPWSTR text, int position, int length, int code) {
    try {
        switch (code) {
        case WB_LEFT:
        case kMoveWordLeft:
        case kLeftBreak:
            return findWordStart(text, length, position, length);
        case WB_RIGHT:
        case kMoveWordRight:
        case kRightBreak:
            return findWordEnd(text, length, position, length);
        case WB_ISDELIMITER:
            return (text != nullptr && position >= 0 && position < length && text[position] == ' ') ? 1 : 0;
        default:
            return 0;
        }
    } catch (...) {
        return 0;  // nothing may unwind into the edit control
    }
}
