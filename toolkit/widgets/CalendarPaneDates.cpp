// Setting, reading and stepping the date of the picker.
#include <windows.h>

#include <commctrl.h>

#include "toolkit/widgets/CalendarPane.h"
#include "toolkit/widgets/Weekdays.h"

void CalendarPane::setRange(const Date& earliest, const Date& latest) {
    SYSTEMTIME range[2] = {earliest.getSystemTime(), latest.getSystemTime()};
    ::SendMessageW(m_hWnd, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

Date CalendarPane::getLatestDate() const {
    SYSTEMTIME range[2] = {};
    Date latest;
    if (!m_hWnd) return latest;
    const LRESULT bounds = ::SendMessageW(m_hWnd, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range));
    if (bounds & GDTR_MAX) latest.set(range[1].wYear, range[1].wMonth, range[1].wDay);
    return latest;
}

void CalendarPane::setDate(const Date& date) {
    Date day = date;
    day.normalize();
    ::SendMessageW(m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&day.getSystemTime()));
}

Date CalendarPane::getDate() const {
    Date date;
    SYSTEMTIME shown{};
    if (m_hWnd && ::SendMessageW(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)) == GDT_VALID) {
        date.set(shown.wYear, shown.wMonth, shown.wDay);
        date.normalize();
    }
    return date;
}

void CalendarPane::stepToNextWeekday() {
    // The picker's arrow keys change one field without carrying into the next, which
    // breaks at month and year ends: compute the date and set it instead.
    const Date shown = getDate();
    if (!shown.isSet()) return;
    setDate(nextWeekday(shown, getLatestDate()));
}
