// The worker of the "News de Eigo-jutsu" downloader: one weekday article of the series
// becomes a sentence list with an id3 element (title, description, date, category,
// addresses) and a group per study sentence.
#pragma once

#include <string>

#include "downloaders/news/NewsDownloader.h"

class NHK_NewsDeEigoJutsuDonwloader : public NewsDownloader {
public:
    explicit NHK_NewsDeEigoJutsuDonwloader(DownloadListener* listener);
    ~NHK_NewsDeEigoJutsuDonwloader() override;

    // The series' address: the site (setting "NewsDeEigoJutsuSite" of section "NHK") +
    // "/gogaku/news/".
    static std::wstring newsBase();
    // The article of a date key yyyyMMdd: news base + yymm + "/" + dd + ".html".
    static std::wstring articleUrl(const std::wstring& dateKey);
    // The series' news list: news base + "json/news.json".
    static std::wstring newsListUrl();

    // The id3 element of the article (new, the caller owns it), or null when a stop was
    // requested. Fetches the news list for the title, time and category.
    Element* getId3Element(const std::wstring& page, const std::wstring& url, const std::wstring& dateKey);
    // Appends the article's sentence groups to the list, unless a stop was requested.
    void retrieveSentenceGroups(const std::wstring& page, Element& list);

protected:
    std::wstring firstPageUrl(const std::wstring& dateKey) const override;
    void download(const std::wstring& url) override;
};
