// The photo downloader: collects the photos of a public-domain photo site, saves each
// picture into "public_domain" of the current folder and builds a sentence list whose
// sentences are the photo titles, each with its machine translation and its picture.
// The site's address is the setting "Site" of section "WebsiteDownloader".
#pragma once

#include <functional>
#include <string>

#include "downloaders/table/AbstractDownloader.h"

class WebsiteDownloader : public AbstractDownloader {
public:
    // English text in, Japanese text out (empty when there is none); the web translation
    // look-up unless replaced.
    using Translator = std::function<std::wstring(const std::wstring&)>;

    WebsiteDownloader();
    ~WebsiteDownloader() override;

    void crawlPage(const std::wstring& html) override;
    void setTranslator(Translator translator) { mTranslate = std::move(translator); }

    // The site's scheme and host, without a trailing slash.
    static std::wstring site();
    static const wchar_t* const kPictureFolder;

protected:
    void onContentsCreated() override;
    bool isCrawlableUrl(const std::wstring& url) override;
    Element* createSentenceGroup(int row) override;
    bool acceptUrl(std::wstring& url) override;

private:
    Translator mTranslate;
};
