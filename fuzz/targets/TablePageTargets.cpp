// The readers of the table downloaders' pages on damaged and crafted pages: they never
// crash nor loop, and what they hand on holds only text found between its markers.
#include <stdexcept>

#include "downloaders/table/LecturePages.h"
#include "downloaders/table/PhotoIndexPage.h"
#include "downloaders/table/PhrasePage.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"

namespace {

void readPhotoIndexPage(const uint8_t* data, size_t size) {
    const std::wstring page = decodeFuzzInput(data, size);
    const PhotoIndex index = readPhotoIndex(page);
    for (const PhotoEntry& entry : index.entries) {
        if (entry.url.empty() || entry.title.empty() || entry.url.find(L'"') != std::wstring::npos ||
            entry.title.find(L"</span>") != std::wstring::npos) {
            throw std::runtime_error("a photo entry holds more than its markers enclose");
        }
    }
}

const std::vector<std::string> kPhotoTokens = {
    "<a itemprop=image rel=", "href=\"", "\"", "<span itemprop=name>", "</span>", "/pics", "/pics/a.jpg"};

FuzzTargetRegistration photoIndex({"photo-index", readPhotoIndexPage, kPhotoTokens, {}});

void readPhrasePages(const uint8_t* data, size_t size) {
    const std::wstring page = decodeFuzzInput(data, size);
    for (const std::wstring& link : readPhraseLinks(page)) {
        if (link.compare(0, 16, L"/english/phrase/") != 0 || link.find(L".htm") != std::wstring::npos) {
            throw std::runtime_error("a phrase link that is no phrase page");
        }
    }
    const PhrasePage phrase = readPhrasePage(page);
    if (!phrase.hasMain && !phrase.stream.text.empty()) throw std::runtime_error("a stream outside the phrase block");
    if (phrase.stream.text.find(L'\'') != std::wstring::npos) throw std::runtime_error("a stream past its quote");
    const std::wstring name = streamName(phrase.stream.text);
    if (name.find(L'/') != std::wstring::npos) throw std::runtime_error("a stream name with a folder");
}

const std::vector<std::string> kPhraseTokens = {"<div class=\"phrase_main_padding\">",
                                                "r('",
                                                "'",
                                                "<p class=\"en\">",
                                                "</p>",
                                                "<span>",
                                                "</span>",
                                                ">",
                                                "<p class=\"jp\">",
                                                "<div class=\"phrase_kaisetsu\">",
                                                "</div>",
                                                "<a href=\"",
                                                "/english/phrase/1",
                                                ".htm",
                                                "\">",
                                                "</a>"};

FuzzTargetRegistration phrasePage({"phrase-page", readPhrasePages, kPhraseTokens, {}});

void readLecturePages(const uint8_t* data, size_t size) {
    const std::wstring page = decodeFuzzInput(data, size);
    const std::wstring title = readLectureTitle(page);
    if (title.find(L"| ") != std::wstring::npos) throw std::runtime_error("a title still holding the series");
    readLectureParts(page);
}

const std::vector<std::string> kLectureTokens = {"<title>",  "</title>", " | ",      "<group ",
                                                 "rtmp=\"",  "movie=\"", "\"",       "/>",
                                                 "</group>", "<parts>",  "</parts>", "<?xml version=\"1.0\"?>"};

FuzzTargetRegistration lecturePage({"lecture-page", readLecturePages, kLectureTokens, {}});

}  // namespace
