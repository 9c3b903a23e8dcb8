// Turning text into the bytes of a text file.
#pragma once

#include <cstdio>
#include <string>

#include "foundation/encoding/EncodingId.h"

// The byte-order mark written for an id: FF FE for -1 and 1, FE FF for 2, EF BB BF for
// 4, nothing for the others.
std::string byteOrderMark(EncodingId id);

// The text's bytes in the encoding, without mark. False for an id that can't be written
// ("Binary", unknown ids) and for a conversion that gives nothing; an empty text is
// always writable.
bool encodeText(const std::wstring& text, EncodingId id, std::string& bytes);

// The two steps of writing a text file, on a stream opened in binary mode. Both answer
// false when a write fails.
bool writeByteOrderMark(std::FILE* file, EncodingId id);
bool writeEncodedText(std::FILE* file, const std::wstring& text, EncodingId id);
