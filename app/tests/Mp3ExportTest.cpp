// "Save As MP3" from the main window: the converting dialog's progress, the MP3 at the
// chosen tempo with its lyrics timed for that tempo, and no file left behind by a
// cancelled or failed export.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "player/audio/BassTypes.h"
#include "player/audio/ConvertingDialog.h"
#include "player/lyrics/LrcTimeTag.h"
#include "player/lyrics/LyricsInfoManager.h"
#include "player/tests/AudioTestSupport.h"
#include "player/tests/Id3TestSupport.h"
#include "app/tests/MainWindowTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

// Watches the converting dialog from a thread timer, which its modal loop dispatches:
// records the bar's texts and, when asked, presses Cancel once the bar has moved.
struct ProgressWatch {
    static ProgressWatch*& current() {
        static ProgressWatch* watch = nullptr;
        return watch;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        ProgressWatch* watch = current();
        HWND dialog = ::FindWindowW(nullptr, L"Converting");
        if (watch == nullptr || dialog == nullptr || ::GetWindowThreadProcessId(dialog, nullptr) != ::GetCurrentThreadId()) {
            return;
        }
        watch->sawDialog = true;
        HWND bar = ::FindWindowExW(dialog, nullptr, L"ProgressBar", nullptr);
        wchar_t text[64] = {};
        if (bar != nullptr) ::GetWindowTextW(bar, text, 64);
        if (text[0] != L'\0' && (watch->texts.empty() || watch->texts.back() != text)) watch->texts.push_back(text);
        if (watch->cancelAfterFirstStep && !watch->texts.empty() && !watch->cancelled) {
            watch->cancelled = true;
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(Dialog::kCancelId, BN_CLICKED), 0);
        }
    }
    explicit ProgressWatch(bool cancel = false) : cancelAfterFirstStep(cancel) {
        current() = this;
        timer = ::SetTimer(nullptr, 0, 5, tick);
    }
    ~ProgressWatch() {
        ::KillTimer(nullptr, timer);
        current() = nullptr;
    }
    ProgressWatch(const ProgressWatch&) = delete;
    ProgressWatch& operator=(const ProgressWatch&) = delete;

    bool cancelAfterFirstStep;
    bool cancelled = false;
    bool sawDialog = false;
    UINT_PTR timer = 0;
    std::vector<std::wstring> texts;
};

// "position/length" split into its numbers.
std::pair<unsigned long, unsigned long> progressOf(const std::wstring& text) {
    const size_t slash = text.find(L'/');
    if (slash == std::wstring::npos) return {0, 0};
    return {std::wcstoul(text.c_str(), nullptr, 10), std::wcstoul(text.c_str() + slash + 1, nullptr, 10)};
}

using Mp3Export = MainWindowTest;

const std::vector<ListedSentence> kLesson = {{L"00:00:00", L"", L"One. ", L""},
                                             {L"00:01:00", L"", L"Two. ", L""},
                                             {L"00:02:00", L"", L"\u4E09\u3064\u76EE\u3002", L""}};

}  // namespace

TEST(ConvertingProgress, IsZeroForAnEmptyFileAndDoesNotOverflowForLongOnes) {
    EXPECT_EQ(conversionPercent(0, 0), 0);
    EXPECT_EQ(conversionPercent(5, 0), 0);
    EXPECT_EQ(conversionPercent(1500, 3000), 50);
    EXPECT_EQ(conversionPercent(3000, 3000), 100);
    // 13 hours: position * 100 is past 2^32.
    EXPECT_EQ(conversionPercent(46800000, 50000000), 93);
    EXPECT_EQ(conversionProgressText(46800000, 50000000), L"46800000/50000000");
    EXPECT_EQ(conversionProgressText(0, 0), L"0/0");
}

