#include "downloaders/table/PhrasePage.h"

#include <cwchar>

#include "foundation/html/HTMLParser.h"
#include "foundation/xml/Element.h"

namespace {

const wchar_t kPhrasePath[] = L"/english/phrase/";
const wchar_t kMainBlock[] = L"<div class=\"phrase_main_padding\">";

PhraseText cut(const std::wstring& page, const std::wstring& start, const std::wstring& end, size_t from) {
    PhraseText piece;
    piece.endTag = end;
    piece.result = findInnerText(page, start, end, from, piece.text);
    return piece;
}

}  // namespace

std::vector<std::wstring> readPhraseLinks(const std::wstring& html) {
    HTMLParser parser;
    parser.parse(html);
    std::vector<std::wstring> links;
    for (Element* anchor : parser.getElementsByTagName(L"a")) {
        const std::wstring href = anchor->getAttribute(L"href");
        if (href.compare(0, std::wcslen(kPhrasePath), kPhrasePath) == 0 && href.find(L".htm") == std::wstring::npos) {
            links.push_back(href);
        }
    }
    return links;
}

PhrasePage readPhrasePage(const std::wstring& page) {
    PhrasePage phrase;
    const size_t main = page.find(kMainBlock);
    if (main == std::wstring::npos) return phrase;
    phrase.hasMain = true;
    phrase.stream = cut(page, L"r('", L"'", main);
    // The sentence is the text of the English paragraph's first span.
    const PhraseText english = cut(page, L"<p class=\"en\">", L"</p>", main);
    phrase.sentence = english;
    if (english.result == InnerTextResult::Found) phrase.sentence = cut(english.text, L">", L"</span>", 0);
    phrase.translation = cut(page, L"<p class=\"jp\">", L"</p>", main);
    phrase.explanation = cut(page, L"<div class=\"phrase_kaisetsu\">", L"</div>", main);
    return phrase;
}

std::wstring streamName(const std::wstring& stream) {
    const size_t slash = stream.rfind(L'/');
    return slash == std::wstring::npos ? std::wstring() : stream.substr(slash + 1);
}
