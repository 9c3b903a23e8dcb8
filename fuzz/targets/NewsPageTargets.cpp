// The readers of downloaded news pages on damaged and crafted pages: a page that is not
// as expected ends in a ParserException (logged as a failed download), never in a crash
// or an endless loop; what they build is a sentence list the player reads.
#include <stdexcept>

#include "downloaders/news/DeEigoJutsuPages.h"
#include "downloaders/news/NewsScraping.h"
#include "foundation/system/ParserException.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "player/lyrics/SentenceListFile.h"

namespace {

void readDeEigoJutsuPage(const uint8_t* data, size_t size) {
    const std::wstring page = decodeFuzzInput(data, size);
    try {
        readArticleDescription(page);
    } catch (const ParserException&) {
    }
    try {
        // The same text as the news list: its entries hold the markers too.
        const NewsListEntry entry = readNewsListEntry(page, page, L"20200330", L"list");
        cleanTitle(entry.title);
        id3Category(entry.category);
    } catch (const ParserException&) {
    }
    Element list(L"SentenceList");
    int count = 0;
    try {
        count = appendSentenceGroups(page, list, [] {});
    } catch (const ParserException&) {
        return;
    }
    if (count <= 0 || static_cast<int>(list.getChildren().size()) != count) {
        throw std::runtime_error("the groups counted are not the groups appended");
    }
    XMLParser parser;
    SentenceListContent content;
    if (!parser.parseString(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n" + list.toXMLString()) ||
        !readSentenceList(*parser.getRootElement(), content) || static_cast<int>(content.groups.size()) != count) {
        throw std::runtime_error("a downloaded sentence list does not read back");
    }
}

const std::vector<std::string> kNewsPageTokens = {
    "<div id=\"detail-ja\"", "<!-- #detail-ja -->", "<div class=\"p\">", "</div>", "<br />", "<br>",
    "<div class=\"focus\"><span>", "</span>", "<dd>", "</dd>", "<!--", "-->", "<style>", "</style>",
    "<title>", " | ", "2003/30", "}", "\"time\": \"", "\"category\": \"", "\"title\": \"", "\"", ": ",
    "&amp;", "&#12354;", "]]>", "<b>", "</b>"};

FuzzTargetRegistration newsPages({"news-pages", readDeEigoJutsuPage, kNewsPageTokens, {}});

}  // namespace
