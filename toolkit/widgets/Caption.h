// A clickable title bar (a button) carrying a small close button at one end. The close
// button's click toggles the caption's closed flag and reaches the parent as WM_COMMAND 11.
#pragma once

#include "toolkit/widgets/Button.h"

class Caption : public Button {
public:
    // The close button: a button that draws one square (state 0) or two (state 1).
    class CloseButton : public Button {
    public:
        void paint(Graphics& g) override;
    };

    static constexpr int kCloseButtonId = 11;

    Caption();

    bool onCommand(HWND control, int id, int code) override;
    bool onCreate() override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    void paint(Graphics& g) override;

    // 1 puts the close button at the right end, any other value at the left end.
    void setCloseButtonSide(int side);
    bool isClosed() const { return mClosed; }
    CloseButton& getCloseButton() { return mCloseButton; }

private:
    void placeCloseButton();

    CloseButton mCloseButton;
    bool mClosed = false;
    int mCloseButtonSide = 1;
};
