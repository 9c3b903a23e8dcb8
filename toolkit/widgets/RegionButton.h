// A button drawn entirely from one picture: each button state has its own rectangle in
// the picture, and the window is cut to the shape of the normal state's opaque pixels.
#pragma once

#include <map>
#include <string>

#include "toolkit/graphics/Image.h"
#include "toolkit/widgets/Button.h"

class RegionButton : public Button {
public:
    enum State { kNormal = 0, kPressed = 1, kHot = 2 };

    RegionButton() = default;
    ~RegionButton() override = default;

    void paint(Graphics& g) override;

    void setStateRect(int state, const Rect& rect) { mStateRects[state] = rect; }
    // Loads the picture (a file that can't be opened throws); false when it does not load.
    // With a normal-state rectangle the window takes that part's shape and size.
    bool setImage(const std::wstring& fileName);
    // The state whose rectangle is drawn now.
    int currentState() const;

private:
    std::map<int, Rect> mStateRects;
    Image mPicture;
};
