// A single-line text field: a TextArea whose default style has no ES_MULTILINE, so Tab
// moves the focus on and Enter is ignored.
#pragma once

#include "toolkit/widgets/TextArea.h"

class TextField : public TextArea {
public:
    DWORD getDefaultStyle() const override;
    // A numeric field (ES_NUMBER) is right-aligned as well.
    virtual void setStyle(int style);
};
