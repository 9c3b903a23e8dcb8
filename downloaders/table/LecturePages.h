// Reads a lecture of the lecture series: the title of its page and the stream parts of
// its XML description.
#pragma once

#include <string>
#include <vector>

// The part of the page title after its last "| " (the series' name comes before it);
// the whole title when it has none.
std::wstring readLectureTitle(const std::wstring& page);

// The stream address of every "group" element, in document order: its "rtmp" attribute
// followed directly by its "movie" attribute.
std::vector<std::wstring> readLectureParts(const std::wstring& description);
