#include "downloaders/voa/LessonEntry.h"

#include <cstdlib>

#include "downloaders/voa/CategoryKey.h"
#include "foundation/xml/ElementText.h"
#include "foundation/xml/XMLParser.h"

const wchar_t kLessonPublishingBase[] = L"http://www.corvanta.example/wexcombe/voa/";

namespace {

// The parsed lesson's id3 element, or null; the parser owns it.
Element* readId3(XMLParser& parser, const std::wstring& lessonPath) {
    if (!parser.parseFile(lessonPath)) return nullptr;
    return parser.getElementByTagName(L"id3");
}

// The published sentence-list file: the MP3's name with ".xml", in the category's folder.
std::wstring publishedXmlAddress(const std::wstring& sourceUrl, const std::wstring& category) {
    std::wstring xml = kLessonPublishingBase;
    const size_t slash = sourceUrl.rfind(L'/');
    if (slash != std::wstring::npos) {
        xml += toCategoryKey(category) + sourceUrl.substr(slash);
        // Only a dot of the file name ends it: a name without one keeps the host whole.
        const size_t dot = xml.rfind(L'.');
        if (dot != std::wstring::npos && dot > xml.rfind(L'/')) xml.erase(dot);
    }
    return xml + L".xml";
}

}  // namespace

std::wstring buildLessonEntry(const std::wstring& title, const std::wstring& date, const std::wstring& officialSite,
                              const std::wstring& sourceUrl, const std::wstring& category,
                              const std::wstring& description) {
    std::wstring entry = L"<div class=\"contents\">\r\n";
    entry += L"<span class=\"date\">" + date + L"</span>\r\n";
    entry += L"<div class=\"title\">\r\n" + title + L"</div>\r\n";
    entry += L"<div class=\"description\">\r\n" + description + L"</div>\r\n";
    entry += L"<div class=\"file\">\r\n";
    entry += L"<a href=\"" + officialSite + L"\" target=\"_blank\">Site</a>\r\n";
    entry += L"<a href=\"" + publishedXmlAddress(sourceUrl, category) + L"\" target=\"_blank\">XML</a>\r\n";
    entry += L"<a href=\"" + sourceUrl + L"\" target=\"_blank\">MP3</a>\r\n";
    entry += L"</div>\r\n</div>\r\n";
    return entry;
}

std::wstring getLessonEntry(const std::wstring& lessonPath) {
    XMLParser parser;
    const Element* id3 = readId3(parser, lessonPath);
    if (id3 == nullptr) return L"\r\n";
    const std::wstring date = getChildElementText(id3, L"year", L"2011") + L"/" +
                              getChildElementText(id3, L"month", L"03") + L"/" +
                              getChildElementText(id3, L"day", L"30");
    return buildLessonEntry(getChildElementText(id3, L"title", L""), date,
                            getChildElementText(id3, L"officialSite", L""),
                            getChildElementText(id3, L"sourceUrl", L""), getChildElementText(id3, L"category", L""),
                            getChildElementText(id3, L"description", L""));
}

int getLessonDay(const std::wstring& lessonPath) {
    XMLParser parser;
    const Element* id3 = readId3(parser, lessonPath);
    if (id3 == nullptr) return 1;
    return _wtoi(getChildElementText(id3, L"day", L"30").c_str());
}
