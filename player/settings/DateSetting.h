// Dates kept in the settings file as "yyyy/mm/dd" text (the news downloaders' "Calendar").
#pragma once

#include <string>

#include "toolkit/widgets/Date.h"

// Exactly three "/"-separated decimal numbers give year, month and day; any other text
// gives an unset date. Numbers that name no real day are kept as they are.
Date parseDate(const std::wstring& text);
// "%04d/%02d/%02d" of the date's year, month and day.
std::wstring formatDate(const Date& date);
