#include "downloaders/news/NHK_NewsDeEigoJutsuDonwloader.h"

#include <cwchar>

#include "downloaders/news/DeEigoJutsuPages.h"
#include "foundation/xml/Element.h"
#include "player/mp3/ID3TagModel.h"

namespace {

int numberAt(const std::wstring& dateKey, size_t start, size_t length) {
    if (dateKey.size() < start + length) return 0;
    return static_cast<int>(std::wcstol(dateKey.substr(start, length).c_str(), nullptr, 10));
}

}  // namespace

NHK_NewsDeEigoJutsuDonwloader::NHK_NewsDeEigoJutsuDonwloader(DownloadListener* listener)
    : NewsDownloader(listener) {}

NHK_NewsDeEigoJutsuDonwloader::~NHK_NewsDeEigoJutsuDonwloader() { stop(); }

std::wstring NHK_NewsDeEigoJutsuDonwloader::newsBase() {
    return newsSiteSetting(L"NewsDeEigoJutsuSite", L"https://www2.nhk.or.jp") + L"/gogaku/news/";
}

std::wstring NHK_NewsDeEigoJutsuDonwloader::articleUrl(const std::wstring& dateKey) {
    if (dateKey.size() < 8) return newsBase() + dateKey + L".html";
    return newsBase() + dateKey.substr(2, 4) + L"/" + dateKey.substr(6, 2) + L".html";
}

std::wstring NHK_NewsDeEigoJutsuDonwloader::newsListUrl() { return newsBase() + L"json/news.json"; }

std::wstring NHK_NewsDeEigoJutsuDonwloader::firstPageUrl(const std::wstring& dateKey) const {
    return articleUrl(dateKey);
}

void NHK_NewsDeEigoJutsuDonwloader::download(const std::wstring& url) {
    startNewList();
    notifyProgress(url + L"\r\nDownloading...");
    const std::wstring page = fetchPage(url);
    if (Element* id3 = getId3Element(page, url, getDateKey())) {
        getSentenceList()->appendChild(id3);
        notifyProgress(L"Retrieved the ID3 tag.");
    }
    retrieveSentenceGroups(page, *getSentenceList());
}

Element* NHK_NewsDeEigoJutsuDonwloader::getId3Element(const std::wstring& page, const std::wstring& url,
                                                      const std::wstring& dateKey) {
    if (isStopped()) return nullptr;
    pause();
    const std::wstring description = readArticleDescription(page);
    notifyProgress(L"retrieved description");
    const std::wstring listUrl = newsListUrl();
    const NewsListEntry entry = readNewsListEntry(fetchPage(listUrl), page, dateKey, listUrl);
    notifyProgress(L"retrieved title");
    const std::wstring title = cleanTitle(entry.title);
    setTitle(title);
    notifyProgress(title);

    ID3TagModel id3;
    id3.setTitle(title);
    id3.setDescription(title + L"\r\n" + entry.time + L"\r\n" + description);
    id3.setOfficialSite(newsBase());
    id3.setSourceUrl(url);
    id3.setCategory(id3Category(entry.category));
    id3.setYear(numberAt(dateKey, 0, 4));
    id3.setMonth(numberAt(dateKey, 4, 2));
    id3.setDay(numberAt(dateKey, 6, 2));
    return id3.toElement();
}

void NHK_NewsDeEigoJutsuDonwloader::retrieveSentenceGroups(const std::wstring& page, Element& list) {
    if (isStopped()) return;
    pause();
    notifyProgress(L"Start retrieving sentence groups.");
    appendSentenceGroups(page, list, [this] { notifyProgress(L"Retrieved a sentence group."); });
}
