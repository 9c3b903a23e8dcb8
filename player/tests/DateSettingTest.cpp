#include <gtest/gtest.h>

#include "player/settings/DateSetting.h"

TEST(DateSetting, ThreeNumbersMakeADateAndAnythingElseNone) {
    const Date date = parseDate(L"2020/03/30");
    EXPECT_EQ(2020, date.getYear());
    EXPECT_EQ(3, date.getMonth());
    EXPECT_EQ(30, date.getDay());
    EXPECT_EQ(L"2020/03/30", formatDate(date));
    EXPECT_EQ(L"0987/01/02", formatDate(parseDate(L"987/1/2")));
    for (const wchar_t* text : {L"", L"2020/03", L"2020/03/30/1", L"2020/x/30", L"//", L"2020/03/99999999"})
        EXPECT_FALSE(parseDate(text).isSet()) << text;
}
