// The date picker of the dialogs that ask for a date: the common SysDateTimePick32
// control showing the date as year/month/day.
#pragma once

#include "toolkit/widgets/Date.h"
#include "toolkit/window/BaseWindow.h"

class CalendarPane : public BaseWindow {
public:
    CalendarPane() = default;
    ~CalendarPane() override = default;

    // Creates the picker (an earlier window is not destroyed first) and puts it on the
    // toolkit's window procedure.
    bool create(HWND parent, int x, int y, int width, int height) override;

    // The earliest and latest dates the picker offers.
    void setRange(const Date& earliest, const Date& latest);
    // The latest date offered; unset when the picker has no upper bound.
    Date getLatestDate() const;
    void setDate(const Date& date);
    // The shown date (with its day of the week); unset when the picker has no window.
    Date getDate() const;
    // Moves to the next Monday-to-Friday date, or to the latest date when that comes first.
    void stepToNextWeekday();
};
