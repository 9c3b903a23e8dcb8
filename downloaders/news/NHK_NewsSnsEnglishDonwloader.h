// The worker of the SNS English news downloader: a day's lesson becomes a sentence list
// with an id3 element from the summary page, the lesson's word list, a group per lesson
// sentence and, with the keywords option, a group per keyword block.
#pragma once

#include <string>

#include "downloaders/news/NewsDownloader.h"

class NHK_NewsSnsEnglishDonwloader : public NewsDownloader {
public:
    explicit NHK_NewsSnsEnglishDonwloader(DownloadListener* listener);
    ~NHK_NewsSnsEnglishDonwloader() override;

    // The option "Download Keyword Sentences".
    void setDownloadWithKeyWords(bool keyWords) { setKeyWords(keyWords); }

    // The pages of a date key yyyyMMdd. The summary page lies on the site of the setting
    // "SnsEnglishSite" of section "NHK", the e-learning pages on "SnsEnglishLearningSite".
    static std::wstring summaryUrl(const std::wstring& dateKey);
    static std::wstring sentenceUrl(const std::wstring& dateKey);
    static std::wstring keywordUrl(const std::wstring& dateKey);
    // The broadcaster's e-news index page, the lessons' official site.
    static std::wstring officialSite();

    // The id3 element of the summary page (new, the caller owns it), or null when a stop
    // was requested; the title becomes the worker's title.
    Element* getId3Element(const std::wstring& page, const std::wstring& url, const std::wstring& dateKey);
    // Append the groups of the sentence page or of the keyword page to the list, unless a
    // stop was requested; each throws when its page holds none.
    void retrieveSentenceGroups(Element& list, const std::wstring& dateKey);
    void retrieveKeywordGroups(Element& list, const std::wstring& dateKey);

protected:
    std::wstring firstPageUrl(const std::wstring& dateKey) const override;
    void download(const std::wstring& url) override;
};
