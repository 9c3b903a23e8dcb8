// Cutting text out of web pages: the helpers the news downloaders scrape with. All work
// on copies and never throw on odd input (missing markers give empty or unchanged text).
#pragma once

#include <string>
#include <vector>

// The text between the first `startTag` at or after `start` and the next `endTag` after
// it; empty when either is missing. An empty start tag is found at `start`.
std::wstring getInnerText(const std::wstring& text, const std::wstring& startTag, const std::wstring& endTag,
                          size_t start = 0);
// The text without every block from an opening marker to the next closing marker, both
// included. An opening marker without a later closing marker, and all after it, stay.
std::wstring removeBlocks(const std::wstring& text, const std::wstring& opening, const std::wstring& closing);
// Without the leading characters in `leading` and the trailing characters in `trailing`;
// an empty set trims nothing at its end.
std::wstring trim(const std::wstring& text, const std::wstring& leading, const std::wstring& trailing);
// Every match of the pattern (compiled with `flags`, 2 = multi-line) replaced; the text
// unchanged when nothing matches.
std::wstring replaceRegex(const std::wstring& text, const std::wstring& pattern, const std::wstring& replacement,
                          int flags = 2);
// Every tag removed: "<", then at least one character up to the first ">" after it, with
// no line feed in between. The same as replaceRegex with "<.+?>", but in time linear in
// the text, whatever a damaged page holds.
std::wstring removeTags(const std::wstring& text);
// The pieces between delimiters: empty pieces between two delimiters stay, an empty last
// piece does not ("a//b/" gives a, "", b).
std::vector<std::wstring> splitText(const std::wstring& text, const std::wstring& delimiter);
