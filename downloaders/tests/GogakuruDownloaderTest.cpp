#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "downloaders/table/GogakuruDownloader.h"
#include "downloaders/table/PhrasePage.h"
#include "downloaders/tests/FlvTestSupport.h"
#include "downloaders/tests/TableDownloaderSupport.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"
#include "player/settings/Settings.h"
#include "testsupport/LocalHttpServer.h"

namespace {

const char kStreamPath[] = "/nhk-edu/_definst_/gogakuru/";

std::wstring runFolder() {
    wchar_t buffer[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, buffer);
    return std::wstring(buffer) + L"\\";
}

// A phrase page as the site lays it out; the stream reference and the texts as given.
std::string phrasePage(const std::string& stream, const std::string& english = "Break a leg!") {
    return "<html><body><div class=\"header\">r('ignored/before')</div>\n"
           "<div class=\"phrase_main_padding\">\n<script>r('" +
           stream + "');</script>\n<p class=\"en\"><span class=\"s\">" + english +
           "</span></p>\n<p class=\"jp\">\xE9\xA0\x91\xE5\xBC\xB5\xE3\x81\xA3\xE3\x81\xA6\xEF\xBC\x81</p>\n"
           "<div class=\"phrase_kaisetsu\">Said <b>before</b> a show.</div>\n</div></body></html>";
}

// An FLV of exactly `size` bytes: the header and one audio tag of filler.
std::string flvOfSize(size_t size) {
    const std::string empty = flvHeader() + flvTag(8, 0x2F, "");
    return flvHeader() + flvTag(8, 0x2F, std::string(size - empty.size(), '\x55'));
}

class PhraseRun {
public:
    PhraseRun() {
        ::SetCursorPos(2, 2);
        installRecordingMessageSink();
        takeShownMessages();
        writeIniString(L"NHK", L"GogakuruSite", site());
        writeIniString(L"NHK", L"GogakuruStreamHost", L"127.0.0.1:" + std::to_wstring(server.port()));
        writeIniString(L"NHK", L"GogakuruPlayerHost", L"127.0.0.1:" + std::to_wstring(server.port()));
        dialog->setProgramFolder(runFolder());
        dialog->setPathChooser([this](HWND, const std::wstring& proposed) {
            proposedNames.push_back(proposed);
            return savePath;
        });
        EXPECT_TRUE(showModelessDialog(nullptr, *dialog));
    }
    ~PhraseRun() {
        if (dialog) closeTestDialog(*dialog);
        dialog.reset();
        for (const wchar_t* key : {L"GogakuruSite", L"GogakuruStreamHost", L"GogakuruPlayerHost"}) {
            writeIniString(L"NHK", key, L"");
        }
        for (const std::wstring& name : voices) {
            ::DeleteFileW((runFolder() + L"voices\\" + name + L".mp3").c_str());
            ::DeleteFileW((runFolder() + L"voices\\" + name + L".flv").c_str());
        }
        ::DeleteFileW(L"gogakuru.bat");
    }

    std::wstring site() const { return toWString(server.url("")); }
    std::wstring voice(const std::wstring& name) const { return runFolder() + L"voices\\" + name + L".mp3"; }
    void analyze(const std::wstring& url) {
        dialog->getUrlField().setText(url);
        clickButton(*dialog, dialog->getAnalyzeButton());
    }
    bool download() {
        clickButton(*dialog, dialog->getDownloadButton());
        return waitForPassEnd(*dialog, 60000);
    }
    void servePhrase(int number, const std::string& stream) {
        server.serve("/english/phrase/" + std::to_string(number), phrasePage(stream));
        dialog->analyzeUrl(site() + L"/english/phrase/" + std::to_wstring(number), L"");
    }

    LocalHttpServer server;
    TempDirectory folder;
    std::wstring savePath = folder.file(L"phrases.xml");
    std::vector<std::wstring> proposedNames;
    std::vector<std::wstring> voices;
    std::unique_ptr<GogakuruDownloader> dialog = std::make_unique<GogakuruDownloader>();
};

}  // namespace

TEST(PhrasePage, ReadsTheTextsAfterThePhraseBlock) {
    const PhrasePage page = readPhrasePage(toWString(phrasePage("mp3:phrase/A01")));
    ASSERT_TRUE(page.hasMain);
    EXPECT_EQ(L"mp3:phrase/A01", page.stream.text);
    EXPECT_EQ(L"Break a leg!", page.sentence.text);
    EXPECT_EQ(L"Said <b>before</b> a show.", page.explanation.text);
    EXPECT_EQ(L"A01", streamName(page.stream.text));
    EXPECT_EQ(L"", streamName(L"noslash"));
    EXPECT_FALSE(readPhrasePage(L"<p class=\"en\">x</p>").hasMain);
    EXPECT_EQ(
        (std::vector<std::wstring>{L"/english/phrase/101", L"/english/phrase/102?from=top", L"/english/phrase/abc"}),
        readPhraseLinks(L"<a href=\"/english/phrase/101\">a</a><a href=\"/english/phrase/102?from=top\">b</a>"
                        L"<a href=\"/english/phrase/list.htm\">c</a><a href=\"/english/phrase/abc\">d</a>"
                        L"<a href=\"/other/1\">e</a><a>f</a>"));
}

