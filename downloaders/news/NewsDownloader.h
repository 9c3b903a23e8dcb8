// The worker thread of a news downloader dialog: fetches one day's pages, builds its
// sentence list and reports through a DownloadListener. A site's downloader derives from
// it and gives the first page's address and the run body (download); the frame gives the
// run wrapper, the fetch, the pause between steps and the save step.
//
// Life cycle: setDate (and the option flags), then start(); the listener hears lines from
// showProgress and finally downloadFinished or downloadFailed, or nothing when a stop was
// requested. The results (getSentenceList, getTitle) are read on the user-interface
// thread only after downloadFinished, when the worker no longer touches them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "foundation/system/Thread.h"

class DownloadListener;
class Element;

class NewsDownloader : public Thread {
public:
    // Asks for the path to save to, given the owner window and the proposed file name;
    // empty when the user cancels.
    using PathChooser = std::function<std::wstring(HWND owner, const std::wstring& proposedName)>;
    // Fetches a page and answers its text (empty when it can't be fetched).
    using PageFetcher = std::function<std::wstring(const std::wstring& url)>;

    // The listener is not owned and must outlive the worker.
    explicit NewsDownloader(DownloadListener* listener);
    // Stops the thread before anything it uses is released.
    ~NewsDownloader() override;

    // The run wrapper: download(firstPageUrl(date key)), then the report to the listener.
    unsigned int run() override;

    // The broadcast date as eight digits, yyyyMMdd.
    void setDate(const std::wstring& dateKey) { mDateKey = dateKey; }
    const std::wstring& getDateKey() const { return mDateKey; }
    // The programme title the run found; part of the proposed file name.
    const std::wstring& getTitle() const { return mTitle; }
    // The list built by the last run (owned by the worker).
    Element* getSentenceList() const { return mSentenceList; }

    bool isKeyWords() const { return mKeyWords; }
    void setKeyWords(bool keyWords) { mKeyWords = keyWords; }
    bool isRenameMP3() const { return mRenameMP3; }
    void setRenameMP3(bool rename) { mRenameMP3 = rename; }

    // The save step, on the user-interface thread after downloadFinished: proposes
    // yyyy_mm_dd_ + title + ".xml", writes the list as UTF-16 XML to the chosen path and,
    // with the rename flag, renames the recorded MP3 file beside it. Every outcome is
    // logged; true when the list was written.
    bool saveSentenceList(HWND owner);
    // The proposed file name without extension: yyyy_mm_dd_ + title, made safe as a name.
    std::wstring getBaseName() const;

    // Replaces the save dialog (tests answer without a window).
    void setPathChooser(PathChooser chooser) { mChoosePath = std::move(chooser); }
    // Replaces the HTTP fetch (for tests); called on the worker thread.
    void setPageFetcher(PageFetcher fetcher) { mFetchPage = std::move(fetcher); }
    // The wait before each scraping step; 1000 ms keeps the site's load at about one
    // request a second. Tests shorten it.
    void setPauseMilliseconds(DWORD milliseconds) { mPauseMs = milliseconds; }

protected:
    // The address of the day's first page.
    virtual std::wstring firstPageUrl(const std::wstring& dateKey) const = 0;
    // The run body: fetches and scrapes from the first page, filling the sentence list.
    // Throws ParserException or RetrieverException with the message to log when a page
    // is not as expected.
    virtual void download(const std::wstring& url) = 0;
    // The file-name prefix of the MP3 file a recording program leaves for the day
    // (followed by yyyy_mm_dd and ".mp3"); only downloaders that rename need it.
    virtual std::wstring recordedFilePrefix() const { return std::wstring(); }

    // Starts a run's results afresh: a new empty "SentenceList", no title.
    void startNewList();
    void notifyProgress(const std::wstring& text);
    void pause();
    std::wstring fetchPage(const std::wstring& url);
    // Appends to `list` every sentence group that `parseGroup` reads from the page in turn,
    // logging each; stops at the first that is missing or reads nothing. Returns how many.
    int appendParsedGroups(Element& list, const std::wstring& page,
                           Element* (*parseGroup)(const std::wstring& page, size_t& pos));
    void setTitle(const std::wstring& title) { mTitle = title; }

private:
    void renameRecordedFile(const std::wstring& savedPath, const std::wstring& baseName);

    DownloadListener* mListener;
    bool mKeyWords = false;
    bool mRenameMP3 = false;
    Element* mSentenceList;
    std::wstring mDateKey;
    std::wstring mTitle;
    PathChooser mChoosePath;
    PageFetcher mFetchPage;
    DWORD mPauseMs = 1000;
};

// Section "NHK" of the settings, `key`: the scheme and host ("https://host") of a
// broadcaster's site; `defaultSite` when the key is missing or empty. A setting so that
// the downloaders can be pointed at another server.
std::wstring newsSiteSetting(const std::wstring& key, const std::wstring& defaultSite);
