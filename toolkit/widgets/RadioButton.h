// A round two-state button with a text; checking it unchecks the radio buttons of its
// group (the siblings up to the next WS_GROUP either way).
#pragma once

#include <string>

#include "toolkit/widgets/StateButton.h"

class RadioButton : public StateButton {
public:
    RadioButton();
    ~RadioButton() override;

    using StateButton::create;
    bool createWithDefaultBounds(HWND parent) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void paint(Graphics& g) override;
    void release(bool byKey) override;

    virtual bool create(HWND parent, const std::wstring& text, int x, int y, int width, int height);
    virtual bool create(HWND parent, int id, const std::wstring& text, int x, int y, int width, int height);

    void setChecked(bool checked);
    bool isChecked() const { return mState == 1; }

private:
    void uncheckGroup();
};
