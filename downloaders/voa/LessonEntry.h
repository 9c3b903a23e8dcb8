// One lesson as an entry of a published lesson list: its date, title, description and
// links to its web page, its sentence-list file on the lesson site and its MP3 file.
#pragma once

#include <string>

// Where the lesson files are published, one folder per category key below it.
extern const wchar_t kLessonPublishingBase[];

// Values go in as they are: the lesson files are the learner's own.
std::wstring buildLessonEntry(const std::wstring& title, const std::wstring& date, const std::wstring& officialSite,
                              const std::wstring& sourceUrl, const std::wstring& category,
                              const std::wstring& description);

// The entry from the id3 block of the lesson file; "\r\n" when the file has none.
std::wstring getLessonEntry(const std::wstring& lessonPath);

// The day of the month the lesson's id3 block gives (30 without a day, 0 for an empty
// or non-numeric one); 1 when the file has no id3 block.
int getLessonDay(const std::wstring& lessonPath);
