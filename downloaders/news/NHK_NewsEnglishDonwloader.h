// The worker of the English e-news downloader: a day's index page gives the id3 element
// and the word list, the e-learning pages give a group per news sentence and, with the
// keywords option, a group per keyword explanation page. After the save, the MP3 file a
// recording program left for the day can take the list's proposed name.
#pragma once

#include <string>
#include <vector>

#include "downloaders/news/NewsDownloader.h"

class NHK_NewsEnglishDonwloader : public NewsDownloader {
public:
    explicit NHK_NewsEnglishDonwloader(DownloadListener* listener);
    ~NHK_NewsEnglishDonwloader() override;

    void setDownloadWithKeyWords(bool keyWords) { setKeyWords(keyWords); }
    bool isDownloadWithKeyWords() const { return isKeyWords(); }

    // "http://host" of the index pages (setting "EnglishNewsSite" of section "NHK") and of
    // the e-learning pages ("EnglishLearningSite"); by default the same host.
    static std::wstring newsSite();
    static std::wstring learningSite();
    static std::wstring indexUrl(const std::wstring& dateKey);
    // The e-learning page of a date key, of the type "news" or "keyword".
    static std::wstring explainUrl(const std::wstring& dateKey, const std::wstring& type);

    // The id3 element of the index page (new, the caller owns it); null when a stop was
    // requested or the page has no main column. The title becomes the worker's title.
    Element* retrieveId3(const std::wstring& page, const std::wstring& url, const std::wstring& dateKey);
    // The index page's word list (new), or null when a stop was requested or the page is empty.
    Element* retrieveWordList(const std::wstring& page);
    // Append the news groups or the keyword groups of the date to the list; each throws
    // when it finds none.
    void retrieveNewsSentences(Element& list, const std::wstring& dateKey);
    void retrieveKeywordSentences(Element& list, const std::wstring& dateKey);
    // The first sentence group of an e-learning page, or null; an address outside the
    // explanation pages throws.
    Element* retrieveFirstSentenceGroup(const std::wstring& url);
    // The group of a keyword explanation page; null only when a stop was requested.
    Element* retrieveExplanation(const std::wstring& url);

protected:
    std::wstring firstPageUrl(const std::wstring& dateKey) const override;
    void download(const std::wstring& url) override;
    std::wstring recordedFilePrefix() const override;

private:
    // The page of an explanation address; throws when the address is not one or the page
    // can't be fetched.
    std::wstring fetchExplanationPage(const std::wstring& url);
};