TEST(GogakuruDownloader, AnalyzeListsPhrasePagesOnce) {
    PhraseRun run;
    EXPECT_EQ(L"Gogakuru Downloader", run.dialog->getText());
    EXPECT_EQ("A---", buttonStates(*run.dialog));
    run.server.serve("/english/index",
                     "<a href=\"/english/phrase/101\">a</a><a href=\"/english/phrase/102?x=1\">b</a>"
                     "<a href=\"/english/phrase/list.htm\">c</a><a href=\"/english/phrase/abc\">d</a>"
                     "<a href=\"/english/phrase/101\">again</a>");
    run.analyze(run.site() + L"/english/index");
    ASSERT_EQ(2, run.dialog->getTable().getItemCount());
    EXPECT_EQ(run.site() + L"/english/phrase/102", cell(*run.dialog, 1, AbstractDownloader::kUrlColumn));
    EXPECT_EQ(run.site() + L"/english/index", run.dialog->getUrl());
    EXPECT_EQ("AD--", buttonStates(*run.dialog));
}

TEST(GogakuruDownloader, TypedPhraseAddressGetsHttpsOnlyWithoutAScheme) {
    PhraseRun run;
    const std::wstring host = run.site().substr(7);
    writeIniString(L"NHK", L"GogakuruSite", L"https://" + host);
    run.analyze(host + L"/english/phrase/7?from=mail");
    run.analyze(L"http://" + host + L"/english/phrase/8");  // not the site's scheme: refused
    // A phrase address must end in its number (the site's pages would then be read as an
    // index, which needs the site itself).
    EXPECT_FALSE(run.dialog->analyzeUrl(L"https://" + host + L"/english/phrase/9a", L""));
    ASSERT_EQ(1, run.dialog->getTable().getItemCount());
    EXPECT_EQ(L"https://" + host + L"/english/phrase/7", cell(*run.dialog, 0, AbstractDownloader::kUrlColumn));
    EXPECT_EQ(AbstractDownloader::kTypedSentence, cell(*run.dialog, 0, AbstractDownloader::kSentenceColumn));
}

TEST(GogakuruDownloader, PhrasesGetTheirVoicesAsMp3AndEveryRowIsSaved) {
    PhraseRun run;
    TempDirectory media;
    writeToneWav(media.file(L"tone.wav"), 22050);
    ASSERT_TRUE(makeMp3Flv(media.file(L"tone.wav"), media.file(L"tone.flv")));
    const std::string flv = readFileBytes(media.file(L"tone.flv"));
    run.voices = {L"P101", L"P102", L"small", L"exact"};
    run.server.serve(std::string(kStreamPath) + "voices/P101", flv, "video/x-flv");
    run.servePhrase(101, "voices/P101");
    run.servePhrase(102, "noslash");
    run.server.serve(std::string(kStreamPath) + "v/small", flvOfSize(999), "video/x-flv");
    run.servePhrase(103, "v/small");
    run.server.serve(std::string(kStreamPath) + "v/exact", flvOfSize(1000), "video/x-flv");
    run.servePhrase(104, "v/exact");
    run.server.serve("/english/phrase/105", "<html>moved</html>");
    run.dialog->analyzeUrl(run.site() + L"/english/phrase/105", L"");

    ASSERT_TRUE(run.download());
    EXPECT_EQ(run.voice(L"P101"), cell(*run.dialog, 0, AbstractDownloader::kVoiceColumn));
    EXPECT_EQ(L"Break a leg!", cell(*run.dialog, 0, AbstractDownloader::kSentenceColumn));
    EXPECT_EQ(L"\u9811\u5F35\u3063\u3066\uFF01", cell(*run.dialog, 0, AbstractDownloader::kTranslationColumn));
    EXPECT_EQ(decodedPcmBytes(media.file(L"tone.flv")), decodedPcmBytes(run.voice(L"P101")));
    EXPECT_FALSE(fileExists(runFolder() + L"voices\\P101.flv"));
    // No "/" in the reference: no voice, but the texts.
    EXPECT_EQ(L"", cell(*run.dialog, 1, AbstractDownloader::kVoiceColumn));
    EXPECT_EQ(L"OK", cell(*run.dialog, 1, AbstractDownloader::kStatusColumn));
    // 999 bytes are no recording: the command is left in gogakuru.bat; 1000 bytes are one.
    EXPECT_EQ(L"", cell(*run.dialog, 2, AbstractDownloader::kVoiceColumn));
    EXPECT_FALSE(fileExists(run.voice(L"small")));
    EXPECT_NE(std::string::npos, readFileBytes(L"gogakuru.bat").find("v/small\" -s \""));
    EXPECT_EQ(run.voice(L"exact"), cell(*run.dialog, 3, AbstractDownloader::kVoiceColumn));
    EXPECT_EQ(std::string(1000 - 9 - 4 - 11 - 1 - 4, '\x55'), readFileBytes(run.voice(L"exact")));
    // A page without the phrase block fails its row, with a message.
    EXPECT_EQ(L"Failed", cell(*run.dialog, 4, AbstractDownloader::kStatusColumn));
    EXPECT_EQ(1u, takeShownMessages().size());

    // Every row is saved, the failed one with empty texts; voices stand on the sentences.
    ASSERT_EQ((std::vector<std::wstring>{L"gogakuru.xml"}), run.proposedNames);
    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(run.savePath));
    const std::vector<Element*> groups = parser.getElementsByTagName(L"SentenceGroup");
    ASSERT_EQ(5u, groups.size());
    EXPECT_EQ(run.voice(L"P101"), groups[0]->getElementByTagName(L"sentence")->getAttribute(L"voice"));
    EXPECT_FALSE(groups[1]->getElementByTagName(L"sentence")->hasAttribute(L"voice"));
    EXPECT_EQ(L"", groups[4]->getElementByTagName(L"sentence")->getText());

    // A second pass takes only rows without a voice. A recording already in the voices
    // folder is not fetched again: its MP3 is the voice; a lone FLV means no voice.
    run.voices.push_back(L"left");
    writeFileBytes(runFolder() + L"voices\\left.flv", flvOfSize(1000));
    run.servePhrase(106, "elsewhere/P101");
    run.servePhrase(107, "v/left");
    const size_t requestsBefore = run.server.requests().size();
    ::DeleteFileW(L"gogakuru.bat");
    ASSERT_TRUE(run.download());
    const std::vector<std::string> requests = run.server.requests();
    for (size_t i = requestsBefore; i < requests.size(); ++i) {
        for (const char* notFetched : {"/english/phrase/101 ", "elsewhere/P101", "v/left"}) {
            EXPECT_EQ(std::string::npos, requests[i].find(notFetched)) << requests[i];
        }
    }
    EXPECT_EQ(run.voice(L"P101"), cell(*run.dialog, 5, AbstractDownloader::kVoiceColumn));
    EXPECT_EQ(L"", cell(*run.dialog, 6, AbstractDownloader::kVoiceColumn));
    EXPECT_EQ(L"OK", cell(*run.dialog, 6, AbstractDownloader::kStatusColumn));
}

