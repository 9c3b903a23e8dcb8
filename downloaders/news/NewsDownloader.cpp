#include "downloaders/news/NewsDownloader.h"

#include <exception>

#include "foundation/http/InternetDownload.h"
#include "downloaders/news/DownloadListener.h"
#include "downloaders/news/RetrieverException.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/ParserException.h"
#include "foundation/xml/Element.h"
#include "player/settings/Settings.h"

namespace {

const wchar_t kExceptionLine[] = L"--- exception! ---";

}  // namespace

NewsDownloader::NewsDownloader(DownloadListener* listener)
    : mListener(listener), mSentenceList(new Element(L"SentenceList")) {}

NewsDownloader::~NewsDownloader() {
    // The running thread still uses the list and the texts.
    stop();
    delete mSentenceList;
}

unsigned int NewsDownloader::run() {
    // Nothing may escape the thread: an exception there ends the process.
    try {
        download(firstPageUrl(mDateKey));
        if (isStopped()) {
            notifyProgress(L"stop!");
            return 0;
        }
        if (mListener) mListener->downloadFinished();
        return 0;
    } catch (const ParserException& e) {
        notifyProgress(kExceptionLine);
        notifyProgress(e.getMessage());
    } catch (const RetrieverException& e) {
        notifyProgress(kExceptionLine);
        notifyProgress(e.getMessage());
    } catch (const std::exception& e) {
        notifyProgress(kExceptionLine);
        notifyProgress(toWString(e.what()));
    } catch (...) {
        notifyProgress(kExceptionLine);
    }
    if (mListener) mListener->downloadFailed();
    return 1;
}

void NewsDownloader::startNewList() {
    delete mSentenceList;
    mSentenceList = nullptr;
    mSentenceList = new Element(L"SentenceList");
    mTitle.clear();
}

int NewsDownloader::appendParsedGroups(Element& list, const std::wstring& page,
                                       Element* (*parseGroup)(const std::wstring& page, size_t& pos)) {
    size_t pos = 0;
    int count = 0;
    for (;;) {
        const size_t old = pos;
        Element* group = parseGroup(page, pos);
        if (group == nullptr) break;
        if (pos == old) {  // a reader that moves on by nothing would loop for ever
            delete group;
            break;
        }
        notifyProgress(L"Retrieved a sentence group.");
        list.appendChild(group);
        ++count;
    }
    return count;
}

void NewsDownloader::notifyProgress(const std::wstring& text) {
    if (mListener) mListener->showProgress(text);
}

void NewsDownloader::pause() {
    if (mPauseMs > 0) ::Sleep(mPauseMs);
}

std::wstring NewsDownloader::fetchPage(const std::wstring& url) {
    if (mFetchPage) return mFetchPage(url);
    return utf8ToWString(DownloadString(toString(url), "GET", ""));
}

std::wstring newsSiteSetting(const std::wstring& key, const std::wstring& defaultSite) {
    const std::wstring site = readIniString(L"NHK", key, defaultSite);
    return site.empty() ? defaultSite : site;
}
