// A container that lines up its children in a row (or a column) and passes their
// commands, scroll messages and notifications on to its own parent.
#pragma once

#include <vector>

#include "toolkit/window/Component.h"

class ToolWindow : public Component {
public:
    ToolWindow();
    ~ToolWindow() override;

    void destroy() override;
    bool onCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool onRButtonDown(int x, int y) override;

    // Children are laid out in the order they were added; they are not owned.
    void addChild(BaseWindow* child) { mChildren.push_back(child); }
    const std::vector<BaseWindow*>& getChildren() const { return mChildren; }
    void setHorizontal(bool horizontal) { mHorizontal = horizontal; }
    void setStartOffset(int offset) { mStartOffset = offset; }
    int getChildrenWidth() const;

private:
    std::vector<BaseWindow*> mChildren;
    bool mHorizontal = true;
    int mStartOffset = 0;
};