TEST(GogakuruDownloader, AStreamReferenceThatCouldRunCommandsIsNeverRecorded) {
    PhraseRun run;
    run.servePhrase(201, "v/a\\\" -o \\\"C:\\\\evil");
    run.servePhrase(202, "v/a&calc");
    run.servePhrase(203, "v/%TEMP%");
    ASSERT_TRUE(run.download());
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(L"OK", cell(*run.dialog, row, AbstractDownloader::kStatusColumn)) << row;
        EXPECT_EQ(L"", cell(*run.dialog, row, AbstractDownloader::kVoiceColumn)) << row;
    }
    for (const std::string& request : run.server.requests()) {
        EXPECT_EQ(std::string::npos, request.find(kStreamPath)) << request;
    }
    EXPECT_FALSE(fileExists(L"gogakuru.bat"));
}

TEST(GogakuruDownloader, StopWhileRecordingLeavesNoHalfRecordingAndTheNextPassRecordsIt) {
    PhraseRun run;
    TempDirectory media;
    const std::string flv = makeToneFlv(media.file(L"tone"), 22050);
    ASSERT_FALSE(flv.empty());
    run.voices = {L"P301"};
    // The stream stalls after its first bytes: the recorder is still at work when Stop comes.
    const std::string stream = std::string(kStreamPath) + "voices/P301";
    run.server.serveCutShort(stream, flv, 2000, true);
    run.servePhrase(301, "voices/P301");
    const std::wstring recording = runFolder() + L"voices\\P301.flv";
    ::DeleteFileW(recording.c_str());  // left by an earlier run that was cut off

    clickButton(*run.dialog, run.dialog->getDownloadButton());
    ASSERT_TRUE(pumpUntil([&] { return fileExists(recording); }, 30000));
    clickButton(*run.dialog, run.dialog->getStopButton());
    ASSERT_TRUE(waitForPassEnd(*run.dialog, 30000));
    EXPECT_FALSE(fileExists(recording));
    EXPECT_EQ(L"", cell(*run.dialog, 0, AbstractDownloader::kVoiceColumn));

    run.server.serve(stream, flv, "video/x-flv");
    ASSERT_TRUE(run.download());
    EXPECT_EQ(run.voice(L"P301"), cell(*run.dialog, 0, AbstractDownloader::kVoiceColumn));
    EXPECT_EQ(decodedPcmBytes(media.file(L"tone.flv")), decodedPcmBytes(run.voice(L"P301")));
}
