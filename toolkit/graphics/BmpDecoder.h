// Decoding of a BMP file image held in memory into a Bitmap.
#pragma once

#include <cstddef>

class Bitmap;

// Decodes 1, 4, 8, 16, 24 and 32-bit uncompressed BMP data (16 and 32 bits also with bit
// fields) into a 32-bit top-down bitmap. Every size and offset is checked against the
// data: a short, crafted or unsupported file answers false and leaves the bitmap empty.
bool decodeBmp(Bitmap& bitmap, const unsigned char* data, size_t size);
