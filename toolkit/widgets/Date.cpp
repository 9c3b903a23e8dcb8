#include "toolkit/widgets/Date.h"

void Date::set(int year, int month, int day) {
    mTime = SYSTEMTIME{};
    mTime.wYear = static_cast<WORD>(year);
    mTime.wMonth = static_cast<WORD>(month);
    mTime.wDay = static_cast<WORD>(day);
}

bool Date::normalize() {
    FILETIME file{};
    SYSTEMTIME back{};
    if (!::SystemTimeToFileTime(&mTime, &file) || !::FileTimeToSystemTime(&file, &back)) return false;
    mTime = back;
    return true;
}
