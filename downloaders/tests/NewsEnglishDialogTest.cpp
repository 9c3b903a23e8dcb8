#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <memory>

#include "downloaders/news/NHK_NewsEnglishDialog.h"
#include "downloaders/tests/NewsLessonPages.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "player/settings/Settings.h"
#include "player/lyrics/SentenceListFile.h"
#include "testsupport/TestWindows.h"

namespace {

// The name the recording program gives the day's audio.
const wchar_t kRecordedName[] =
    L"\u30CB\u30E5\u30FC\u30B9\u3067\u82F1\u4F1A\u8A71\uFF08\u8AAD\u307F\u76F4\u3057\u97F3\u58F0\uFF09_2010_04_01.mp3";
const wchar_t kLessonName[] = L"2010_04_01_Spring comes & goes - \u6625\u304C\u6765\u305F";

bool contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

void writeBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out << bytes;
}

// The dialog shown modeless over the pages of a local server, on Thursday 1 April 2010,
// saving into a temporary folder under the proposed name unless told otherwise.
class EnglishNewsRun {
public:
    EnglishNewsRun(bool keyWords, bool rename) {
        writeIniString(L"NHK", L"EnglishNewsSite", server.wideUrl(""));
        writeIniString(L"NHK", L"EnglishLearningSite", server.wideUrl(""));
        for (const wchar_t* key : {L"Calendar", L"DownloadWithKeyWords", L"RenameMP3"}) writeIniString(L"NHK", key, L"");
        dialog->getWorker().setPauseMilliseconds(0);
        dialog->getWorker().setPathChooser([this](HWND, const std::wstring& proposed) {
            proposedNames.push_back(proposed);
            return savePath.empty() ? std::wstring() : folder.file(savePath);
        });
        dialog->getKeyWordsCheckBox().setSelected(keyWords);
        dialog->getRenameCheckBox().setSelected(rename);
        Date day;
        day.set(2010, 4, 1);
        dialog->setDate(day);
        EXPECT_TRUE(showModelessDialog(nullptr, *dialog));
    }
    ~EnglishNewsRun() {
        if (dialog && dialog->m_hWnd) ::DestroyWindow(dialog->m_hWnd);
        dialog.reset();
        for (const wchar_t* key : {L"EnglishNewsSite", L"EnglishLearningSite", L"Calendar", L"DownloadWithKeyWords",
                                   L"RenameMP3"}) {
            writeIniString(L"NHK", key, L"");
        }
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
    std::vector<std::string> requestLines() const {
        std::vector<std::string> lines;
        for (const std::string& request : server.requests()) lines.push_back(request.substr(0, request.find("\r\n")));
        return lines;
    }

    LocalHttpServer server;
    TempDirectory folder;
    std::wstring savePath = std::wstring(kLessonName) + L".xml";  // in the folder
    std::vector<std::wstring> proposedNames;
    std::unique_ptr<NHK_NewsEnglishDialog> dialog = std::make_unique<NHK_NewsEnglishDialog>();
};

}  // namespace

TEST(NewsEnglishDialog, DownloadsADayWithKeywordsAndRenamesTheRecordedMp3) {
    EnglishNewsRun run(true, true);
    serveEnglishNewsLesson(run.server);
    writeBytes(run.folder.file(kRecordedName), "ID3 recorded audio");
    EXPECT_EQ(L"2010/04/01", run.dialog->getCalendar().getText());
    run.pressDownload();
    ASSERT_TRUE(run.waitForEnd()) << toString(run.log());

    // One request per page; the explanation page linked twice is read once.
    const std::vector<std::string> expectedRequests = {
        "GET /e-news/news/index.cgi?ymd=20100401 HTTP/1.1",
        "GET /e-news/elearning/explain.cgi?ymd=20100401&type=news HTTP/1.1",
        "GET /e-news/elearning/explain.cgi?ymd=20100401&type=keyword HTTP/1.1",
        "GET /e-news/elearning/explain.cgi?ymd=20100401&id=1 HTTP/1.1",
        "GET /e-news/elearning/explain.cgi?ymd=20100401&id=3 HTTP/1.1"};
    EXPECT_EQ(expectedRequests, run.requestLines());

    const std::wstring recorded = run.folder.file(kRecordedName);
    const std::wstring renamed = run.folder.file(std::wstring(kLessonName) + L".mp3");
    EXPECT_EQ(L"Downloading...\r\nRetrieved the ID3 tag.\r\nRetrieved the WordList.\r\n"
              L"Start retrieving sentence groups.\r\nURL: " +
                  run.server.wideUrl("/e-news/elearning/explain.cgi?ymd=20100401&type=news") +
                  L"\r\nRetrieved a sentence group.\r\nRetrieved a sentence group.\r\nRetrieved a sentence group.\r\n"
                  L"Start retrieving keyword groups.\r\nURL: " +
                  run.server.wideUrl("/e-news/elearning/explain.cgi?ymd=20100401&type=keyword") +
                  L"\r\nRetrieved a sentence group.\r\nRetrieved a sentence group.\r\n" + kLessonName +
                  L".xml\r\nExist:\r\n" + recorded + L"\r\nRename:\r\n" + renamed + L"\r\n\r\nEnd !!\r\n",
              run.log());
    EXPECT_FALSE(fileExists(recorded));
    EXPECT_TRUE(fileExists(renamed));

    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(run.folder.file(run.savePath)));
    Element* root = parser.getRootElement();
    SentenceListContent content;
    ASSERT_TRUE(readSentenceList(*root, content));
    ASSERT_TRUE(content.hasId3);
    EXPECT_EQ(L"Spring comes & goes - \u6625\u304C\u6765\u305F", content.id3.getTitle());
    EXPECT_EQ(L"Spring comes & goes - \u6625\u304C\u6765\u305F\r\n2010\u5E744\u67081\u65E5 \tWorld&nbsp;Asia  \r\n"
              L"Cherry trees\r\nbloom.",
              content.id3.getDescription());
    EXPECT_EQ(run.server.wideUrl("/e-news/index.cgi"), content.id3.getOfficialSite());
    EXPECT_EQ(run.server.wideUrl("/e-news/news/index.cgi?ymd=20100401"), content.id3.getSourceUrl());
    EXPECT_EQ(2010, content.id3.getYear());
    EXPECT_EQ(4, content.id3.getMonth());
    EXPECT_EQ(1, content.id3.getDay());
    ASSERT_EQ(L"WordList", root->getChildren()[1]->getName());
    EXPECT_EQ(1u, root->getChildren()[1]->getChildren().size());
    ASSERT_EQ(5u, content.groups.size());
    EXPECT_EQ(L"Spring has come to Tokyo.\r\n", content.groups[0].sentence);
    EXPECT_EQ(L"1. Roses bloom.\r\n2. It bloomed.\r\n3. Third.\r\n", content.groups[3].sentence);

    // The next weekday, and the options and date remembered.
    EXPECT_EQ(L"2010/04/02", run.dialog->getCalendar().getText());
    EXPECT_EQ(L"2010/04/02", readIniString(L"NHK", L"Calendar", L""));
    EXPECT_EQ(1, readIniInt(L"NHK", L"DownloadWithKeyWords", 0));
    EXPECT_EQ(1, readIniInt(L"NHK", L"RenameMP3", 0));
}

