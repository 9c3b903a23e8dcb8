#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "downloaders/news/NHK_NewsDeEigoJutsuDialog.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/XMLParser.h"
#include "player/settings/Settings.h"
#include "player/lyrics/SentenceListFile.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestWindows.h"
#include "toolkit/widgets/Weekdays.h"

namespace {

const char kArticlePath[] = "/gogaku/news/2003/30.html";
const char kNewsListPath[] = "/gogaku/news/json/news.json";

// The article of Monday 30 March 2020 as the series' site lays it out: its Japanese
// detail section, a commented-out block and two study sentences.
const char kArticle[] =
    "<html><head><title>Cherry blossoms | English</title></head><body>\n"
    "<div id=\"detail-ja\">\n<div class=\"p\">\n\t\xE6\xA1\x9C\xE3\x81\xAE\xE8\xA9\xB1&amp;\xE6\x98\xA5<br />"
    "\xE4\xBA\x8C\xE8\xA1\x8C\xE7\x9B\xAE</div></div><!-- #detail-ja -->\n"
    "<!-- <div class=\"focus\"><span>Hidden</span><dd>x</dd><dd>y</dd> -->\n"
    "<div class=\"focus\"><span>The cherry trees are in bloom.</span>\n"
    "<dl><dd>\xE6\xA1\x9C\xE3\x81\x8C\xE5\x92\xB2\xE3\x81\x84\xE3\x81\xA6\xE3\x81\x84\xE3\x81\xBE\xE3\x81\x99\xE3\x80\x82</dd>\n"
    "<dd>in bloom: \xE5\x92\xB2\xE3\x81\x84\xE3\x81\xA6</dd></dl>\n"
    "<div class=\"focus\"><span>People came\n to see them.</span>\n"
    "<dl><dd>\xE4\xBA\xBA\xE3\x80\x85</dd><dd>came to see</dd></dl>\n</body></html>\n";
const char kNewsList[] =
    "[{\"date\": \"2003/30\", \"time\": \"03:12\", \"category\": \"Society: Life\", "
    "\"title\": \"Cherry <b>blossoms</b>: A&amp;B\"}]";

Date day(int year, int month, int dayOfMonth) {
    Date date;
    date.set(year, month, dayOfMonth);
    return date;
}

bool contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// The dialog shown modeless over pages of a local server, saving into a temporary folder.
class DeEigoJutsuRun {
public:
    explicit DeEigoJutsuRun(const Date& date = day(2020, 3, 30)) {
        writeIniString(L"NHK", L"NewsDeEigoJutsuSite", toWString(server.url("")));
        writeIniString(L"NHK", L"Calendar", L"");
        dialog->getWorker().setPauseMilliseconds(0);
        dialog->getWorker().setPathChooser([this](HWND, const std::wstring& proposed) {
            proposedNames.push_back(proposed);
            return savePath;
        });
        dialog->setDate(date);
        EXPECT_TRUE(showModelessDialog(nullptr, *dialog));
    }
    ~DeEigoJutsuRun() {
        if (dialog && dialog->m_hWnd) ::DestroyWindow(dialog->m_hWnd);
        dialog.reset();
        writeIniString(L"NHK", L"NewsDeEigoJutsuSite", L"");
        writeIniString(L"NHK", L"Calendar", L"");
    }

    void servePages(const std::string& article = kArticle, const std::string& newsList = kNewsList) {
        server.serve(kArticlePath, article);
        server.serve(kNewsListPath, newsList, "application/json");
    }
    void pressDownload() {
        HWND button = dialog->getDownloadButton().m_hWnd;
        ::SendMessageW(dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                       reinterpret_cast<LPARAM>(button));
    }
    bool buttonEnabled() const { return ::IsWindowEnabled(dialog->getDownloadButton().m_hWnd) != FALSE; }
    // Waits until the run is over: the button enabled again.
    bool waitForEnd(int timeoutMs = 15000) {
        return pumpUntil([this] { return buttonEnabled(); }, timeoutMs);
    }
    std::wstring log() const { return dialog->getLog().getTextCopy(); }
    std::wstring calendarText() const { return dialog->getCalendar().getText(); }

    LocalHttpServer server;
    TempDirectory folder;
    std::wstring savePath = folder.file(L"lesson.xml");
    std::vector<std::wstring> proposedNames;
    std::unique_ptr<NHK_NewsDeEigoJutsuDialog> dialog = std::make_unique<NHK_NewsDeEigoJutsuDialog>();
};

}  // namespace

