#include "downloaders/voa/LessonPage.h"

#include "downloaders/voa/TextBetween.h"

LessonPageTags readLessonPage(const std::wstring& page) {
    LessonPageTags tags;
    tags.title = extractBetween(page, L"<title>", L" | ");
    tags.date = extractBetween(page, L"\"live_date\">", L"<");
    tags.file = extractBetween(page, L"file=", L"&");
    return tags;
}

LessonDate splitLessonDate(const std::wstring& date) {
    LessonDate parts;
    const size_t first = date.find(L'/');
    if (first == std::wstring::npos) {
        parts.year = date;
        return parts;
    }
    const size_t last = date.rfind(L'/');
    parts.year = date.substr(0, first);
    if (last > first) parts.month = date.substr(first + 1, last - first - 1);
    parts.day = date.substr(last + 1);
    return parts;
}

std::wstring buildId3Text(const std::wstring& pageAddress, const LessonPageTags& tags) {
    const LessonDate date = splitLessonDate(tags.date);
    std::wstring block = L"\t<id3>\r\n";
    block += L"\t\t<title>" + tags.title + L"</title>\r\n";
    block += L"\t\t<category></category>\r\n";
    block += L"\t\t<officialSite>" + pageAddress + L"</officialSite>\r\n";
    block += L"\t\t<sourceUrl>" + tags.file + L"</sourceUrl>\r\n";
    block += L"\t\t<year>" + date.year + L"</year>\r\n";
    block += L"\t\t<month>" + date.month + L"</month>\r\n";
    block += L"\t\t<day>" + date.day + L"</day>\r\n";
    block += L"\t</id3>\r\n";
    return block;
}
