#include "downloaders/news/DeEigoJutsuPages.h"

#include "downloaders/news/NewsScraping.h"
#include "downloaders/news/SentenceGroupBuilder.h"
#include "foundation/system/ParserException.h"
#include "foundation/system/StringUtils.h"
#include "foundation/xml/CharacterReferences.h"
#include "foundation/xml/Element.h"

namespace {

const wchar_t kFocusMarker[] = L"<div class=\"focus\"><span>";

[[noreturn]] void fail(const std::wstring& message) { throw ParserException(message, 0, 0); }

// Without the characters of `set` (one at a time, anywhere).
std::wstring removeCharacters(std::wstring text, const std::wstring& set) {
    for (wchar_t c : set) text = replaceAll(text, std::wstring(1, c), L"");
    return text;
}

// The block text from `from` up to the next `end`, or to the text's end when it has none.
std::wstring textUpTo(const std::wstring& text, size_t from, const std::wstring& end, size_t& endPos) {
    endPos = text.find(end, from);
    if (endPos == std::wstring::npos) endPos = text.size();
    return text.substr(from, endPos - from);
}

}  // namespace

std::wstring readArticleDescription(const std::wstring& page) {
    if (page.empty()) fail(L"\rhtml text is not found.\r\n");
    const size_t s = page.find(L"<div id=\"detail-ja\"");
    const size_t e = s == std::wstring::npos ? s : page.find(L"<!-- #detail-ja -->", s);
    if (e == std::wstring::npos) fail(page + L"\r\n1 description text is not found.\r\n");
    const std::wstring section = page.substr(s, e - s);
    std::wstring desc = getInnerText(section, L"<div class=\"p\">", L"</div>", 0);
    desc = trim(desc, L" \r\n\t", L"");
    desc = replaceAll(desc, L"\r\n", L"");
    desc = decodeCharacterReferences(desc, false);
    desc = replaceAll(desc, L"<br />", L"\r\n");
    desc = replaceAll(desc, L"<br>", L"\r\n");
    desc = replaceAll(desc, L"\t", L"");
    if (desc.empty()) fail(page + L"\r\n2 description text is not found.\r\n");
    return desc;
}

NewsListEntry readNewsListEntry(const std::wstring& newsList, const std::wstring& page,
                                const std::wstring& dateKey, const std::wstring& newsListUrl) {
    NewsListEntry entry;
    const std::wstring day = dateKey.size() >= 8 ? dateKey.substr(2, 4) + L"/" + dateKey.substr(6, 2) : dateKey;
    const std::wstring listed = day.empty() ? std::wstring() : getInnerText(newsList, day, L"}", 0);
    if (listed.empty()) {
        entry.title = getInnerText(page, L"<title>", L" | ", 0);
        if (entry.title.empty()) fail(newsListUrl + L"\r\njson is not found.\r\n");
        return entry;
    }
    entry.time = getInnerText(listed, L"\"time\": \"", L"\"", 0);
    entry.category = getInnerText(listed, L"\"category\": \"", L"\"", 0);
    if (entry.category.empty()) fail(listed + L"\r\n------\r\n" + L"\rcategory text is not found.\r\n");
    entry.title = getInnerText(listed, L"\"title\": \"", L"\"", 0);
    return entry;
}

std::wstring cleanTitle(const std::wstring& title) {
    return removeTags(decodeCharacterReferences(title, false));
}

std::wstring id3Category(const std::wstring& category) {
    const size_t colon = category.find(L": ");
    return colon == std::wstring::npos ? std::wstring() : category.substr(0, colon);
}

Element* parseSentenceGroup(const std::wstring& text, size_t& pos) {
    const std::wstring focus = kFocusMarker;
    size_t s = text.find(focus, pos);
    if (s == std::wstring::npos) return nullptr;
    s += focus.size();
    size_t e = text.find(L"</span>", s);
    if (e == std::wstring::npos) fail(L"\r\nEnglish </span> tag is not found.");
    std::wstring sentence = replaceAll(text.substr(s, e - s), L"<br />", L"");
    sentence = trimString(removeCharacters(sentence, L"\t\n"), L" \t\r\n");

    s = text.find(L"<dd>", e + 7);
    if (s == std::wstring::npos) fail(L"\r\nJapanese <dd> tag is not found.");
    std::wstring translation = textUpTo(text, s + 4, L"</dd>", e);
    translation = trimString(removeCharacters(translation, L"\t\n"), L" \t\r\n");

    s = text.find(L"<dd>", e);
    if (s == std::wstring::npos) fail(L"\r\nExplanation <dd> tag is not found.\r\n");
    std::wstring explanation = replaceAll(textUpTo(text, s + 4, L"</dd>", e), L"<br />", L"");
    explanation = trimString(removeCharacters(explanation, L"\t\n"), L" \t\r\n");

    pos = e;
    return buildSentenceGroup(sentence, translation, explanation);
}

int appendSentenceGroups(const std::wstring& page, Element& list, const std::function<void()>& found) {
    std::wstring text = removeBlocks(page, L"<!--", L"-->");
    text = removeBlocks(text, L"<style>", L"</style>");
    size_t pos = 0;
    int count = 0;
    for (;;) {
        const size_t old = pos;
        Element* group = parseSentenceGroup(text, pos);
        if (group == nullptr) break;
        if (pos == old) {
            delete group;
            break;
        }
        if (found) found();
        list.appendChild(group);
        ++count;
    }
    if (count == 0) fail(L"\r\nNot found any sentence in the html.\r\nTry another day (Monday-Friday).");
    return count;
}
