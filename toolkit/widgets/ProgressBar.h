// A rounded frame filled to a percentage, with a caption (the window text) in its middle.
// The owner sets the value and the text, then repaints.
#pragma once

#include "toolkit/window/Component.h"

class ProgressBar : public Component {
public:
    ProgressBar();
    ~ProgressBar() override;

    void paint(Graphics& g) override;

    int getValue() const { return mValue; }
    void setValue(int percent) { mValue = percent; }

private:
    int mValue = 0;
};
