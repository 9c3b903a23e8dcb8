// Cutting a value out of a page between two markers.
#pragma once

#include <string>

// The text after the first start marker at or after `from` up to the next end marker.
// Empty when the start marker is missing; when the end marker is missing (or empty), the
// rest of the text if `toEnd`, else empty.
std::wstring extractBetween(const std::wstring& text, const std::wstring& startMarker, const std::wstring& endMarker,
                            size_t from = 0, bool toEnd = false);
