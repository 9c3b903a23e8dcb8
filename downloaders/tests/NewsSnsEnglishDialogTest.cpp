#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "downloaders/news/NHK_NewsSnsEnglishDialog.h"
#include "downloaders/tests/NewsLessonPages.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/http/InternetDownload.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "player/settings/Settings.h"
#include "player/lyrics/SentenceListFile.h"
#include "testsupport/TestWindows.h"
#include "testsupport/ThreadWatch.h"

namespace {

bool contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// The dialog shown modeless over the pages of a local server, on Monday 2 August 2021,
// saving into a temporary folder.
class SnsEnglishRun {
public:
    explicit SnsEnglishRun(bool keyWords) {
        writeIniString(L"NHK", L"SnsEnglishSite", server.wideUrl(""));
        writeIniString(L"NHK", L"SnsEnglishLearningSite", server.wideUrl(""));
        writeIniString(L"NHK", L"Calendar", L"");
        dialog->getWorker().setPauseMilliseconds(0);
        dialog->getWorker().setPathChooser([this](HWND, const std::wstring& proposed) {
            proposedNames.push_back(proposed);
            return savePath;
        });
        dialog->getKeyWordsCheckBox().setSelected(keyWords);
        EXPECT_TRUE(showModelessDialog(nullptr, *dialog));
        Date monday;
        monday.set(2021, 8, 2);
        dialog->getCalendar().setDate(monday);
    }
    ~SnsEnglishRun() {
        if (dialog && dialog->m_hWnd) ::DestroyWindow(dialog->m_hWnd);
        dialog.reset();
        writeIniString(L"NHK", L"SnsEnglishSite", L"");
        writeIniString(L"NHK", L"SnsEnglishLearningSite", L"");
    }

    void pressDownload() {
        HWND button = dialog->getDownloadButton().m_hWnd;
        ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                       reinterpret_cast<LPARAM>(button));
    }
    bool waitForEnd() {
        return pumpUntil([this] { return ::IsWindowEnabled(dialog->getDownloadButton().m_hWnd) != FALSE; }, 15000);
    }
    std::wstring log() const { return dialog->getLog().getTextCopy(); }
    bool requested(const std::string& path) const {
        for (const std::string& request : server.requests()) {
            if (request.find("GET " + path + " ") == 0) return true;
        }
        return false;
    }

    LocalHttpServer server;
    TempDirectory folder;
    std::wstring savePath = folder.file(L"lesson.xml");
    std::vector<std::wstring> proposedNames;
    std::unique_ptr<NHK_NewsSnsEnglishDialog> dialog = std::make_unique<NHK_NewsSnsEnglishDialog>();
};

}  // namespace

TEST(NewsSnsEnglishDialog, DownloadsADayWithoutKeywordSentences) {
    SnsEnglishRun run(false);
    // The series' title, "(Monday to Friday)" with a fullwidth tilde.
    EXPECT_EQ(L"\u300CNHK \u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u8A9E\u8853\uFF08\u6708\uFF5E\u91D1\uFF09\u300D"
              L"\u30B9\u30AF\u30EA\u30D7\u30C8\u30C0\u30A6\u30F3\u30ED\u30FC\u30C0\u30FC",
              run.dialog->getText());
    serveSnsEnglishLesson(run.server);
    run.pressDownload();
    ASSERT_TRUE(run.waitForEnd()) << toString(run.log());

    const std::wstring sentenceUrl = run.server.wideUrl("/snsenglish/news/elearning/s210802.html");
    EXPECT_EQ(L"Downloading...\r\nRetrieved the ID3 tag.\r\nRetrieved the WordList.\r\n"
              L"Start retrieving sentence groups.\r\nURL: " +
                  sentenceUrl +
                  L"\r\nRetrieved a sentence group.\r\nRetrieved a sentence group.\r\n"
                  L"2021_08_02_Tokyo & Games - \u6771\u4EAC\u5927\u4F1A.xml\r\n\r\nEnd !!\r\n",
              run.log());
    EXPECT_FALSE(run.requested("/snsenglish/news/elearning/k210802.html"));

    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(run.savePath));
    Element* root = parser.getRootElement();
    SentenceListContent content;
    ASSERT_TRUE(readSentenceList(*root, content));
    ASSERT_TRUE(content.hasId3);
    EXPECT_EQ(L"Tokyo & Games - \u6771\u4EAC\u5927\u4F1A", content.id3.getTitle());
    EXPECT_EQ(L"Tokyo & Games - \u6771\u4EAC\u5927\u4F1A\r\n2021\u5E748\u67082\u65E5\r\nFirst line\r\nsecond & line",
              content.id3.getDescription());
    EXPECT_EQ(run.server.wideUrl("/snsenglish/news/n210802.html"), content.id3.getSourceUrl());
    EXPECT_EQ(L"https://cgi2.nhk.or.jp/e-news/index.cgi", content.id3.getOfficialSite());
    EXPECT_EQ(2021, content.id3.getYear());
    EXPECT_EQ(8, content.id3.getMonth());
    EXPECT_EQ(2, content.id3.getDay());
    // id3, the word list, then the groups.
    const std::vector<Element*> children = root->getChildren();
    ASSERT_EQ(4u, children.size());
    EXPECT_EQ(L"id3", children[0]->getName());
    EXPECT_EQ(L"WordList", children[1]->getName());
    EXPECT_EQ(3u, children[1]->getChildren().size());
    ASSERT_EQ(2u, content.groups.size());
    EXPECT_EQ(L"The Games opened on Friday.\r\n", content.groups[0].sentence);

    // The calendar moves on; this dialog remembers no date.
    EXPECT_EQ(L"2021/08/03", run.dialog->getCalendar().getText());
    EXPECT_EQ(L"", readIniString(L"NHK", L"Calendar", L""));
}

