// Pixel work on a Graphics surface that the own-drawn widgets share: each operation is
// clipped to the surface, so a rectangle partly or wholly outside it is safe.
#pragma once

#include <functional>

#include "toolkit/window/Rect.h"

class Graphics;

// Calls the function with the B, G, R, A bytes of every surface pixel inside the rectangle.
void forEachPixel(Graphics& g, const Rect& rect, const std::function<void(unsigned char*)>& visit);
