#include "downloaders/news/ElearningPages.h"

#include <set>

#include "downloaders/news/NewsScraping.h"
#include "downloaders/news/RetrieverException.h"
#include "downloaders/news/SentenceGroupBuilder.h"
#include "foundation/html/HTMLParser.h"
#include "foundation/system/StringUtils.h"
#include "foundation/xml/Element.h"

namespace {

const size_t npos = std::wstring::npos;

// The first marker found at or after `from`, or npos; `found` is the one found.
size_t findEither(const std::wstring& page, const std::wstring& first, const std::wstring& second, size_t from,
                  std::wstring& found) {
    found = first;
    size_t at = page.find(first, from);
    if (at != npos) return at;
    found = second;
    return page.find(second, from);
}

// Where `marker` is at or after `from`; a missing marker fails the page with "Not found"
// and the marker (the message of a missing explanation) instead of leaving a position
// that reads garbage or out of range.
size_t require(const std::wstring& page, const std::wstring& marker, size_t from) {
    const size_t at = page.find(marker, from);
    if (at == npos) throw RetrieverException(L"\r\nNot found " + marker);
    return at;
}

}  // namespace

Element* parseElearningSentenceGroup(const std::wstring& page, size_t& pos) {
    const size_t block = page.find(L"<dl class=\"sentence\">", pos);
    if (block == npos) return nullptr;
    const size_t start = require(page, L"<dd>", block) + 4;
    // The audio tag counts only inside the sentence's own <dd>, not in a later block.
    const size_t ddEnd = page.find(L"</dd>", start);
    const size_t audio = page.find(L"udio1>", start);
    const bool hasAudio = audio != npos && (ddEnd == npos || audio < ddEnd);

    std::wstring sentence;
    std::wstring translation;
    size_t translationEnd = 0;
    if (!hasAudio) {
        const size_t span = require(page, L"<span>", start);
        sentence = page.substr(start, span - start);
        const size_t translationStart = require(page, L"<br />", span) + 6;
        translationEnd = require(page, L"</dd>", translationStart);
        translation = page.substr(translationStart, translationEnd - translationStart);
    } else {
        std::wstring tag;
        const size_t at = findEither(page, L"<Audio1><br />", L"<audio1><br />", start, tag);
        if (at == npos) throw RetrieverException(L"\r\n<audio1> tag is not found.\r\n");
        sentence = replaceAll(replaceAll(page.substr(start, at - start), L"<br />", L""), L"\n", L"");
        const size_t translationStart = at + tag.size();
        translationEnd = page.find(L"</Audio1>", translationStart);
        if (translationEnd == npos) translationEnd = page.find(L"</audio1>", translationStart);
        if (translationEnd == npos) translationEnd = require(page, L"</dd>", translationStart);
        translation = page.substr(translationStart, translationEnd - translationStart);
    }
    translation = replaceAll(translation, L"\n", L"");

    const size_t explanationStart = require(page, L"<dd>", translationEnd) + 4;
    const size_t explanationEnd = require(page, L"</dd>", explanationStart);
    pos = explanationEnd;
    return buildSentenceGroup(sentence, translation, page.substr(explanationStart, explanationEnd - explanationStart));
}

bool isExplanationUrl(const std::wstring& url, const std::wstring& site) {
    // From the start: an address that merely holds the site's ("http://site@other/...",
    // "http://other/?u=http://site/...") leads to another host.
    const std::wstring page = site + L"/e-news/elearning/explain.cgi";
    return url.compare(0, page.size(), page) == 0;
}

std::vector<std::wstring> collectExplanationLinks(const std::wstring& page, const std::wstring& site) {
    HTMLParser parser;
    parser.parse(page);
    std::vector<std::wstring> links;
    std::set<std::wstring> taken;
    for (const Element* link : parser.getElementsByTagName(L"a")) {
        const std::wstring href = link->getAttribute(L"href");
        const std::wstring url = site + href;
        if (href.find(L"&id=") == npos || !isExplanationUrl(url, site)) continue;
        if (!taken.insert(url).second) continue;
        links.push_back(href);
    }
    return links;
}

Element* readExplanationPage(const std::wstring& page, const std::wstring& url) {
    const std::wstring marker = L"<div id=\"elearning_explain\"";
    const size_t at = page.find(marker);
    if (at == npos) throw RetrieverException(url + L"\r\nNot found" + marker + L"\r\n");
    const size_t keyStart = page.find(L"<dd>", at);
    const size_t keyEnd = keyStart == npos ? npos : page.find(L"</dd>", keyStart + 4);
    if (keyEnd == npos) throw RetrieverException(url + L"\r\nNot found <dd>\r\n");
    const std::wstring keyword = page.substr(keyStart + 4, keyEnd - keyStart - 4);

    const std::wstring items = getInnerText(page, L"ol class=\"explain\"", L"</ol>", 0);
    if (items.empty()) throw RetrieverException(url + page + L"\r\nNot found </ol>" + L"\r\n");
    std::wstring english;
    std::wstring japanese;
    size_t cursor = 0;
    for (int n = 1;; ++n) {
        const size_t item = items.find(L"<li>", cursor);
        if (item == npos) break;
        const size_t firstEnd = items.find(L"<br />", item + 4);
        if (firstEnd == npos) break;
        const size_t secondEnd = items.find(L"<br />", firstEnd + 6);
        if (secondEnd == npos) break;
        english += std::to_wstring(n) + L". " + items.substr(item + 4, firstEnd - item - 4) + L"<br />";
        japanese += std::to_wstring(n) + L". " + items.substr(firstEnd + 6, secondEnd - firstEnd - 6) + L"<br />";
        cursor = secondEnd;
    }
    return buildSentenceGroup(english, japanese, keyword);
}
