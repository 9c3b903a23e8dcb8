// The date picker of the dialogs that ask for a date: the common SysDateTimePick32
// control showing the date as year/month/day.
#pragma once

#include "toolkit/window/BaseWindow.h"

class CalendarPane : public BaseWindow {
public:
    CalendarPane() = default;
    ~CalendarPane() override = default;

    // Creates the picker (an earlier window is not destroyed first) and puts it on the
    // toolkit's window procedure.
    bool create(HWND parent, int x, int y, int width, int height) override;
};
