// The application frame: a top-level window of class "MainFrame" that restores and
// saves its placement and ends the message loop when it is destroyed.
#pragma once

#include <string>

#include "toolkit/window/BaseWindow.h"

class App : public BaseWindow {
public:
    App();
    ~App() override;

    bool create() override;
    bool onClose() override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual void restoreWindowPlacement(const std::wstring& iniPath);
    virtual void saveWindowPlacement(const std::wstring& iniPath);
};

// Where a window of the given rectangle (left, top, right, bottom) is placed: moved onto
// the work area of the nearest monitor, keeping its size.
RECT placeInWorkArea(RECT r, const RECT& monitor, const RECT& workArea);
