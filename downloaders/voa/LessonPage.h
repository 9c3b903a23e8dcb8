// What a VOA lesson page tells about its lesson, and the id3 block a lesson file takes
// from it. The page is read as it comes: missing markers give empty values.
#pragma once

#include <string>

struct LessonPageTags {
    std::wstring title;  // the page title before its " | " suffix
    std::wstring date;   // the live date, "2011/03/30"
    std::wstring file;   // the MP3 address of the page's player
};

struct LessonDate {
    std::wstring year;
    std::wstring month;
    std::wstring day;
};

LessonPageTags readLessonPage(const std::wstring& page);

// Year up to the first "/", month between the first and the last, day after the last.
// A date without "/" is all year; with one "/" it has a year and a day but no month.
LessonDate splitLessonDate(const std::wstring& date);

// The id3 block for the page at the address, one element a line ("\r\n"), values
// inserted as they are; its category is left empty for the learner to fill in.
std::wstring buildId3Text(const std::wstring& pageAddress, const LessonPageTags& tags);