TEST_F(Mp3Export, AtTempo80TheMp3Lasts125PercentAndItsLyricsAreScaled) {
    const std::wstring audio = writePlainMp3(dir.file(L"lesson.mp3"));
    writeSentenceList(dir.file(L"lesson.xml"), L"lesson.mp3", kLesson);
    ASSERT_TRUE(main->openFile(audio));
    main->getTempoField().setValue(80);
    const std::wstring output = dir.file(L"slow.mp3");
    ProgressWatch watch;
    ASSERT_TRUE(main->exportMp3To(output));
    EXPECT_TRUE(takeShownMessages().empty());

    // The bar ran over the source's milliseconds and the dialog closed itself.
    ASSERT_TRUE(watch.sawDialog);
    ASSERT_GE(watch.texts.size(), 3u);
    unsigned long previous = 0;
    for (const std::wstring& text : watch.texts) {
        const auto progress = progressOf(text);
        EXPECT_EQ(progress.second, 3000u) << std::string(text.begin(), text.end());
        EXPECT_GE(progress.first, previous);
        previous = progress.first;
    }
    EXPECT_LT(progressOf(watch.texts.front()).first, 1000u);
    EXPECT_GT(previous, 2000u);
    EXPECT_EQ(::FindWindowW(nullptr, L"Converting"), nullptr);

    DecodedAudio decoded = decodeFile(output);
    EXPECT_NEAR(static_cast<double>(decoded.frames()), kToneFrames * 1.25, 1152.0);

    LyricsInfoManager lyrics;
    ASSERT_TRUE(lyrics.readSyltTag(output));
    ASSERT_EQ(lyrics.getCount(), 3);
    EXPECT_EQ(lyrics.getTime(0), 0u);
    EXPECT_EQ(lyrics.getTime(1), 1250u);
    EXPECT_EQ(lyrics.getTime(2), 2500u);
    EXPECT_EQ(lyrics.getText(2), L"\u4E09\u3064\u76EE\u3002");

    // Kept for mutagen, which reads it after the tests (see fixtures/id3).
    if (fileExists(id3test::madeFixture(L"ours"))) {
        EXPECT_TRUE(::CopyFileW(output.c_str(), id3test::madeFixture(L"ours\\export-tempo80.mp3").c_str(), FALSE));
    }
}

TEST_F(Mp3Export, TheLyricsTakeTheSentencesStartToTheMillisecond) {
    const std::wstring audio = writePlainMp3(dir.file(L"lesson.mp3"));
    writeSentenceList(dir.file(L"lesson.xml"), L"lesson.mp3", kLesson);
    ASSERT_TRUE(main->openFile(audio));
    main->getTempoField().setValue(100);
    main->selectRow(1);
    main->getRows().setStartTime(1234);  // its Start cell shows 00:01:23
    const std::wstring output = dir.file(L"exact.mp3");
    ASSERT_TRUE(main->exportMp3To(output));
    LyricsInfoManager lyrics;
    ASSERT_TRUE(lyrics.readSyltTag(output));
    ASSERT_EQ(lyrics.getCount(), 3);
    EXPECT_EQ(lyrics.getTime(1), 1234u);
}

TEST_F(Mp3Export, CancellingHalfWayLeavesNoFile) {
    ASSERT_TRUE(main->openFile(writePlainMp3(dir.file(L"lesson.mp3"))));
    const std::wstring output = dir.file(L"cancelled.mp3");
    ProgressWatch watch(true);
    EXPECT_FALSE(main->exportMp3To(output));
    EXPECT_TRUE(watch.cancelled);
    EXPECT_FALSE(fileExists(output));
    // Nor the encoder's own working file.
    std::vector<std::wstring> left = listFolder(dir.path());
    left.erase(std::remove(left.begin(), left.end(), L"settings.ini"), left.end());
    EXPECT_EQ(left, std::vector<std::wstring>{L"lesson.mp3"});
}

TEST_F(Mp3Export, AnEncoderThatCannotStartLeavesNoCopyOfTheSource) {
    ASSERT_TRUE(main->openFile(writePlainMp3(dir.file(L"lesson.mp3"))));
    wchar_t runFolder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, runFolder);
    // Plugins/lame.exe is looked up from the current directory.
    ::SetCurrentDirectoryW(dir.path().c_str());
    const bool exported = main->exportMp3To(dir.file(L"out.mp3"));
    ::SetCurrentDirectoryW(runFolder);
    EXPECT_FALSE(exported);
    EXPECT_FALSE(fileExists(dir.file(L"out.mp3")));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, L"lame.exe was not found in the plugins folder");

    // A file that was there before the export keeps its content.
    id3test::writeBytes(dir.file(L"kept.mp3"), "old");
    ::SetCurrentDirectoryW(dir.path().c_str());
    EXPECT_FALSE(main->exportMp3To(dir.file(L"kept.mp3")));
    ::SetCurrentDirectoryW(runFolder);
    EXPECT_EQ(readFileBytes(dir.file(L"kept.mp3")), "old");
    takeShownMessages();
}

