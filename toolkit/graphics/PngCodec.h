// PNG reading and writing for Bitmap through libpng.
#pragma once

#include <string>

class Bitmap;

// Reads any PNG (palette, grey, RGB, with or without alpha, 1 to 16 bits per channel)
// into the bitmap as 8-bit blue, green, red, alpha. Throws Exception when the file can't
// be opened; answers false (bitmap empty) when libpng refuses the content.
bool readPngFile(Bitmap& bitmap, const std::wstring& path);

// Writes the bitmap as an 8-bit RGBA PNG. A bitmap without an alpha channel is made
// opaque first (its alpha bytes mean nothing). False on any failure, never throws; a
// partly written file is removed.
bool writePngFile(Bitmap& bitmap, const std::wstring& path);
