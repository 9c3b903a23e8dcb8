// Containers that let the focus enter and leave a group of controls, and the captioned
// rounded frame drawn around such a group.
#pragma once

#include <string>

#include "toolkit/window/Component.h"

class GroupComponent : public Component {
public:
    ~GroupComponent() override;
    // Coming from outside the group, the focus goes on to the group's first child (the
    // last with Shift), or on along the Tab order when that child is no tab stop. Coming
    // from inside (Tab past the group's last control), it goes on past the group.
    bool onSetFocus(HWND previous) override;
    bool onKillFocus() override;
};

class GroupBox : public GroupComponent {
public:
    GroupBox();
    ~GroupBox() override;

    using Component::create;
    bool createWithDefaultBounds(HWND parent) override;
    bool onCommand(WPARAM wParam, LPARAM lParam) override;
    void paint(Graphics& g) override;

    virtual bool create(HWND parent, const std::wstring& text, int x, int y, int width, int height);
    void setFramePen(int style, int width, COLORREF color);

private:
    int mFrameStyle = PS_SOLID;
    int mFrameWidth = 1;
    COLORREF mFrameColor = 0xFAAA96;
};
