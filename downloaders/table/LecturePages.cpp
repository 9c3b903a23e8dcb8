#include "downloaders/table/LecturePages.h"

#include "foundation/html/HTMLParser.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"

std::wstring readLectureTitle(const std::wstring& page) {
    HTMLParser parser;
    parser.parse(page);
    const std::wstring& title = parser.getTitle();
    const size_t bar = title.rfind(L"| ");
    return bar == std::wstring::npos ? title : title.substr(bar + 2);
}

std::vector<std::wstring> readLectureParts(const std::wstring& description) {
    std::vector<std::wstring> parts;
    XMLParser parser;
    try {
        if (!parser.parseString(description)) return parts;
    } catch (...) {
        return parts;  // a damaged description has no parts
    }
    for (Element* group : parser.getElementsByTagName(L"group")) {
        parts.push_back(group->getAttribute(L"rtmp") + group->getAttribute(L"movie"));
    }
    return parts;
}
