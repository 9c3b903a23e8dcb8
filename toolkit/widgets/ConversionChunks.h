// Cuts a long text into pieces the input method converts one at a time (it refuses
// long inputs): at most kConversionChunkLength code units each, ending at a break
// between words where there is one.
#pragma once

#include <string>
#include <vector>

constexpr size_t kConversionChunkLength = 100;

// The pieces in order; joined they give the text again. An empty text gives none.
std::vector<std::wstring> splitConversionChunks(const std::wstring& text);
