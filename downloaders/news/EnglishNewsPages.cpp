#include "downloaders/news/EnglishNewsPages.h"

#include "downloaders/news/NewsScraping.h"
#include "downloaders/news/RetrieverException.h"
#include "foundation/system/StringUtils.h"
#include "foundation/xml/CharacterReferences.h"

namespace {

const wchar_t kCategorySpan[] = L"<span class=\"category\">";

// The title under the marker, or under its misspelt form that some pages carry.
std::wstring readTitle(const std::wstring& page, const std::wstring& marker, const std::wstring& misspelt) {
    std::wstring found = marker;
    if (page.find(found) == std::wstring::npos) found = misspelt;
    if (page.find(found) == std::wstring::npos) throw RetrieverException(L"\r\n" + misspelt + L" is not found.\r\n");
    return getInnerText(page, found, L"</div>", 0);
}

}  // namespace

EnglishNewsIndex readEnglishNewsIndex(const std::wstring& page) {
    EnglishNewsIndex index;
    if (page.empty()) return index;
    const size_t s = page.find(L"<div class=\"left_col_in\">");
    const size_t e = s == std::wstring::npos ? s : page.find(L"<!-- /.left_col_in -->", s);
    if (e == std::wstring::npos) return index;
    const std::wstring block = page.substr(s, e - s);

    std::wstring description = replaceAll(getInnerText(block, L"<p>", L"</p>", 0), L"\r\n", L"");
    description = replaceAll(decodeCharacterReferences(description, false), L"<br />", L"\r\n");
    if (description.empty()) throw RetrieverException(page + L"\r\ndescription text is not found.\r\n");

    std::wstring dateLine = getInnerText(page, L"<div class=\"original-date\">", L"</div>", 0);
    if (dateLine.empty()) throw RetrieverException(L"\r\nreal time text is not found.\r\n");
    std::wstring category = replaceAll(getInnerText(dateLine, kCategorySpan, L"</span> ", 0), L"\t", L"");
    category = replaceAll(category, L"&nbsp;", L" ");
    category = replaceAll(category, kCategorySpan, L":");
    category = replaceAll(category, L"</span>", L"");
    if (category.empty()) throw RetrieverException(L"\rcategory text is not found.\r\n");
    dateLine = replaceAll(replaceAll(dateLine, kCategorySpan, L""), L"</span>", L"");

    const std::wstring english =
        readTitle(page, L"<div class=\"news-title-en\">", L"<div class=\"news-tilte-en\">");
    const std::wstring japanese =
        readTitle(page, L"<div class=\"news-title-jp\">", L"<div class=\"news-tilte-jp\">");

    index.found = true;
    index.title = removeTags(decodeCharacterReferences(english + L" - " + japanese, false));
    index.dateLine = dateLine;
    index.category = category;
    index.description = description;
    return index;
}
