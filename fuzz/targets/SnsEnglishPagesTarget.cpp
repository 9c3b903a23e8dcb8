// The readers of the SNS English news pages on damaged and crafted pages: a page that is
// not as expected ends in a ParserException (logged as a failed download), never in a
// crash, an out-of-range read or an endless loop.
#include <memory>
#include <stdexcept>

#include "downloaders/news/NewsWordList.h"
#include "downloaders/news/SnsEnglishPages.h"
#include "foundation/system/ParserException.h"
#include "foundation/xml/Element.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"

namespace {

// Reads every group the parser gives; each must move the position forward.
void readGroups(const std::wstring& page, Element* (*parse)(const std::wstring&, size_t&)) {
    size_t pos = 0;
    try {
        for (;;) {
            const size_t old = pos;
            std::unique_ptr<Element> group(parse(page, pos));
            if (!group) return;
            if (pos <= old || pos > page.size()) throw std::runtime_error("a group does not move the reader forward");
        }
    } catch (const ParserException&) {
    }
}

void readSnsEnglishPages(const uint8_t* data, size_t size) {
    const std::wstring page = decodeFuzzInput(data, size);
    try {
        readSnsSummary(page);
    } catch (const ParserException&) {
    }
    std::unique_ptr<Element> words(readWordList(page));
    if (!page.empty() && !words) throw std::runtime_error("a page gives no word list");
    readGroups(page, parseSnsSentenceGroup);
    readGroups(cleanKeywordPage(page), parseSnsKeywordGroup);
}

const std::vector<std::string> kSnsTokens = {
    "<div id=\"summary\"", "<!-- /#summary -->", "<p>", "</p>", "<br />", "<div class=\"sdate\">", "</div>",
    "class=\"title-en\">", "class=\"title-jp\">", "</", "data-word=\"", "data-jp=\"", "data-type=\"", "\"",
    "<div class=\"sentence\">", "<script>getAudio", "<div class=\"sentence-jp\">", "<p class=\"explain\">",
    "<div class=\"sentence-block\">", "</div><!-- /.sentence -->", "</div><!-- /.sentence-block -->",
    "<div class=\"badge-secondary\">", "\t", "    ", "&amp;", "]]>"};

FuzzTargetRegistration snsEnglishPages({"sns-english-pages", readSnsEnglishPages, kSnsTokens, {}});

}  // namespace
