// Turning the bytes of a text file into text.
#pragma once

#include <cstddef>
#include <string>

#include "foundation/encoding/EncodingId.h"

// Decodes `size` bytes in the wanted encoding (-1 detects) and returns the id used. A
// byte-order mark (FF FE, FE FF, EF BB BF) decides over the wanted id. The text ends at
// its first U+0000. The bytes are only read.
EncodingId decodeText(const char* bytes, size_t size, std::wstring& text, EncodingId wanted);