TEST(NewsSnsEnglishDialog, DownloadsADayWithKeywordSentences) {
    SnsEnglishRun run(true);
    serveSnsEnglishLesson(run.server);
    run.pressDownload();
    ASSERT_TRUE(run.waitForEnd()) << toString(run.log());
    EXPECT_TRUE(contains(run.log(), L"Start retrieving keyword groups.\r\nURL: " +
                                        run.server.wideUrl("/snsenglish/news/elearning/k210802.html") +
                                        L"\r\nRetrieved a sentence group.\r\nRetrieved a sentence group.\r\n2021_08_02_"))
        << toString(run.log());
    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(run.savePath));
    SentenceListContent content;
    ASSERT_TRUE(readSentenceList(*parser.getRootElement(), content));
    ASSERT_EQ(4u, content.groups.size());
    EXPECT_EQ(L"1. The event kicks off today.\r\n2. We kicked off early.\r\n", content.groups[2].sentence);
    EXPECT_EQ(L"kick off", content.groups[2].explanation);
    EXPECT_EQ(L"no badges", content.groups[3].explanation);
}

TEST(NewsSnsEnglishDialog, PagesWithoutSentencesOrWithMissingMarkersEndInALoggedFailure) {
    struct Case {
        const char* name;
        bool keyWords;
        std::string sentencePage;
        std::string keywordPage;
        const wchar_t* message;
    } cases[] = {
        {"weekend", false, "<html>no lesson</html>", kSnsKeywordPage,
         L"s210802.html\r\nNot found any sentence in the html.\r\nTry another day (Monday-Friday)."},
        {"no keyword blocks", true, kSnsSentencePage, "<html>none</html>",
         L"k210802.html\r\nNot found any sentence in the html."},
        {"explanation cut", false, std::string(kSnsSentencePage).substr(0, std::string(kSnsSentencePage).rfind("</p>")),
         kSnsKeywordPage, L"--- exception! ---\r\n\r\nNot found </p>\r\n"},
        {"keyword block cut", true, kSnsSentencePage,
         std::string(kSnsKeywordPage).substr(0, std::string(kSnsKeywordPage).find("</div><!-- /.sentence -->")),
         L"</div><!-- /.sentence -->\r\nNot found \r\n"},
    };
    for (const Case& c : cases) {
        SnsEnglishRun run(c.keyWords);
        serveSnsEnglishLesson(run.server);
        run.server.serve("/snsenglish/news/elearning/s210802.html", c.sentencePage);
        run.server.serve("/snsenglish/news/elearning/k210802.html", c.keywordPage);
        run.pressDownload();
        ASSERT_TRUE(run.waitForEnd()) << c.name;
        EXPECT_TRUE(contains(run.log(), L"--- exception! ---\r\n")) << c.name << "\n" << toString(run.log());
        EXPECT_TRUE(contains(run.log(), c.message)) << c.name << "\n" << toString(run.log());
        EXPECT_TRUE(run.proposedNames.empty()) << c.name;
        EXPECT_EQ(L"2021/08/02", run.dialog->getCalendar().getText()) << c.name;
    }
    // No summary page at all: the server's 404 answer is no page.
    SnsEnglishRun missing(false);
    missing.pressDownload();
    ASSERT_TRUE(missing.waitForEnd());
    EXPECT_TRUE(contains(missing.log(), L"html text is not found.")) << toString(missing.log());
}

TEST(NewsSnsEnglishDialog, ClosingDuringADownloadStopsTheWorkerFirst) {
    SnsEnglishRun run(false);
    serveSnsEnglishLesson(run.server);
    run.server.serveSilently("/snsenglish/news/elearning/s210802.html");
    ThreadWatch worker;
    run.dialog->getWorker().setPageFetcher([&](const std::wstring& url) {
        worker.note();
        return utf8ToWString(DownloadString(toString(url), "GET", ""));
    });
    run.pressDownload();
    ASSERT_TRUE(pumpUntil([&] { return contains(run.log(), L"Start retrieving sentence groups."); }, 5000));
    // The window's end waits for the worker, which is blocked in the silent request: once
    // the window is gone, so is the worker, before the dialog's members are released.
    ::DestroyWindow(run.dialog->m_hWnd);
    EXPECT_TRUE(worker.hasEnded());
    run.dialog.reset();
    pumpMessages();
    EXPECT_TRUE(run.proposedNames.empty());
}
