#include <gtest/gtest.h>

#include <windows.h>

#include <mutex>
#include <stdexcept>
#include <vector>

#include "downloaders/news/DownloadListener.h"
#include "downloaders/news/NHK_NewsDeEigoJutsuDonwloader.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/Element.h"
#include "testsupport/TestWindows.h"

namespace {

// Records what the worker reports, from whichever thread.
class RecordingListener : public DownloadListener {
public:
    void downloadFinished() override { record(L"<finished>"); }
    void downloadFailed() override { record(L"<failed>"); }
    void showProgress(const std::wstring& text) override { record(text); }
    std::vector<std::wstring> lines() {
        std::lock_guard<std::mutex> lock(mMutex);
        return mLines;
    }

private:
    void record(const std::wstring& line) {
        std::lock_guard<std::mutex> lock(mMutex);
        mLines.push_back(line);
    }
    std::mutex mMutex;
    std::vector<std::wstring> mLines;
};

const wchar_t kArticle[] =
    L"<title>T | x</title><div id=\"detail-ja\"><div class=\"p\">d</div><!-- #detail-ja -->"
    L"<div class=\"focus\"><span>A.</span><dd>b</dd><dd>c</dd>";

bool waitUntilEnded(NHK_NewsDeEigoJutsuDonwloader& worker) {
    for (int i = 0; i < 500 && worker.isRunning(); ++i) ::Sleep(10);
    return !worker.isRunning();
}

}  // namespace

TEST(NewsDownloader, AStopBetweenStepsEndsTheRunWithoutAReport) {
    RecordingListener listener;
    NHK_NewsDeEigoJutsuDonwloader worker(&listener);
    worker.setPageFetcher([](const std::wstring& url) {
        return url.find(L"news.json") != std::wstring::npos ? std::wstring(L"[]") : std::wstring(kArticle);
    });
    worker.setPauseMilliseconds(300);
    worker.setDate(L"20200330");
    worker.start();
    ::Sleep(100);  // inside the article step's pause
    worker.stop();
    const std::vector<std::wstring> lines = listener.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(L"stop!", lines.back());
    for (const std::wstring& line : lines) {
        EXPECT_NE(L"<finished>", line);
        EXPECT_NE(L"<failed>", line);
        EXPECT_NE(L"Start retrieving sentence groups.", line);  // the next step never began
    }
}

TEST(NewsDownloader, AnyFailureIsLoggedAndReportedAndANewRunStartsAfresh) {
    RecordingListener listener;
    NHK_NewsDeEigoJutsuDonwloader worker(&listener);
    worker.setPauseMilliseconds(0);
    worker.setDate(L"20200330");
    worker.setPageFetcher([](const std::wstring&) -> std::wstring { throw std::runtime_error("out of memory"); });
    worker.start();
    ASSERT_TRUE(waitUntilEnded(worker));
    std::vector<std::wstring> lines = listener.lines();
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(L"--- exception! ---", lines[1]);
    EXPECT_EQ(L"out of memory", lines[2]);
    EXPECT_EQ(L"<failed>", lines[3]);

    worker.setPageFetcher([](const std::wstring& url) {
        return url.find(L"news.json") != std::wstring::npos ? std::wstring(L"[]") : std::wstring(kArticle);
    });
    worker.start();
    ASSERT_TRUE(waitUntilEnded(worker));
    EXPECT_EQ(L"<finished>", listener.lines().back());
    EXPECT_EQ(L"T", worker.getTitle());
    ASSERT_EQ(2u, worker.getSentenceList()->getChildren().size());  // id3 and one group
    worker.start();
    ASSERT_TRUE(waitUntilEnded(worker));
    EXPECT_EQ(2u, worker.getSentenceList()->getChildren().size());  // replaced, not added to
}

TEST(NewsDownloader, SavingRenamesTheDaysRecordingBesideTheList) {
    RecordingListener listener;
    NHK_NewsDeEigoJutsuDonwloader worker(&listener);
    worker.setPauseMilliseconds(0);
    worker.setDate(L"20200330");
    worker.setPageFetcher([](const std::wstring& url) {
        return url.find(L"news.json") != std::wstring::npos ? std::wstring(L"[]") : std::wstring(kArticle);
    });
    worker.start();
    ASSERT_TRUE(waitUntilEnded(worker));

    TempDirectory folder;
    const std::wstring recorded = folder.file(L"2020_03_30.mp3");
    HANDLE file = ::CreateFileW(recorded.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    ::CloseHandle(file);
    worker.setRenameMP3(true);
    worker.setPathChooser([&](HWND, const std::wstring& name) { return folder.file(name); });
    EXPECT_TRUE(worker.saveSentenceList(nullptr));

    const std::wstring target = folder.file(L"2020_03_30_T.mp3");
    EXPECT_TRUE(fileExists(folder.file(L"2020_03_30_T.xml")));
    EXPECT_TRUE(fileExists(target));
    EXPECT_FALSE(fileExists(recorded));
    const std::vector<std::wstring> lines = listener.lines();
    ASSERT_GE(lines.size(), 6u);
    const std::vector<std::wstring> tail(lines.end() - 6, lines.end());
    EXPECT_EQ((std::vector<std::wstring>{L"2020_03_30_T.xml", L"Exist:", recorded, L"Rename:", target, L"\r\nEnd !!"}),
              tail);
}
