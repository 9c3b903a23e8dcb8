#include <gtest/gtest.h>

#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/CalendarPane.h"
#include "toolkit/widgets/Weekdays.h"

namespace {

Date day(int year, int month, int dayOfMonth) {
    Date date;
    date.set(year, month, dayOfMonth);
    return date;
}

}  // namespace

TEST(Weekdays, NextWeekdayCarriesOverWeekendsMonthsAndYears) {
    struct Case {
        Date from;
        Date expected;
    } cases[] = {
        {day(2020, 4, 3), day(2020, 4, 6)},     // Friday to Monday
        {day(2020, 4, 30), day(2020, 5, 1)},    // Thursday to Friday, month carried
        {day(2021, 12, 31), day(2022, 1, 3)},   // Friday at year end
        {day(2020, 2, 28), day(2020, 3, 2)},    // leap year: Friday 28th, Saturday 29th
        {day(2020, 4, 4), day(2020, 4, 6)},     // from a Saturday
    };
    for (const Case& c : cases) {
        const Date next = nextWeekday(c.from, Date());
        EXPECT_EQ(0, compareDates(next, c.expected)) << c.from.getYear() << "-" << c.from.getMonth() << "-"
                                                     << c.from.getDay();
        EXPECT_TRUE(next.getDayOfWeek() >= 1 && next.getDayOfWeek() <= 5);
    }
}

TEST(Weekdays, StepStopsAtTheLatestDate) {
    // The next weekday (Monday the 6th) lies after the latest date: the step ends there.
    EXPECT_EQ(0, compareDates(nextWeekday(day(2020, 4, 3), day(2020, 4, 4)), day(2020, 4, 4)));
    // Already at the latest date: it stays.
    EXPECT_EQ(0, compareDates(nextWeekday(day(2020, 4, 4), day(2020, 4, 4)), day(2020, 4, 4)));
    EXPECT_EQ(0, compareDates(nextWeekday(day(2020, 4, 2), day(2020, 4, 30)), day(2020, 4, 3)));
    // An invalid date does not move, and the step still ends.
    EXPECT_EQ(13, nextWeekday(day(2020, 13, 40), Date()).getMonth());
}

TEST(CalendarPane, StepsToTheNextWeekdayWithinItsRange) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    CalendarPane calendar;
    ASSERT_TRUE(calendar.create(frame.m_hWnd, 8, 8, 120, 20));
    calendar.setRange(day(2020, 3, 30), day(2022, 1, 4));
    EXPECT_EQ(0, compareDates(calendar.getLatestDate(), day(2022, 1, 4)));

    calendar.setDate(day(2021, 12, 31));
    EXPECT_EQ(L"2021/12/31", calendar.getText());
    calendar.stepToNextWeekday();
    EXPECT_EQ(L"2022/01/03", calendar.getText());
    EXPECT_EQ(1, calendar.getDate().getDayOfWeek());
    calendar.stepToNextWeekday();
    EXPECT_EQ(L"2022/01/04", calendar.getText());
    // At the latest date the step ends where it is.
    calendar.stepToNextWeekday();
    EXPECT_EQ(L"2022/01/04", calendar.getText());
    frame.destroy();
}
