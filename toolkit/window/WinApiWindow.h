// The root of every window and dialog object: owns the window handle, the colours and
// the font description.
#pragma once

#include <windows.h>

#include <string>

class WinApiWindow {
public:
    WinApiWindow();
    virtual ~WinApiWindow() = default;
    WinApiWindow(const WinApiWindow&) = delete;
    WinApiWindow& operator=(const WinApiWindow&) = delete;

    virtual void setId(int id);
    virtual void setFocus();
    virtual void setExStyle(int style);
    virtual void setVisible(bool visible);
    virtual void setEnabled(bool enabled);
    virtual void setBackColor(COLORREF color);
    virtual void setTextColor(COLORREF color);
    virtual void setLocation(int x, int y);
    virtual HWND getHWND(int id = 0) const;
    virtual int getStyle() const;
    virtual int getExStyle() const;
    virtual std::wstring getText() const;
    virtual int getWidth() const;
    virtual int getHeight() const;
    virtual bool hasFocus() const;
    virtual bool isVisible() const;
    virtual bool isEnabled() const;
    virtual void update();
    virtual void repaint(const RECT* area = nullptr, bool erase = false);

    // Cursor position in client coordinates.
    POINT getCursorPos() const;
    RECT getClientRect() const;
    void setStyle(int style);
    void setParentOf(HWND child);
    HWND getParent() const;
    bool isAlwaysOnTop() const;
    void setAlwaysOnTop(bool topmost);

    COLORREF getBackColor() const { return mBackColor; }
    COLORREF getTextColor() const { return mTextColor; }
    const LOGFONTW& getLogFont() const { return mLogFont; }

    HWND m_hWnd = nullptr;

protected:
    COLORREF mBackColor;
    COLORREF mTextColor;
    LOGFONTW mLogFont;
};
