// A calendar date with the layout of a Win32 SYSTEMTIME.
#pragma once

#include <windows.h>

class Date {
public:
    Date() : mTime{} {}

    // Zeroes the whole value, then stores the year, month and day.
    void set(int year, int month, int day);
    // Fills in the day of the week (through FILETIME); an invalid date is left as it is.
    bool normalize();
    bool isSet() const { return mTime.wYear != 0; }

    int getYear() const { return mTime.wYear; }
    int getMonth() const { return mTime.wMonth; }
    int getDay() const { return mTime.wDay; }
    // 0 Sunday to 6 Saturday.
    int getDayOfWeek() const { return mTime.wDayOfWeek; }
    const SYSTEMTIME& getSystemTime() const { return mTime; }
    SYSTEMTIME& getSystemTime() { return mTime; }

private:
    SYSTEMTIME mTime;
};
