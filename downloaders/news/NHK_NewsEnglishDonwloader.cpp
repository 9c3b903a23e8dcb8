#include "downloaders/news/NHK_NewsEnglishDonwloader.h"

#include <cwchar>

#include "downloaders/news/ElearningPages.h"
#include "downloaders/news/EnglishNewsPages.h"
#include "downloaders/news/NewsWordList.h"
#include "downloaders/news/RetrieverException.h"
#include "foundation/xml/Element.h"
#include "player/mp3/ID3TagModel.h"

namespace {

const wchar_t kDefaultSite[] = L"http://cgi2.nhk.or.jp";

int numberAt(const std::wstring& dateKey, size_t start, size_t length) {
    if (dateKey.size() < start + length) return 0;
    return static_cast<int>(std::wcstol(dateKey.substr(start, length).c_str(), nullptr, 10));
}

[[noreturn]] void failNoPage(const std::wstring& url) {
    throw RetrieverException(url + L"\r\nCoundn't get the html file from this url.");
}

[[noreturn]] void failNoSentence(const std::wstring& url) {
    throw RetrieverException(url + L"\r\nNot found any sentence in the html.\r\nTry another day (Monday-Friday).");
}

}  // namespace

NHK_NewsEnglishDonwloader::NHK_NewsEnglishDonwloader(DownloadListener* listener) : NewsDownloader(listener) {}

NHK_NewsEnglishDonwloader::~NHK_NewsEnglishDonwloader() { stop(); }

std::wstring NHK_NewsEnglishDonwloader::newsSite() { return newsSiteSetting(L"EnglishNewsSite", kDefaultSite); }

std::wstring NHK_NewsEnglishDonwloader::learningSite() {
    return newsSiteSetting(L"EnglishLearningSite", kDefaultSite);
}

std::wstring NHK_NewsEnglishDonwloader::indexUrl(const std::wstring& dateKey) {
    return newsSite() + L"/e-news/news/index.cgi?ymd=" + dateKey;
}

std::wstring NHK_NewsEnglishDonwloader::explainUrl(const std::wstring& dateKey, const std::wstring& type) {
    return learningSite() + L"/e-news/elearning/explain.cgi?ymd=" + dateKey + L"&type=" + type;
}

std::wstring NHK_NewsEnglishDonwloader::firstPageUrl(const std::wstring& dateKey) const { return indexUrl(dateKey); }

std::wstring NHK_NewsEnglishDonwloader::recordedFilePrefix() const {
    // The recording program's name for the day's "English news (read again)" audio.
    return L"\u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u4F1A\u8A71\uFF08\u8AAD\u307F\u76F4\u3057\u97F3\u58F0\uFF09_";
}

void NHK_NewsEnglishDonwloader::download(const std::wstring& url) {
    startNewList();
    notifyProgress(L"Downloading...");
    const std::wstring page = fetchPage(url);
    Element* list = getSentenceList();
    if (Element* id3 = retrieveId3(page, url, getDateKey())) {
        list->appendChild(id3);
        notifyProgress(L"Retrieved the ID3 tag.");
    }
    if (Element* words = retrieveWordList(page)) {
        list->appendChild(words);
        notifyProgress(L"Retrieved the WordList.");
    }
    retrieveNewsSentences(*list, getDateKey());
    if (isKeyWords()) retrieveKeywordSentences(*list, getDateKey());
}

Element* NHK_NewsEnglishDonwloader::retrieveId3(const std::wstring& page, const std::wstring& url,
                                                const std::wstring& dateKey) {
    if (isStopped()) return nullptr;
    pause();
    const EnglishNewsIndex index = readEnglishNewsIndex(page);
    if (!index.found) return nullptr;
    setTitle(index.title);

    ID3TagModel id3;
    id3.setTitle(index.title);
    id3.setDescription(index.title + L"\r\n" + index.dateLine + L"\r\n" + index.description);
    id3.setOfficialSite(newsSite() + L"/e-news/index.cgi");
    id3.setSourceUrl(url);
    id3.setCategory(index.category);
    id3.setYear(numberAt(dateKey, 0, 4));
    id3.setMonth(numberAt(dateKey, 4, 2));
    id3.setDay(numberAt(dateKey, 6, 2));
    return id3.toElement();
}

Element* NHK_NewsEnglishDonwloader::retrieveWordList(const std::wstring& page) {
    if (isStopped()) return nullptr;
    return readWordList(page);
}

void NHK_NewsEnglishDonwloader::retrieveNewsSentences(Element& list, const std::wstring& dateKey) {
    if (isStopped()) return;
    pause();
    const std::wstring url = explainUrl(dateKey, L"news");
    notifyProgress(L"Start retrieving sentence groups.\r\nURL: " + url);
    const std::wstring page = fetchPage(url);
    if (page.empty()) failNoPage(url);
    const int count = appendParsedGroups(list, page, parseElearningSentenceGroup);
    if (count > 0) return;
    Element* first = retrieveFirstSentenceGroup(url);
    if (first == nullptr) {
        if (isStopped()) return;
        failNoSentence(url);
    }
    notifyProgress(L"Retrieved one sentence group.");
    list.appendChild(first);
}

void NHK_NewsEnglishDonwloader::retrieveKeywordSentences(Element& list, const std::wstring& dateKey) {
    if (isStopped()) return;
    pause();
    const std::wstring url = explainUrl(dateKey, L"keyword");
    notifyProgress(L"Start retrieving keyword groups.\r\nURL: " + url);
    const std::wstring page = fetchPage(url);
    if (page.empty()) failNoPage(url);
    int count = 0;
    for (const std::wstring& link : collectExplanationLinks(page, learningSite())) {
        Element* group = retrieveExplanation(learningSite() + link);
        if (group == nullptr) break;
        notifyProgress(L"Retrieved a sentence group.");
        list.appendChild(group);
        ::Sleep(1);
        ++count;
    }
    if (count > 0 || isStopped()) return;
    Element* group = retrieveExplanation(url);
    if (group == nullptr) {
        if (isStopped()) return;
        failNoSentence(url);
    }
    notifyProgress(L"Retrieved keywords.");
    list.appendChild(group);
}

std::wstring NHK_NewsEnglishDonwloader::fetchExplanationPage(const std::wstring& url) {
    if (!isExplanationUrl(url, learningSite())) throw RetrieverException(url + L"\r\nthis url is invalid\r\n");
    pause();
    const std::wstring page = fetchPage(url);
    if (page.empty()) throw RetrieverException(url + L"\r\nthis url is invalid\r\n");
    return page;
}

Element* NHK_NewsEnglishDonwloader::retrieveFirstSentenceGroup(const std::wstring& url) {
    if (isStopped()) return nullptr;
    const std::wstring page = fetchExplanationPage(url);
    size_t pos = 0;
    return parseElearningSentenceGroup(page, pos);
}

Element* NHK_NewsEnglishDonwloader::retrieveExplanation(const std::wstring& url) {
    if (isStopped()) return nullptr;
    return readExplanationPage(fetchExplanationPage(url), url);
}
