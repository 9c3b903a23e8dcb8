// A table-driven decoder for code page 932, built once from the system's own conversion
// so that it gives the same characters, only faster than converting through the system.
#pragma once

#include <cstddef>
#include <string>

// Decodes the bytes; false (text undefined) when they hold a sequence that the system
// would have to decide, such as a lead byte without a valid trail byte.
bool decodeShiftJisByTable(const unsigned char* data, size_t size, std::wstring& text);
