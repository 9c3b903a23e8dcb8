// Character classes of Japanese text on single UTF-16 code units, as the ruby mark-up
// needs them: which words carry kanji, and where their kana runs lie.
#pragma once

#include <string>
#include <vector>

namespace japanese {

inline bool isHiragana(wchar_t c) { return c >= 0x3041 && c <= 0x309F; }
inline bool isKatakana(wchar_t c) { return c >= 0x30A1 && c <= 0x30FF; }

// The unified ideographs, extension A and the compatibility ideographs. The
// supplementary planes need two code units and never match a single one.
inline bool isKanji(wchar_t c) {
    return (c >= 0x4E00 && c <= 0x9FCF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFADF);
}

// 、 。 ． ？
inline bool isJapanesePunctuation(wchar_t c) {
    return c == 0x3001 || c == 0x3002 || c == 0xFF0E || c == 0xFF1F;
}

// A word needs a reading when it holds at least one kanji.
bool needsRuby(const std::wstring& word);

bool isAllHiragana(const std::wstring& word);

// The word cut into maximal runs of hiragana and of other characters, in order.
std::vector<std::wstring> splitKanaRuns(const std::wstring& word);

// ぁ..ゔ become ァ..ヴ; everything else stays.
std::wstring hiraganaToKatakana(const std::wstring& text);

}  // namespace japanese
