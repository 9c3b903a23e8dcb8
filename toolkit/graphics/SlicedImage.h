// Draws one cell of a face-image strip stretched over any rectangle without stretching
// its corners: the cell is cut into 16 x 4 corners, edges and a centre.
#pragma once

#include "toolkit/window/Rect.h"

class Graphics;
class Image;

// The cell (0, source y, source width, 16) into the destination. Up to 32 pixels wide the
// left and right halves of the cell are drawn side by side; wider, the corners and sides
// come from the fixed columns 0-15 and 48-63 of a 64-pixel cell and the middle is stretched.
void drawSlicedImage(Graphics& g, Image& image, const Rect& destination, const Rect& sourceCell);
