// Checks kakasi's binary kanji dictionary before the library reads it: the library
// seeks to the offsets the file gives and ends the process when it cannot open it, so
// only a file whose every table cell and word entry lies inside it is handed over.
#pragma once

#include <cstddef>
#include <cstdint>

bool isUsableKanwaDictionary(const uint8_t* data, size_t size);
