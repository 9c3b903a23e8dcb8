#include "downloaders/news/NHK_NewsSnsEnglishDonwloader.h"

#include <cwchar>

#include "downloaders/news/NewsWordList.h"
#include "downloaders/news/SnsEnglishPages.h"
#include "foundation/system/ParserException.h"
#include "foundation/xml/Element.h"
#include "player/mp3/ID3TagModel.h"

namespace {

int numberAt(const std::wstring& dateKey, size_t start, size_t length) {
    if (dateKey.size() < start + length) return 0;
    return static_cast<int>(std::wcstol(dateKey.substr(start, length).c_str(), nullptr, 10));
}

// yymmdd of the date key yyyyMMdd.
std::wstring shortDate(const std::wstring& dateKey) { return dateKey.size() > 2 ? dateKey.substr(2) : dateKey; }

std::wstring learningSite() { return newsSiteSetting(L"SnsEnglishLearningSite", L"https://www.nhk.or.jp"); }

[[noreturn]] void failNoPage(const std::wstring& url) {
    throw ParserException(url + L"\r\nCoundn't get the html file from this url.", 0, 0);
}

[[noreturn]] void failNoSentence(const std::wstring& url) {
    throw ParserException(url + L"\r\nNot found any sentence in the html.\r\nTry another day (Monday-Friday).", 0,
                          0);
}

}  // namespace

NHK_NewsSnsEnglishDonwloader::NHK_NewsSnsEnglishDonwloader(DownloadListener* listener)
    : NewsDownloader(listener) {}

NHK_NewsSnsEnglishDonwloader::~NHK_NewsSnsEnglishDonwloader() { stop(); }

std::wstring NHK_NewsSnsEnglishDonwloader::summaryUrl(const std::wstring& dateKey) {
    return newsSiteSetting(L"SnsEnglishSite", L"http://www.nhk.or.jp") + L"/snsenglish/news/n" + shortDate(dateKey) +
           L".html";
}

std::wstring NHK_NewsSnsEnglishDonwloader::sentenceUrl(const std::wstring& dateKey) {
    return learningSite() + L"/snsenglish/news/elearning/s" + shortDate(dateKey) + L".html";
}

std::wstring NHK_NewsSnsEnglishDonwloader::keywordUrl(const std::wstring& dateKey) {
    return learningSite() + L"/snsenglish/news/elearning/k" + shortDate(dateKey) + L".html";
}

std::wstring NHK_NewsSnsEnglishDonwloader::officialSite() { return L"https://cgi2.nhk.or.jp/e-news/index.cgi"; }

std::wstring NHK_NewsSnsEnglishDonwloader::firstPageUrl(const std::wstring& dateKey) const {
    return summaryUrl(dateKey);
}

void NHK_NewsSnsEnglishDonwloader::download(const std::wstring& url) {
    startNewList();
    notifyProgress(L"Downloading...");
    const std::wstring page = fetchPage(url);
    Element* list = getSentenceList();
    if (Element* id3 = getId3Element(page, url, getDateKey())) {
        list->appendChild(id3);
        notifyProgress(L"Retrieved the ID3 tag.");
    }
    if (!isStopped()) {
        if (Element* words = readWordList(page)) {
            list->appendChild(words);
            notifyProgress(L"Retrieved the WordList.");
        }
    }
    retrieveSentenceGroups(*list, getDateKey());
    if (isKeyWords()) retrieveKeywordGroups(*list, getDateKey());
}

Element* NHK_NewsSnsEnglishDonwloader::getId3Element(const std::wstring& page, const std::wstring& url,
                                                     const std::wstring& dateKey) {
    if (isStopped()) return nullptr;
    pause();
    const SnsSummary summary = readSnsSummary(page);
    setTitle(summary.title);

    ID3TagModel id3;
    id3.setTitle(summary.title);
    id3.setDescription(summary.title + L"\r\n" + summary.dateLine + L"\r\n" + summary.description);
    id3.setOfficialSite(officialSite());
    id3.setSourceUrl(url);
    id3.setYear(numberAt(dateKey, 0, 4));
    id3.setMonth(numberAt(dateKey, 4, 2));
    id3.setDay(numberAt(dateKey, 6, 2));
    return id3.toElement();
}

void NHK_NewsSnsEnglishDonwloader::retrieveSentenceGroups(Element& list, const std::wstring& dateKey) {
    if (isStopped()) return;
    pause();
    const std::wstring url = sentenceUrl(dateKey);
    notifyProgress(L"Start retrieving sentence groups.\r\nURL: " + url);
    const std::wstring page = fetchPage(url);
    if (page.empty()) failNoPage(url);
    const int count = appendParsedGroups(list, page, parseSnsSentenceGroup);
    if (count == 0) failNoSentence(url);
}

void NHK_NewsSnsEnglishDonwloader::retrieveKeywordGroups(Element& list, const std::wstring& dateKey) {
    if (isStopped()) return;
    pause();
    const std::wstring url = keywordUrl(dateKey);
    notifyProgress(L"Start retrieving keyword groups.\r\nURL: " + url);
    const std::wstring fetched = fetchPage(url);
    if (fetched.empty()) failNoPage(url);
    const std::wstring page = cleanKeywordPage(fetched);
    size_t pos = 0;
    int count = 0;
    for (;;) {
        const size_t old = pos;
        Element* group = parseSnsKeywordGroup(page, pos);
        if (group == nullptr) break;
        if (pos == old) {
            delete group;
            break;
        }
        ++count;
        notifyProgress(L"Retrieved a sentence group.");
        list.appendChild(group);
        ::Sleep(1);
    }
    if (count == 0) failNoSentence(url);
}
