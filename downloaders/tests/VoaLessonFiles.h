// Sentence-list lesson files with an id3 block, as the VOA lesson manager files them.
#pragma once

#include <string>

#include "foundation/encoding/TextFile.h"

struct VoaLesson {
    std::wstring title = L"Lesson";
    std::wstring category = L"Science in the News";
    std::wstring year = L"2011";
    std::wstring month = L"04";
    std::wstring day = L"12";
    std::wstring sourceUrl = L"http://127.0.0.1/mp3/lesson.mp3";
    std::wstring officialSite = L"http://127.0.0.1/lesson.html";
    std::wstring description = L"About it.";
};

inline std::wstring voaLessonXml(const VoaLesson& lesson) {
    return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<SentenceList>\r\n\t<id3>\r\n"
           L"\t\t<title>" + lesson.title + L"</title>\r\n"
           L"\t\t<description>" + lesson.description + L"</description>\r\n"
           L"\t\t<officialSite>" + lesson.officialSite + L"</officialSite>\r\n"
           L"\t\t<sourceUrl>" + lesson.sourceUrl + L"</sourceUrl>\r\n"
           L"\t\t<category>" + lesson.category + L"</category>\r\n"
           L"\t\t<year>" + lesson.year + L"</year>\r\n"
           L"\t\t<month>" + lesson.month + L"</month>\r\n"
           L"\t\t<day>" + lesson.day + L"</day>\r\n"
           L"\t</id3>\r\n\t<SentenceGroup><sentence>Hello.</sentence></SentenceGroup>\r\n</SentenceList>\r\n";
}

inline bool writeVoaLesson(const std::wstring& path, const VoaLesson& lesson) {
    return writeTextFile(path, voaLessonXml(lesson), kEncodingUtf16Le);
}
