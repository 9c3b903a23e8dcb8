// A line of text (the window text) on the component's back colour.
#pragma once

#include "toolkit/window/Component.h"

class LabelComponent : public Component {
public:
    LabelComponent();
    ~LabelComponent() override;

    void paint(Graphics& g) override;
};
