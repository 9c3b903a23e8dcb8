// The readers of the English e-news index page and its e-learning pages on damaged and
// crafted pages: a page that is not as expected ends in a RetrieverException (logged as a
// failed download), never in a crash, an out-of-range read or an endless loop.
#include <memory>
#include <stdexcept>

#include "downloaders/news/ElearningPages.h"
#include "downloaders/news/EnglishNewsPages.h"
#include "downloaders/news/RetrieverException.h"
#include "foundation/xml/Element.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"

namespace {

const wchar_t kSite[] = L"http://127.0.0.1";

void readEnglishNewsPages(const uint8_t* data, size_t size) {
    const std::wstring page = decodeFuzzInput(data, size);
    try {
        readEnglishNewsIndex(page);
    } catch (const RetrieverException&) {
    }
    size_t pos = 0;
    try {
        for (;;) {
            const size_t old = pos;
            std::unique_ptr<Element> group(parseElearningSentenceGroup(page, pos));
            if (!group) break;
            if (pos <= old || pos > page.size()) throw std::runtime_error("a group does not move the reader forward");
        }
    } catch (const RetrieverException&) {
    }
    for (const std::wstring& link : collectExplanationLinks(page, kSite)) {
        if (!isExplanationUrl(kSite + link, kSite)) throw std::runtime_error("a link outside the explanation pages");
    }
    try {
        std::unique_ptr<Element> group(readExplanationPage(page, L"url"));
    } catch (const RetrieverException&) {
    }
}

const std::vector<std::string> kEnglishNewsTokens = {
    "<div class=\"left_col_in\">", "<!-- /.left_col_in -->", "<p>", "</p>", "<br />",
    "<div class=\"original-date\">", "</div>", "<span class=\"category\">", "</span> ", "</span>", "&nbsp;",
    "<div class=\"news-title-en\">", "<div class=\"news-tilte-jp\">", "<dl class=\"sentence\">", "<dd>", "</dd>",
    "<span>", "<Audio1><br />", "<audio1><br />", "</Audio1>", "udio1>", "<div id=\"elearning_explain\"",
    "ol class=\"explain\"", "<li>", "</ol>", "<a href=\"/e-news/elearning/explain.cgi?ymd=20100401&id=1\">", "&amp;"};

FuzzTargetRegistration englishNewsPages({"english-news-pages", readEnglishNewsPages, kEnglishNewsTokens, {}});

}  // namespace
