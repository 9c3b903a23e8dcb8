// Hiragana to katakana and back. Only the kana letters (U+3041-U+3096 with
// U+30A1-U+30F6) and the iteration marks (U+309D/E with U+30FD/E) have partners; the
// long-vowel mark, the middle dot, the voicing marks and every other character stay.
#pragma once

#include <string>

std::wstring toKatakana(const std::wstring& text);
std::wstring toHiragana(const std::wstring& text);
