#include "downloaders/table/WebsiteDownloader.h"

#include "downloaders/table/CardDownloader.h"
#include "downloaders/table/PhotoIndexPage.h"
#include "downloaders/table/SafeText.h"
#include "downloaders/table/SentenceGroupElements.h"
#include "foundation/http/InternetDownload.h"
#include "foundation/system/PathUtils.h"
#include "player/settings/Settings.h"
#include "words/WebTranslation.h"

namespace {

const wchar_t kDefaultSite[] = L"http://www.public-domain-photos.com";
const wchar_t kItemMarker[] = L"/pics";

bool startsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

const wchar_t* const WebsiteDownloader::kPictureFolder = L"public_domain";

WebsiteDownloader::WebsiteDownloader() : mTranslate(translateText) {}

WebsiteDownloader::~WebsiteDownloader() {
    // The worker calls this object's operations: it ends before they go.
    stopWorker();
}

std::wstring WebsiteDownloader::site() {
    const std::wstring value = readIniString(L"WebsiteDownloader", L"Site", kDefaultSite);
    return value.empty() ? std::wstring(kDefaultSite) : value;
}

void WebsiteDownloader::onContentsCreated() {
    getUrlField().setText(site() + L"/???");
    setTitle(L"Website Downloader");
    ::CreateDirectoryW(kPictureFolder, nullptr);
}

bool WebsiteDownloader::isCrawlableUrl(const std::wstring& url) { return startsWith(url, site() + L"/"); }

bool WebsiteDownloader::acceptUrl(std::wstring& url) {
    if (startsWith(url, kItemMarker)) url = site() + url;
    return !url.empty() && url.find(kItemMarker) != std::wstring::npos;
}

void WebsiteDownloader::crawlPage(const std::wstring& html) {
    const PhotoIndex index = readPhotoIndex(html);
    for (const PhotoEntry& entry : index.entries) analyzeUrl(entry.url, entry.title);
    CardDownloader::showMissingMarker(index.failure, html, index.missingEndTag);
}

Element* WebsiteDownloader::createSentenceGroup(int row) {
    const std::wstring url = cellText(row, kUrlColumn);
    // The name comes from the page: it must stay a name inside the picture folder.
    const std::wstring path = std::wstring(kPictureFolder) + L"/" + safeFileName(getFileName(url));
    if (!DownloadFile(path, url, "GET", "")) return nullptr;
    const std::wstring sentence = cellText(row, kSentenceColumn);
    Element* group = makeSentenceGroup(sentence, mTranslate(sentence), L"");
    setImage(group, path);
    return group;
}
