// A two-state box with a text beside it (the box at the right with BS_LEFTTEXT).
#pragma once

#include <string>

#include "toolkit/widgets/StateButton.h"

class Graphics;

class CheckBox : public StateButton {
public:
    CheckBox();

    using StateButton::create;
    bool createWithDefaultBounds(HWND parent) override;
    void paint(Graphics& g) override;
    virtual bool create(HWND parent, const std::wstring& text, int x, int y, int width, int height);
    virtual bool create(HWND parent, int id, const std::wstring& text, int x, int y, int width, int height);
    // Narrows (or widens) the check box to its text: text width + box + 5; height unchanged.
    void adjustSize();

    int getBoxSize() const { return mBoxSize; }

private:
    int mBoxSize = 15;
    COLORREF mBoxColor = 0xE18040;
    COLORREF mCheckColor = 0xF0F0F0;
};
