// A child window that paints itself double-buffered, tracks hover and focus, and tells
// its owner what happens through listeners or, when nobody listens, WM_NOTIFY.
#pragma once

#include "toolkit/window/BaseWindow.h"
#include "toolkit/window/ListenerList.h"
#include "toolkit/window/Listeners.h"
#include "toolkit/window/Rect.h"

class Graphics;

class Component : public BaseWindow {
public:
    Component();
    ~Component() override;

    void setEnabled(bool enabled) override;
    void destroy() override;
    bool createWithDefaultBounds(HWND parent) override;
    void setBounds(int x, int y, int width, int height) override;
    void setSize(int width, int height) override;
    ATOM registerClass(const wchar_t* name, const wchar_t* menuName = nullptr, UINT style = 0) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual void requestFocus(bool focus);
    virtual void addEventListener(EventListener* listener);
    virtual void paint(Graphics& g);
    virtual void drawFrame(Graphics& g, int x, int y, int width, int height, int radius);
    virtual bool onSetFocus(HWND previous);
    virtual bool onKillFocus();
    virtual void fireEvent(int code, int data);
    virtual bool onChar(WPARAM wParam, LPARAM lParam);
    virtual bool onKeyDown(WPARAM key, LPARAM lParam);
    virtual bool onKeyUp(WPARAM wParam, LPARAM lParam);
    virtual bool onLButtonUp();
    virtual bool onRButtonUp();
    virtual bool onLButtonDown(int x, int y);
    virtual bool onRButtonDown(int x, int y);
    virtual bool onLButtonDblClk(int x, int y);
    virtual bool onMouseMove(int x, int y);
    virtual bool onMouseWheel(int x, int y, int keys, int notches);
    virtual bool onXButtonDown(int x, int y, WPARAM wParam);
    virtual void onMouseEnter();
    virtual void onMouseLeave();
    virtual bool processMouseEvent(UINT msg, int x, int y, WPARAM wParam);

    void addChangeListener(ChangeListener* listener) { mListenerList.add("ChangeListener", listener); }
    void addKeyListener(KeyListener* listener) { mListenerList.add("KeyListener", listener); }
    ListenerList& getListenerList() { return mListenerList; }

    bool isHovered() const { return mHovered; }
    bool isFocused() const { return mFocused; }
    const Rect& getRect() const { return mRect; }

protected:
    // Selects the window's font, transparent text in the text colour, and fills the
    // whole surface with the back colour: the first steps of most paint operations.
    void fillBackground(Graphics& g);

    Rect mRect;
    bool mHovered = false;
    bool mFocused = false;
    ListenerList mListenerList;
};