TEST_F(Mp3Export, AFailingEncoderEndsTheDialogAsNotAccepted) {
    ASSERT_TRUE(main->openFile(writePlainMp3(dir.file(L"lesson.mp3"))));
    const std::wstring output = dir.file(L"failed.mp3");
    ASSERT_TRUE(main->getPlayer().encode(
        output, L"Plugins/lame --this-option-does-not-exist - \"" + output + L"\"", BASS_ENCODE_AUTOFREE));
    ConvertingDialog dialog(&main->getPlayer());
    EXPECT_FALSE(showModalDialog(main->m_hWnd, dialog));
    EXPECT_FALSE(dialog.isOutputInPlace());
    EXPECT_FALSE(fileExists(output));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(L"BASS_Encode_Stop"), std::wstring::npos);
}

// A learner's round: the sample lesson edited and saved, exported as MP3 at 75 % and as
// .lrc; the edits and the exported lyrics are all there when the files are opened again.
TEST_F(Mp3Export, TheEditedSampleLessonIsSavedAndExportedWithNothingLost) {
    const std::wstring lesson = dir.file(L"Sample.mp3");
    ASSERT_TRUE(::CopyFileW(L"Lessons\\Sample\\Sample.mp3", lesson.c_str(), FALSE)) << "made by ctest";
    ASSERT_TRUE(::CopyFileW(L"Lessons\\Sample\\Sample.xml", dir.file(L"Sample.xml").c_str(), FALSE));
    ASSERT_TRUE(main->openFile(lesson));
    const int rows = main->getLyricsTable().getItemCount();
    ASSERT_GE(rows, 3);
    for (int row : {1, 2}) {
        main->selectRow(row);
        main->getRows().setStartTime(main->getRowStartTime(row) + 120);
    }
    main->getRows().setTranslation(0, L"\u65B0\u3057\u3044\u8A33");
    std::vector<uint32_t> starts;
    std::vector<std::wstring> sentences;
    for (int row = 0; row < rows; ++row) {
        starts.push_back(main->getRowStartTime(row));
        sentences.push_back(main->getRows().getSentence(row));
    }
    main->reallyWrite = true;
    ASSERT_TRUE(main->writeXmlLyrics());

    main->getTempoField().setValue(75);
    ASSERT_TRUE(main->exportMp3To(dir.file(L"Sample-75.mp3")));
    ASSERT_TRUE(main->getPlayer().open(lesson));  // as the command does after the export
    ASSERT_TRUE(main->exportLrcTo(dir.file(L"Sample.lrc")));
    EXPECT_TRUE(takeShownMessages().empty());

    ASSERT_TRUE(main->openFile(dir.file(L"Sample-75.mp3")));
    ASSERT_EQ(main->getLyricsTable().getItemCount(), rows);
    for (int row = 0; row < rows; ++row) {
        EXPECT_EQ(main->getRowStartTime(row) / 10, starts[static_cast<size_t>(row)] * 4 / 3 / 10) << row;
        EXPECT_EQ(main->getRows().getSentence(row), sentences[static_cast<size_t>(row)]);
    }
    std::string lrc = readFileBytes(dir.file(L"Sample.lrc"));
    const std::wstring firstLine = formatLrcTimeTag(starts[0], L".") + sentences[0];
    EXPECT_EQ(utf8ToWString(lrc.substr(0, lrc.find("\r\n"))), firstLine);

    ASSERT_TRUE(main->openFile(lesson));
    EXPECT_EQ(main->getRowStartTime(1), starts[1]);
    EXPECT_EQ(main->getRowStartTime(2), starts[2]);
    EXPECT_EQ(main->getRows().getTranslation(0), L"\u65B0\u3057\u3044\u8A33");
}
