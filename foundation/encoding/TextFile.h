// Reading and writing whole text files in a given or detected encoding. Every text file
// the program reads or writes goes through these two functions.
#pragma once

#include <string>

#include "foundation/encoding/EncodingId.h"

// Reads the file into `text` in the wanted encoding (-1 detects) and returns the id used.
// -1 when the file can't be opened, sized or read, or is 2 GB or larger; `text` is then
// left as it was. An empty file gives an empty text and the wanted id (1 for -1).
// With roomToGrow the text gets a thirty-second of its size and 1024 units of spare
// capacity where the decoding writes straight into it, so that a caller about to edit
// it need not copy the whole text again to make room.
EncodingId readTextFile(const std::wstring& path, std::wstring& text, EncodingId wanted, bool roomToGrow = false);

// Writes the text with the id's byte-order mark. The previous file is replaced only once
// the new content is completely written, so a failure (an id that can't be written, a
// conversion that gives nothing, a full disk) leaves it untouched and answers false.
bool writeTextFile(const std::wstring& path, const std::wstring& text, EncodingId id);

// Writes the bytes as the whole file, with the same care: the previous file is replaced
// only once the new content is completely written beside it; false leaves it untouched.
bool writeWholeFile(const std::wstring& path, const std::string& content);

// A name beside `path` (same folder) for content that is to take its place once complete,
// unique to this process.
std::wstring siblingTempPath(const std::wstring& path);
// Puts the complete content written at `temp` in the place of `path`; false when it can't.
bool replaceFileWith(const std::wstring& path, const std::wstring& temp);
