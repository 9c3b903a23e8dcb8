// The base of the toolkit's own buttons: a focusable component that advances through its
// states on each completed click (mouse released inside, Return, or Space released) and
// reports the click to its parent, its action listener and its change listeners.
#pragma once

#include <string>

#include "toolkit/window/Component.h"

class StateButton : public Component {
public:
    void destroy() override;
    void setText(const wchar_t* text) override;
    void setText(const std::wstring& text) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool onKeyDown(WPARAM key, LPARAM lParam) override;
    bool onKeyUp(WPARAM key, LPARAM lParam) override;
    bool onLButtonUp() override;
    bool onLButtonDown(int x, int y) override;
    bool onLButtonDblClk(int x, int y) override;
    bool onMouseMove(int x, int y) override;
    // Ends a press by key or by mouse and counts it as a click.
    virtual void release(bool byKey);

    int getState() const { return mState; }
    // Sets the state without repainting or notifying anyone.
    void setState(int state) { mState = state; }
    bool isSelected() const { return mState == 1; }
    // State 1 when selected, else 0, then a repaint; no notification.
    void setSelected(bool selected);
    // The one listener told of clicks (not owned); a later call replaces it.
    void setActionListener(ActionListener* listener) { mActionListener = listener; }
    // Held by key, or by mouse with the cursor over the button.
    bool looksPressed() const { return mKeyPressed || (mMousePressed && mHovered); }

protected:
    // The click: next state, repaint, WM_COMMAND (id, 0xF5) to the parent, the action
    // listener, then the change listeners.
    void advanceState();
    // Whether the cursor is over the button (its window region when it has one).
    bool isCursorInside() const;

    int mState = 0;
    int mStateCount = 2;
    bool mMousePressed = false;
    bool mKeyPressed = false;
    ActionListener* mActionListener = nullptr;
};
