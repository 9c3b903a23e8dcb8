// A rectangle as position and size, the unit of every layout and drawing call.
#pragma once

#include <windows.h>

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    Rect() = default;
    Rect(int x_, int y_, int width_, int height_) : x(x_), y(y_), width(width_), height(height_) {}

    void set(int x_, int y_, int width_, int height_) {
        x = x_;
        y = y_;
        width = width_;
        height = height_;
    }
    RECT toRECT() const { return RECT{x, y, x + width, y + height}; }
    operator RECT() const { return toRECT(); }
    bool contains(int px, int py) const { return x <= px && px < x + width && y <= py && py < y + height; }
    bool operator==(const Rect& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
};
