// BOCU-1 encoding for test dictionaries: the published encoder, code point by code point.
#pragma once

#include <string>

// UTF-16 text (surrogate pairs joined) as BOCU-1 bytes, from the initial state.
std::string encodeBocu1(const std::wstring& text);
