// Packs the words of a conversion into the one-block result of GetJMorphResult, which
// the caller frees with a single CoTaskMemFree.
#pragma once

#include <string>
#include <vector>

#include "standins/msime/ReadingWords.h"
#include "toolkit/widgets/FELanguage.h"

// Null when a position or length would not fit the result's 16-bit fields, or when
// memory runs out.
MORRSLT* buildMorphResult(const std::wstring& input, const std::vector<ReadingWord>& words);
