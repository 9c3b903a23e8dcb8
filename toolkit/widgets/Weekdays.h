// Stepping a date to the next working day (Monday to Friday) within a latest date.
#pragma once

#include "toolkit/widgets/Date.h"

// -1, 0 or 1 as a lies before, on or after b (year, month and day only).
int compareDates(const Date& a, const Date& b);
// The day after the date (month and year carried), with its day of the week filled in.
// An invalid date is returned as it is.
Date nextDay(const Date& date);
// The first Monday-to-Friday date after `date`; when that lies after `latest` (if set),
// `latest` itself. So the step always ends and never leaves the allowed range.
Date nextWeekday(const Date& date, const Date& latest);
