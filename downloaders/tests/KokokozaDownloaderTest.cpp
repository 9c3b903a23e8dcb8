#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "downloaders/table/KokokozaDownloader.h"
#include "downloaders/table/LecturePages.h"
#include "downloaders/tests/FlvTestSupport.h"
#include "downloaders/tests/TableDownloaderSupport.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "foundation/system/StringUtils.h"
#include "player/settings/Settings.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/TestWindows.h"

namespace {

void click(Dialog& dialog, Button& button) {
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button.m_hWnd), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button.m_hWnd));
}

bool enabled(Button& button) { return ::IsWindowEnabled(button.m_hWnd) != FALSE; }

// Lecture pages are in the conversion code page.
std::string narrow(const std::wstring& text) { return toString(text); }

class LectureRun {
public:
    LectureRun() {
        ::SetCursorPos(2, 2);
        installRecordingMessageSink();
        takeShownMessages();
        writeIniString(L"NHK", L"KokokozaSite", toWString(server.url("/kokokoza/")));
        EXPECT_TRUE(showModelessDialog(nullptr, *dialog));
    }
    ~LectureRun() {
        if (dialog) closeTestDialog(*dialog);
        dialog.reset();
        writeIniString(L"NHK", L"KokokozaSite", L"");
        for (const std::wstring& path : made) ::DeleteFileW(path.c_str());
    }

    // Serves a lecture's page and description under its address path.
    void serveLecture(const std::string& path, const std::wstring& title, const std::string& description) {
        server.serve(path + ".html", narrow(L"<html><head><title>" + title + L"</title></head><body></body></html>"));
        server.serve(path + ".xml", description);
    }
    int addRow(const std::string& path) {
        TableComponent& table = dialog->getTable();
        const int row = table.insertItem(L"", table.getItemCount());
        table.setItemText(toWString(server.url(path)), row, KokokozaDownloader::kUrlColumn);
        return row;
    }
    bool runToEnd() {
        click(*dialog, dialog->getDownloadButton());
        return pumpUntil([this] { return !dialog->isRunActive(); }, 60000);
    }
    std::wstring status(int row) { return dialog->getTable().getItemTextW(row, KokokozaDownloader::kStatusColumn); }
    int requestsFor(const std::string& path) const {
        int count = 0;
        for (const std::string& request : server.requests())
            count += request.find(" " + path + " ") != std::string::npos;
        return count;
    }

    LocalHttpServer server;
    std::vector<std::wstring> made;
    std::unique_ptr<KokokozaDownloader> dialog = std::make_unique<KokokozaDownloader>();
};

void touch(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(file);
}

}  // namespace

TEST(LecturePages, TitleFollowsTheLastBarAndPartsJoinTheirAttributes) {
    EXPECT_EQ(L"\u7B2C1\u56DE", readLectureTitle(L"<title>NHK | \u65E5\u672C\u53F2 | \u7B2C1\u56DE</title>"));
    // A title without the series' name in front stays whole.
    EXPECT_EQ(L"Lecture", readLectureTitle(L"<title>Lecture</title>"));
    EXPECT_EQ(L"", readLectureTitle(L"<p>no title</p>"));
    EXPECT_EQ((std::vector<std::wstring>{L"rtmp://h/a/one.flv", L"two.flv", L"rtmp://h/a/"}),
              readLectureParts(L"<parts><group rtmp=\"rtmp://h/a/\" movie=\"one.flv\"/><x><group movie=\"two.flv\"/>"
                               L"</x><group rtmp=\"rtmp://h/a/\"/></parts>"));
    EXPECT_TRUE(readLectureParts(L"<parts><group").empty());
}

TEST(KokokozaDownloader, JoinCommandTagsTheLectureAndNumbersTheTrack) {
    const std::wstring command = KokokozaDownloader::joinCommand({L"k\\Title1.flv", L"k\\Title2.flv"}, L"Title",
                                                                 L"2011", L"\u65E5\u672C\u53F2", 0, 3, L"k\\Title.mp3");
    EXPECT_EQ(
        L"\"Plugins\\ffmpeg\" -i \"k\\Title1.flv\" -i \"k\\Title2.flv\" -filter_complex \"concat=n=2:v=0:a=1\" "
        L" -metadata title=\"Title\" -metadata date=\"2011\" -metadata track=\"1/3\" -metadata genre=\"Speech\""
        L" -metadata publisher=\"NHK\" -metadata copyright=\"NHK\" -metadata artist=\"NHK\""
        L" -metadata album=\"\u65E5\u672C\u53F2\" -id3v2_version 3 -write_id3v1 1 \"k\\Title.mp3\"",
        command);
}

TEST(KokokozaDownloader, OpensWithTheFirstLectureReadyToDownload) {
    LectureRun run;
    EXPECT_EQ(L"Kokokoza Downloader", run.dialog->getText());
    EXPECT_TRUE(enabled(run.dialog->getDownloadButton()));
    EXPECT_FALSE(enabled(run.dialog->getStopButton()));
    TableComponent& table = run.dialog->getTable();
    EXPECT_EQ(5, table.getColumnCount());
    ASSERT_EQ(1, table.getItemCount());
    EXPECT_EQ(toWString(run.server.url("/kokokoza/")) + L"tv/nihonshi/archive/chapter001",
              table.getItemTextW(0, KokokozaDownloader::kUrlColumn));
    EXPECT_EQ(L"\u65E5\u672C\u53F2", table.getItemTextW(0, KokokozaDownloader::kAlbumColumn));
}

