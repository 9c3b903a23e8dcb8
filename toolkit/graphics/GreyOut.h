// The two grey-out looks of disabled things. Their names differ in one letter only, so
// mind which one you call; the looks differ on purpose:
// - greyOutRect (with an "e") lifts the grey by 96 (the washed-out look of disabled pictures:
//   tool-bar images, region buttons) and keeps pixels of a mask colour;
// - grayOutRect (with an "a") keeps the brightness (the look of disabled widgets drawn into a
//   Graphics: buttons, check boxes, sliders) and keeps the surface's key colour.
#pragma once

#include <windows.h>

#include "toolkit/window/Rect.h"

class Graphics;
class Image;

// Every pixel of the rectangle whose colour is not `key` becomes the grey
// min(255, ((77 R + 151 G + 28 B) >> 8) + 96).
void greyOutRect(HDC dc, const Rect& rect, COLORREF key);

// Every pixel of the rectangle becomes (v, v, v) with v = (77 b16-23 + 151 b8-15 + 28 b0-7) >> 8
// of its colour value, except the key colour of a surface that has one.
void grayOutRect(Graphics& g, const Rect& rect);

// A copy of a bitmap with every pixel that is not the mask colour made pale grey. The
// caller owns the result; null when the copy can't be made.
HBITMAP createDisabledBitmap(HWND owner, HBITMAP bitmap, COLORREF mask);

// A window region of the rectangle (0, 0, right + 1, bottom + 1) of the image part, with the
// pixels of the image's colour key cut out; null when the image has no pixels.
HRGN createRegionFromImage(Image& image, const Rect& rect);
