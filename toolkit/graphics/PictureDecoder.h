// GIF and JPEG loading for Bitmap through the system's OLE picture loader.
#pragma once

#include <string>

class Bitmap;

// Loads a .gif, .jpg or .jpeg file. Throws Exception for another extension, a GIF whose
// header can't be read, or a file that can't be opened or held in memory. False (bitmap
// empty) when the picture loader refuses the content.
bool loadPictureFile(Bitmap& bitmap, const std::wstring& path);