TEST(NewsDeEigoJutsuDialog, DownloadsADayIntoASentenceListThePlayerOpens) {
    DeEigoJutsuRun run;
    run.servePages();
    EXPECT_EQ(L"2020/03/30", run.calendarText());
    // "(Monday to Friday)" with a fullwidth tilde, which code page 932 also has.
    EXPECT_EQ(L"\u300CNHK \u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u8A9E\u8853\uFF08\u6708\uFF5E\u91D1\uFF09\u300D"
              L"\u30B9\u30AF\u30EA\u30D7\u30C8\u30C0\u30A6\u30F3\u30ED\u30FC\u30C0\u30FC",
              run.dialog->getText());
    run.dialog->getLog().setText(L"old lines");
    run.pressDownload();
    EXPECT_FALSE(run.buttonEnabled());
    ASSERT_TRUE(run.waitForEnd()) << run.log();

    // The log in order, from the page address to the save step's end.
    const std::wstring url = toWString(run.server.url(kArticlePath));
    const std::wstring expectedLog = url + L"\r\nDownloading...\r\nretrieved description\r\nretrieved title\r\n"
                                           L"Cherry blossoms: A&B\r\nRetrieved the ID3 tag.\r\n"
                                           L"Start retrieving sentence groups.\r\nRetrieved a sentence group.\r\n"
                                           L"Retrieved a sentence group.\r\n2020_03_30_Cherry blossoms%3A A&B.xml\r\n"
                                           L"\r\nEnd !!\r\n";
    EXPECT_EQ(expectedLog, run.log());
    ASSERT_EQ(1u, run.proposedNames.size());
    EXPECT_EQ(L"2020_03_30_Cherry blossoms%3A A&B.xml", run.proposedNames[0]);

    // UTF-16 with its byte-order mark and declaration.
    const std::string bytes = readFileBytes(run.savePath);
    ASSERT_GT(bytes.size(), 2u);
    EXPECT_EQ("\xFF\xFE", bytes.substr(0, 2));
    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(run.savePath));
    SentenceListContent content;
    ASSERT_TRUE(readSentenceList(*parser.getRootElement(), content));
    EXPECT_EQ(L"SentenceList", parser.getRootElement()->getName());
    ASSERT_TRUE(content.hasId3);
    EXPECT_EQ(L"Cherry blossoms: A&B", content.id3.getTitle());
    EXPECT_EQ(L"Cherry blossoms: A&B\r\n03:12\r\n\u685C\u306E\u8A71&\u6625\r\n\u4E8C\u884C\u76EE",
              content.id3.getDescription());
    EXPECT_EQ(L"Society", content.id3.getCategory());
    EXPECT_EQ(url, content.id3.getSourceUrl());
    EXPECT_EQ(toWString(run.server.url("/gogaku/news/")), content.id3.getOfficialSite());
    EXPECT_EQ(2020, content.id3.getYear());
    EXPECT_EQ(3, content.id3.getMonth());
    EXPECT_EQ(30, content.id3.getDay());
    ASSERT_EQ(2u, content.groups.size());
    EXPECT_EQ(L"The cherry trees are in bloom.\r\n", content.groups[0].sentence);
    EXPECT_EQ(L"\u685C\u304C\u54B2\u3044\u3066\u3044\u307E\u3059\u3002\r\n", content.groups[0].translation);
    EXPECT_EQ(L"in bloom: \u54B2\u3044\u3066", content.groups[0].explanation);
    EXPECT_EQ(L"People came to see them.\r\n", content.groups[1].sentence);

    // The calendar moved to the next weekday, and that date is stored.
    EXPECT_EQ(L"2020/03/31", run.calendarText());
    EXPECT_EQ(L"2020/03/31", readIniString(L"NHK", L"Calendar", L""));
    EXPECT_EQ(0, compareDates(run.dialog->getDate(), day(2020, 3, 31)));
}

