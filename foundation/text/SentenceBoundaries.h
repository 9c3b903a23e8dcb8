#pragma once
// Cutting running text (English mixed with Japanese) into sentences. Positions are
// indices of UTF-16 units; every read is bounded by the text's length.
#include <string>
#include <utility>

// Forward: the first index at or after position whose character is not a blank (space,
// CR, LF, TAB), or the length. Backward: moves left while the character at the position
// is a blank, stopping at 0. A position at or past the length gives the length.
int skipWhitespace(const wchar_t* text, int length, int position, bool backward);
int skipWhitespace(const wchar_t* text, int position, bool backward);

bool isMonthAbbreviation(const std::wstring& word);
// The three characters before a period: a title, a month, "Dr"-like or a single initial.
bool isAbbreviation(wchar_t w0, wchar_t w1, wchar_t w2);

// The index just past the sentence that begins at start (the next sentence's text
// begins at or after it); the text length when no end is found.
int NextPunctuation(const std::wstring& text, int start);

// The sentence at position: direction >= 0 gives the sentence that begins at (or after
// the blanks at) position; direction < 0 the last sentence that starts before position,
// with the blanks after it (the empty range at 0 for position 0).
std::pair<int, int> getSentenceRange(const std::wstring& text, int position, int direction);