TEST(KokokozaDownloader, ARunTakesFiveRowsAndSkipsLecturesAlreadySaved) {
    LectureRun run;
    run.dialog->getTable().deleteAllItems();
    const std::wstring folder = KokokozaDownloader::getOutputDirectory();
    createDirectory(folder);
    for (int i = 0; i < 7; ++i) {
        const std::string path = "/lecture" + std::to_string(i);
        const std::wstring title = formatString(L"Saved %d", i);
        run.serveLecture(path, L"Series | " + title, "<parts><group rtmp=\"rtmp://h/a/\" movie=\"p.flv\"/></parts>");
        run.made.push_back(folder + title + L".mp3");
        touch(run.made.back());
        run.addRow(path);
    }
    const int runsBefore = KokokozaDownloader::toolRunCount();
    EXPECT_TRUE(run.runToEnd());
    EXPECT_EQ(runsBefore, KokokozaDownloader::toolRunCount());
    EXPECT_EQ(L"Saved 4", run.dialog->getTable().getItemTextW(4, KokokozaDownloader::kTitleColumn));
    EXPECT_EQ(L"", run.dialog->getTable().getItemTextW(5, KokokozaDownloader::kTitleColumn));
    EXPECT_EQ(1, run.requestsFor("/lecture4.xml"));
    EXPECT_EQ(0, run.requestsFor("/lecture5.html"));
    EXPECT_TRUE(enabled(run.dialog->getDownloadButton()));
    EXPECT_FALSE(enabled(run.dialog->getStopButton()));
}

