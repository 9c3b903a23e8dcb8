#include "downloaders/voa/LessonListings.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "downloaders/voa/CatalogueItem.h"
#include "downloaders/voa/LessonEntry.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/Element.h"

std::wstring createCategoryListing(const Element& root, const std::wstring& outputFolder) {
    std::wstring html = L"<div class=\"voa\">\r\n";
    for (const Element* category : getCatalogueChildren(root)) {
        const std::wstring label = getCatalogueItemLabel(*category);
        const std::wstring folder = outputFolder + label + L"\\";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        html += L"<div class=\"category\">\r\n<div class=\"subject\">" + label + L"</div>\r\n";
        for (const Element* lesson : getCatalogueChildren(*category)) {
            const std::wstring path = lesson->getAttribute(L"path");
            html += getLessonEntry(path);
            ::CopyFileW(path.c_str(), (folder + getFileName(path)).c_str(), TRUE);
        }
        html += L"</div>\r\n";
    }
    return html + L"</div>\r\n";
}

std::wstring createOrderedListing(const Element& root, const std::wstring& pageHead) {
    struct Lesson {
        std::wstring path;
        int day;
    };
    std::vector<Lesson> lessons;
    for (const Element* category : getCatalogueChildren(root)) {
        for (const Element* lesson : getCatalogueChildren(*category)) {
            const std::wstring path = lesson->getAttribute(L"path");
            lessons.push_back({path, getLessonDay(path)});
        }
    }
    std::stable_sort(lessons.begin(), lessons.end(), [](const Lesson& a, const Lesson& b) { return a.day < b.day; });

    std::wstring html = pageHead + L"\r\n<div class=\"voa\">\r\n<div class=\"category\">\r\n";
    for (auto lesson = lessons.rbegin(); lesson != lessons.rend(); ++lesson) html += getLessonEntry(lesson->path);
    return html + L"</div>\r\n</div>\r\n";
}
