// Sentence times: unsigned milliseconds shown as "minutes:seconds:hundredths".
#pragma once

#include <cstdint>
#include <string>

// All bits set: the time is not set.
constexpr uint32_t kUnsetTime = 0xFFFFFFFFu;

// "%02d:%02d:%02d" of minutes (not wrapped at 60), seconds and hundredths.
std::wstring toTimeText(uint32_t ms);
// Three parts split at ':' read as minutes, seconds and hundredths (leading digits of
// each, none giving 0); any other number of parts gives 0.
uint32_t parseTimeText(const std::wstring& text);