TEST(KokokozaDownloader, PageValuesThatCouldRunCommandsAreRefused) {
    LectureRun run;
    run.dialog->getTable().deleteAllItems();
    const std::string parts = "<parts><group rtmp=\"rtmp://h/a/\" movie=\"p.flv\"/></parts>";
    run.serveLecture("/quote", L"S | a\" -y \"C:\\x", parts);
    run.serveLecture("/percent", L"S | %COMSPEC%", parts);
    run.serveLecture("/stream", L"S | Fine title",
                     "<parts><group rtmp=\"rtmp://h/a/\" movie=\"p.flv&amp;calc\"/></parts>");
    run.serveLecture("/untitled", L"", parts);
    for (const char* path : {"/quote", "/percent", "/stream", "/untitled"}) run.addRow(path);
    const int runsBefore = KokokozaDownloader::toolRunCount();
    EXPECT_TRUE(run.runToEnd());
    EXPECT_EQ(runsBefore, KokokozaDownloader::toolRunCount());
    EXPECT_EQ(L"Failed", run.status(0));
    EXPECT_EQ(L"Failed", run.status(1));
    EXPECT_EQ(L"Failed", run.status(2));
    // A lecture without a title has no name to be saved under: it is left alone.
    EXPECT_EQ(L"", run.status(3));
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST(KokokozaDownloader, PartsRecordedThroughTheRecorderAreJoinedIntoATaggedMp3) {
    LectureRun run;
    TempDirectory media;
    const int samples[] = {22050, 33075};
    std::string parts = "<parts>";
    long long partBytes = 0;
    for (int i = 0; i < 2; ++i) {
        const std::wstring name = L"part" + std::to_wstring(i + 1);
        writeToneWav(media.file(name + L".wav"), samples[i]);
        ASSERT_TRUE(makeMp3Flv(media.file(name + L".wav"), media.file(name + L".flv")));
        partBytes += decodedPcmBytes(media.file(name + L".flv"));
        const std::string path = "/streams/lecture/" + toString(name) + ".flv";
        run.server.serve(path, readFileBytes(media.file(name + L".flv")), "video/x-flv");
        parts += "<group rtmp=\"rtmp://127.0.0.1:" + std::to_string(run.server.port()) +
                 "/streams/\" movie=\"lecture/" + toString(name) + ".flv\"/>";
    }
    parts += "</parts>";
    const std::wstring title = L"\u7B2C1\u56DE \u7E04\u6587\u6642\u4EE3";
    run.serveLecture("/kokokoza/tv/nihonshi/archive/chapter001", L"\u9AD8\u6821\u8B1B\u5EA7 | " + title, parts);
    const std::wstring target = KokokozaDownloader::getOutputDirectory() + title + L".mp3";
    run.made.push_back(target);
    const int runsBefore = KokokozaDownloader::toolRunCount();
    for (int i = 1; i <= 3; ++i) run.made.push_back(formatString(L"%d kokokoza.bat", runsBefore + i));

    ASSERT_TRUE(run.runToEnd());
    EXPECT_EQ(title, run.dialog->getTable().getItemTextW(0, KokokozaDownloader::kTitleColumn));
    EXPECT_EQ(L"complete", run.status(0));
    ASSERT_EQ(runsBefore + 3, KokokozaDownloader::toolRunCount());
    // The parts are gone once joined; the lecture plays as long as its parts together.
    EXPECT_FALSE(fileExists(KokokozaDownloader::getOutputDirectory() + title + L"1.flv"));
    EXPECT_FALSE(fileExists(KokokozaDownloader::getOutputDirectory() + title + L"2.flv"));
    ASSERT_TRUE(fileExists(target));
    const long long joined = decodedPcmBytes(target);
    EXPECT_NEAR(static_cast<double>(partBytes), static_cast<double>(joined), partBytes * 0.05);
    const std::string bytes = readFileBytes(target);
    EXPECT_EQ("ID3", bytes.substr(0, 3));
    const std::wstring album = L"\u65E5\u672C\u53F2";
    EXPECT_NE(std::string::npos,
              bytes.find(std::string(reinterpret_cast<const char*>(album.data()), album.size() * sizeof(wchar_t))));
    EXPECT_EQ("TAG", bytes.substr(bytes.size() - 128, 3));
    // Each run of a tool left its command line, the join last.
    EXPECT_NE(std::string::npos, readFileBytes(formatString(L"%d kokokoza.bat", runsBefore + 1)).find("-v -r \""));
    EXPECT_NE(std::string::npos,
              readFileBytes(formatString(L"%d kokokoza.bat", runsBefore + 3)).find("concat=n=2:v=0:a=1"));

    // Saved once: a second run leaves the lecture alone.
    EXPECT_TRUE(run.runToEnd());
    EXPECT_EQ(runsBefore + 3, KokokozaDownloader::toolRunCount());
}

TEST(KokokozaDownloader, PartsStayUntilAJoinOfAllOfThemSucceeded) {
    LectureRun run;
    run.dialog->getTable().deleteAllItems();
    TempDirectory media;
    const std::string flv = makeToneFlv(media.file(L"tone"), 22050);
    ASSERT_FALSE(flv.empty());
    const std::string streams = "rtmp://127.0.0.1:" + std::to_string(run.server.port()) + "/streams/";
    // Lecture A: its second part answers 404 at first. Lecture B: a part ffmpeg can't read.
    // Lecture "lpt": the title and the part number would name the printer port LPT1.
    run.server.serve("/streams/a1.flv", flv, "video/x-flv");
    run.server.serve("/streams/b1.flv", "not a recording", "video/x-flv");
    run.server.serve("/streams/c1.flv", flv, "video/x-flv");
    run.serveLecture("/a", L"S | Lecture A",
                     "<parts><group rtmp=\"" + streams + "\" movie=\"a1.flv\"/><group rtmp=\"" + streams +
                         "\" movie=\"a2.flv\"/></parts>");
    run.serveLecture("/b", L"S | Lecture B", "<parts><group rtmp=\"" + streams + "\" movie=\"b1.flv\"/></parts>");
    run.serveLecture("/lpt", L"S | lpt", "<parts><group rtmp=\"" + streams + "\" movie=\"c1.flv\"/></parts>");
    run.addRow("/a");
    run.addRow("/b");
    run.addRow("/lpt");
    const std::wstring folder = KokokozaDownloader::getOutputDirectory();
    run.made = {folder + L"Lecture A.mp3", folder + L"Lecture A1.flv", folder + L"Lecture A2.flv",
                folder + L"Lecture B.mp3", folder + L"Lecture B1.flv", folder + L"lpt.mp3", folder + L"_lpt1.flv"};
    const int runsBefore = KokokozaDownloader::toolRunCount();
    for (int i = 1; i <= 9; ++i) run.made.push_back(formatString(L"%d kokokoza.bat", runsBefore + i));

    ASSERT_TRUE(run.runToEnd());
    EXPECT_EQ(L"Failed", run.status(0));
    EXPECT_TRUE(fileExists(folder + L"Lecture A1.flv"));
    EXPECT_FALSE(fileExists(folder + L"Lecture A.mp3"));
    EXPECT_EQ(L"Failed", run.status(1));
    EXPECT_TRUE(fileExists(folder + L"Lecture B1.flv"));
    EXPECT_FALSE(fileExists(folder + L"Lecture B.mp3"));
    EXPECT_EQ(L"complete", run.status(2));
    EXPECT_TRUE(fileExists(folder + L"lpt.mp3"));

    // Once the missing part answers, the kept part is joined with it and both go.
    run.server.serve("/streams/a2.flv", flv, "video/x-flv");
    ASSERT_TRUE(run.runToEnd());
    EXPECT_EQ(L"complete", run.status(0));
    EXPECT_EQ(1, run.requestsFor("/streams/a1.flv"));
    EXPECT_NEAR(2.0 * decodedPcmBytes(media.file(L"tone.flv")), decodedPcmBytes(folder + L"Lecture A.mp3"),
                0.1 * decodedPcmBytes(media.file(L"tone.flv")));
    EXPECT_FALSE(fileExists(folder + L"Lecture A1.flv"));
    EXPECT_FALSE(fileExists(folder + L"Lecture A2.flv"));
    EXPECT_EQ(L"Failed", run.status(1));
}