TEST(NewsEnglishDialog, WithoutOptionsOnlyTheNewsIsReadAndTheMp3StaysWhereItIs) {
    EnglishNewsRun run(false, false);
    serveEnglishNewsLesson(run.server);
    // An index page without its main column gives no id3 element and no title.
    run.server.serve("/e-news/news/index.cgi?ymd=20100401", "<html><p>moved</p></html>");
    run.savePath = L"chosen.xml";
    writeBytes(run.folder.file(kRecordedName), "ID3 recorded audio");
    run.pressDownload();
    ASSERT_TRUE(run.waitForEnd()) << toString(run.log());
    ASSERT_EQ(1u, run.proposedNames.size());
    EXPECT_EQ(L"2010_04_01_.xml", run.proposedNames[0]);
    EXPECT_EQ(2u, run.requestLines().size());  // the index and the news page only
    EXPECT_TRUE(fileExists(run.folder.file(kRecordedName)));
    EXPECT_FALSE(contains(run.log(), L"Exist:"));
    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(run.folder.file(L"chosen.xml")));
    const std::vector<Element*> children = parser.getRootElement()->getChildren();
    ASSERT_EQ(4u, children.size());
    EXPECT_EQ(L"WordList", children[0]->getName());
    EXPECT_TRUE(children[0]->getChildren().empty());
    EXPECT_EQ(0, readIniInt(L"NHK", L"DownloadWithKeyWords", 5));
    EXPECT_EQ(0, readIniInt(L"NHK", L"RenameMP3", 5));
}

TEST(NewsEnglishDialog, PagesWithMissingMarkersEndInALoggedFailure) {
    struct Case {
        const char* name;
        const char* path;
        std::string body;
        const wchar_t* message;
    } cases[] = {
        {"weekend", "/e-news/elearning/explain.cgi?ymd=20100401&type=news", "<html>no news</html>",
         L"type=news\r\nNot found any sentence in the html.\r\nTry another day (Monday-Friday)."},
        {"block without dd", "/e-news/elearning/explain.cgi?ymd=20100401&type=news",
         "<dl class=\"sentence\"><dt>1</dt></dl>", L"--- exception! ---\r\n\r\nNot found <dd>\r\n"},
        {"no category", "/e-news/news/index.cgi?ymd=20100401",
         replaced(kEnglishIndexPage, "class=\"category\"", "class=\"genre\""),
         L"category text is not found."},
        {"keyword page without links", "/e-news/elearning/explain.cgi?ymd=20100401&type=keyword", "<p>none</p>",
         L"type=keyword\r\nNot found<div id=\"elearning_explain\"\r\n"},
    };
    for (const Case& c : cases) {
        EnglishNewsRun run(true, false);
        serveEnglishNewsLesson(run.server);
        run.server.serve(c.path, c.body);
        run.pressDownload();
        ASSERT_TRUE(run.waitForEnd()) << c.name;
        EXPECT_TRUE(contains(run.log(), L"--- exception! ---\r\n")) << c.name << "\n" << toString(run.log());
        EXPECT_TRUE(contains(run.log(), c.message)) << c.name << "\n" << toString(run.log());
        EXPECT_TRUE(run.proposedNames.empty()) << c.name;
        EXPECT_EQ(L"2010/04/01", run.dialog->getCalendar().getText()) << c.name;
        EXPECT_EQ(L"", readIniString(L"NHK", L"Calendar", L"")) << c.name;
    }
}
