// Dictionaries for the reader's tests and benchmark: generated English headwords with
// Japanese bodies, plus a few known words.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "words/tests/PdicWriter.h"

// Distinct lower-case words of 2 to 4 syllables, the same on every call.
std::vector<std::wstring> generatedWords(size_t count);
// The generated words (bodies "訳N") and the known ones below.
std::vector<PdicEntry> englishDictionary(size_t generated);
// The headwords of the entries that begin with the prefix, in the order the reader
// compares them (UTF-16 units).
std::vector<std::wstring> headwordsWithPrefix(const std::vector<PdicEntry>& entries, const std::wstring& prefix);
