// Cuts a text into words with readings. Runs of Japanese characters go to a converter
// (kakasi in furigana and word-split mode, talking Shift_JIS); everything else becomes
// words that read as themselves.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

struct ReadingWord {
    size_t inputPos;
    size_t inputLength;
    std::wstring reading;
};

// Converts one run to the converter's output ("日本語[にほんご] を 読む[よむ]"); false
// when it could not.
using RunConverter = std::function<bool(const std::wstring& run, std::wstring& output)>;

// Longest run handed to the converter at once.
constexpr size_t kMaxConverterRun = 100;

// A character the converter understands: a two-byte JIS X 0208 character of code page
// 932 that converts back to itself (not the ideographic space).
bool isConverterCharacter(wchar_t c);

// The words of a run at `runPos` of the text, read from the converter's output: words
// split by spaces, a reading in brackets after a word that has one. Words without one
// read as themselves. Empty when the output does not cover the run exactly.
std::vector<ReadingWord> parseConverterOutput(const std::wstring& run, size_t runPos, const std::wstring& output);

// Every character of the text belongs to exactly one word, in order. A run whose
// conversion fails or cannot be read becomes one word that reads as itself.
std::vector<ReadingWord> splitReadingWords(const std::wstring& text, const RunConverter& convert);