TEST(NewsDeEigoJutsuDialog, DamagedPagesEndInALoggedFailure) {
    struct Case {
        const char* name;
        std::string article;
        std::string newsList;
        const wchar_t* message;
    } cases[] = {
        {"weekend", "<div id=\"detail-ja\"><div class=\"p\">d</div><!-- #detail-ja --><title>T | x</title>", "[]",
         L"Try another day (Monday-Friday)."},
        {"no detail", "<html>moved</html>", kNewsList, L"1 description text is not found."},
        {"cut short", std::string(kArticle).substr(0, std::string(kArticle).find("are in bloom")), kNewsList, L"English </span> tag is not found."},
        {"no category", kArticle, "[{\"date\": \"2003/30\", \"title\": \"T\"}]", L"category text is not found."},
    };
    for (const Case& c : cases) {
        DeEigoJutsuRun run;
        run.servePages(c.article, c.newsList);
        run.pressDownload();
        ASSERT_TRUE(run.waitForEnd()) << c.name;
        EXPECT_TRUE(contains(run.log(), L"--- exception! ---\r\n")) << c.name << "\n" << toString(run.log());
        EXPECT_TRUE(contains(run.log(), c.message)) << c.name << "\n" << toString(run.log());
        // Nothing saved, the date kept and not stored.
        EXPECT_TRUE(run.proposedNames.empty()) << c.name;
        EXPECT_EQ(L"2020/03/30", run.calendarText()) << c.name;
        EXPECT_EQ(L"", readIniString(L"NHK", L"Calendar", L"")) << c.name;
    }
    // A failure that quotes a long page still shows its message: the log follows its end.
    std::string longPage;
    for (int i = 0; i < 300; ++i) longPage += "<p>moved</p>\n";
    DeEigoJutsuRun quoting;
    quoting.servePages(longPage);
    quoting.pressDownload();
    ASSERT_TRUE(quoting.waitForEnd());
    EXPECT_GT(::SendMessageW(quoting.dialog->getLog().m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0), 250);
    // A missing page (the server answers 404) is no page.
    DeEigoJutsuRun missing;
    missing.pressDownload();
    ASSERT_TRUE(missing.waitForEnd());
    EXPECT_TRUE(contains(missing.log(), L"html text is not found.")) << toString(missing.log());
}

TEST(NewsDeEigoJutsuDialog, KeyboardCommandsAreNotTakenForTheWorkersReports) {
    DeEigoJutsuRun run;
    run.servePages();
    // Enter, Esc and a bare command 3 arrive as WM_COMMAND without a control.
    for (int id : {IDOK, IDCANCEL, 3}) ::SendMessageW(run.dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    pumpMessages();
    EXPECT_TRUE(run.proposedNames.empty());  // no save step
    EXPECT_TRUE(run.log().empty());
    EXPECT_EQ(L"2020/03/30", run.calendarText());
    EXPECT_EQ(L"", readIniString(L"NHK", L"Calendar", L""));
}

TEST(NewsDeEigoJutsuDialog, SaveFailuresAreLoggedAndTheDateStillMoves) {
    {
        DeEigoJutsuRun cancelled;
        cancelled.servePages();
        cancelled.savePath.clear();
        cancelled.pressDownload();
        ASSERT_TRUE(cancelled.waitForEnd());
        EXPECT_TRUE(contains(cancelled.log(), L".xml\r\n\r\nFailed GetSaveFileName: Error:0x0\r\n"))
            << toString(cancelled.log());
        EXPECT_FALSE(contains(cancelled.log(), L"End !!"));
        EXPECT_EQ(L"2020/03/31", cancelled.calendarText());
        EXPECT_EQ(L"2020/03/31", readIniString(L"NHK", L"Calendar", L""));
    }
    DeEigoJutsuRun unwritable;
    unwritable.servePages();
    unwritable.savePath = unwritable.folder.file(L"missing folder\\lesson.xml");
    unwritable.pressDownload();
    ASSERT_TRUE(unwritable.waitForEnd());
    EXPECT_TRUE(contains(unwritable.log(), L"\r\nFailed to write the file:\r\n" + unwritable.savePath))
        << toString(unwritable.log());
    EXPECT_FALSE(contains(unwritable.log(), L"End !!"));
    EXPECT_FALSE(fileExists(unwritable.savePath));
}

TEST(NewsDeEigoJutsuDialog, ClosingDuringADownloadStopsTheWorkerFirst) {
    DeEigoJutsuRun run;
    run.server.serveSilently(kArticlePath);  // the worker waits on the page
    run.pressDownload();
    ASSERT_TRUE(pumpUntil([&] { return contains(run.log(), L"Downloading..."); }, 5000));
    const DWORD start = ::GetTickCount();
    ::DestroyWindow(run.dialog->m_hWnd);
    run.dialog.reset();
    EXPECT_LT(::GetTickCount() - start, 10000u);
    pumpMessages();
    EXPECT_TRUE(run.proposedNames.empty());
    EXPECT_EQ(L"", readIniString(L"NHK", L"Calendar", L""));
}
