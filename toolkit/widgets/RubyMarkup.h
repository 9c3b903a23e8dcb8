// Ruby mark-up of one word and its reading, and its removal. The bar-and-brackets form
// is the Aozora Bunko notation: ｜ before the base text, the reading inside 《》.
#pragma once

#include <string>

namespace ruby {

constexpr wchar_t kBar = 0xFF5C;           // ｜
constexpr wchar_t kOpenReading = 0x300A;   // 《
constexpr wchar_t kCloseReading = 0x300B;  // 》

// <ruby><rb>base</rb><rp>(</rp><rt>reading</rt><rp>)</rp></ruby>
std::wstring htmlRuby(const std::wstring& base, const std::wstring& reading);

// ｜base《reading》, with leading and trailing hiragana of the base kept outside the
// mark-up, and a kanji-kana-kanji word given two groups when its kana is found in the
// reading. A reading too short to lose its kana gives the one-group form.
std::wstring aozoraRuby(const std::wstring& base, const std::wstring& reading);

}  // namespace ruby

// Removes every 《...》 run (an unclosed one to the end of the text) and every ｜.
void stripRubyMarks(std::wstring& text);
