// The time tag in front of an .lrc line.
#pragma once

#include <cstdint>
#include <string>

// "[mm:ss]" when the separator is empty, else "[mm:ss" + separator + "hh]" with the
// hundredths of a second; minutes take more digits past 99.
std::wstring formatLrcTimeTag(uint32_t milliseconds, const std::wstring& separator);
