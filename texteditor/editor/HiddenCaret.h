// Keeps a window's caret hidden for a scope. A view moved in several strides shifts the
// window each time; with the caret hidden, no shift has to take it off and put it back.
#pragma once

#include <windows.h>

class HiddenCaret {
public:
    explicit HiddenCaret(HWND window) : window(window), hidden(window && ::HideCaret(window) != FALSE) {}
    ~HiddenCaret() {
        if (hidden) ::ShowCaret(window);
    }
    HiddenCaret(const HiddenCaret&) = delete;
    HiddenCaret& operator=(const HiddenCaret&) = delete;

private:
    HWND window;
    bool hidden;
};
