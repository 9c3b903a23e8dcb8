// Turns a fuzz input into text the way the program reads a file: detect and decode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/encoding/TextDecoding.h"

inline std::wstring decodeFuzzInput(const uint8_t* data, size_t size) {
    std::wstring text;
    decodeText(reinterpret_cast<const char*>(data), size, text, kEncodingUndefined);
    return text;
}
