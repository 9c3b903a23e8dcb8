// The phrase-site downloader: Analyze lists the phrase pages found from a start page;
// Download reads each phrase's English sentence, translation and explanation, records its
// voice stream with the outside recorder "Plugins\flvstreamer", turns the FLV into an MP3
// in "voices" of the program folder, and saves every row as a sentence list.
// The site, the stream host and the player host are the settings "GogakuruSite",
// "GogakuruStreamHost" and "GogakuruPlayerHost" of section "NHK".
#pragma once

#include <string>

#include "downloaders/table/AbstractDownloader.h"

class GogakuruDownloader : public AbstractDownloader {
public:
    GogakuruDownloader();
    ~GogakuruDownloader() override;

    void crawlPage(const std::wstring& html) override;
    // The group of one phrase page, with its voice when one was recorded; null on failure.
    Element* downloadPhrase(const std::wstring& url);

    // The site's scheme and host ("https://" and the host), without a trailing slash.
    static std::wstring site();
    static std::wstring streamAddress();
    static std::wstring playerAddress();
    // Where voices are kept: "voices\" of the program folder.
    std::wstring voiceFolder() const { return mProgramFolder + L"voices\\"; }
    // The folder that holds "Plugins" and "voices" (the program's own, unless set).
    void setProgramFolder(const std::wstring& folder) { mProgramFolder = folder; }

protected:
    void onContentsCreated() override;
    bool isCrawlableUrl(const std::wstring& url) override;
    Element* createSentenceGroup(int row) override;
    bool acceptUrl(std::wstring& url) override;
    std::wstring schemePrefix() const override { return L"https://"; }
    bool isRowDone(int row) override;
    void keepGroup(Element* group) override;
    void prepareSentenceListForSaving() override;

private:
    // Records the stream and converts it; the MP3 path, or empty when there is no voice.
    std::wstring recordVoice(const std::wstring& stream);
    void showOnDialog(const std::wstring& text);

    std::wstring mProgramFolder;
};
