#include "toolkit/widgets/Weekdays.h"

namespace {

const ULONGLONG kFileTimeUnitsPerDay = 24ULL * 60 * 60 * 10000000;

int compareField(int a, int b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

int compareDates(const Date& a, const Date& b) {
    if (int c = compareField(a.getYear(), b.getYear())) return c;
    if (int c = compareField(a.getMonth(), b.getMonth())) return c;
    return compareField(a.getDay(), b.getDay());
}

Date nextDay(const Date& date) {
    Date day;
    day.set(date.getYear(), date.getMonth(), date.getDay());
    FILETIME file{};
    if (!::SystemTimeToFileTime(&day.getSystemTime(), &file)) return date;
    ULARGE_INTEGER units{};
    units.LowPart = file.dwLowDateTime;
    units.HighPart = file.dwHighDateTime;
    units.QuadPart += kFileTimeUnitsPerDay;
    file.dwLowDateTime = units.LowPart;
    file.dwHighDateTime = units.HighPart;
    SYSTEMTIME next{};
    if (!::FileTimeToSystemTime(&file, &next)) return date;
    day.getSystemTime() = next;
    return day;
}

Date nextWeekday(const Date& date, const Date& latest) {
    Date day = nextDay(date);
    // Invalid dates don't move; a week holds at most two days to skip.
    for (int i = 0; i < 3 && (day.getDayOfWeek() == 0 || day.getDayOfWeek() == 6); ++i) day = nextDay(day);
    if (latest.isSet() && compareDates(day, latest) > 0) {
        Date last;
        last.set(latest.getYear(), latest.getMonth(), latest.getDay());
        last.normalize();
        return last;
    }
    return day;
}
