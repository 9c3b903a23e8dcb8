// Telling English from Japanese in running text, cutting text into runs of one language,
// and swapping the lines of English and Japanese pairs.
#pragma once

#include <string>
#include <vector>

// True for a text without kana, CJK punctuation or full-width forms, with at most two
// ideographs (none when shorter than 12 characters), whose last visible character is an
// ordinary one. Only the first 1001 characters are looked at; an empty text is not English.
bool isEnglishText(const std::wstring& text);

// Appends the runs of alternating language (cut at sentence ends) and answers whether
// the first run is English. A text that gives no run becomes one run.
bool splitByLanguage(const std::wstring& text, std::vector<std::wstring>& runs);

// Each pair of runs written second first, without their line breaks, one per line and a
// blank line after the pair. By sentence: the runs of splitByLanguage; otherwise runs of
// Latin-1 characters alternating with runs of others (blanks join either).
std::wstring swapLanguageLines(const std::wstring& text, bool bySentence);
