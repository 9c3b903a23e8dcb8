// The .lrc export: time tags, the wrapping of long sentences into timed lines, the player
// formats read from Resources/Lyrics.txt and the file written in each of them, and the
// main window's export of its sentences.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "foundation/system/PathUtils.h"
#include "foundation/xml/XMLParser.h"
#include "player/lyrics/LrcTimeTag.h"
#include "player/lyrics/LyricsInfoManager.h"
#include "player/lyrics/LyricsWrapping.h"
#include "app/tests/MainWindowTestSupport.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestWindows.h"

namespace {

using Lines = std::vector<std::wstring>;

Lines wrapped(const std::wstring& text, int fontSize, int width) {
    Lines lines;
    wrapText(lines, text, fontSize, width);
    return lines;
}

// A list with one format parsed from the attributes given.
LyricsInfoManager listWithFormat(const std::wstring& attributes) {
    XMLParser parser;
    EXPECT_TRUE(parser.parseString(L"<Lyrics><PlayerFormat " + attributes + L" /></Lyrics>"));
    LyricsInfoManager list;
    EXPECT_TRUE(list.loadPlayerFormats(*parser.getRootElement()));
    return list;
}

const wchar_t kJapanese15[] = L"\u3042\u3044\u3046\u3048\u304A\u304B\u304D\u304F\u3051\u3053\u3055\u3057\u3059\u305B"
                              L"\u305D";

}  // namespace

TEST(LrcTimeTag, MinutesSecondsAndHundredthsWithTheFormatsSeparator) {
    struct Case {
        uint32_t ms;
        const wchar_t* separator;
        const wchar_t* tag;
    };
    const Case cases[] = {
        {10000, L".", L"[00:10.00]"}, {15500, L".", L"[00:15.50]"}, {61234, L".", L"[01:01.23]"},
        {61239, L"", L"[01:01]"},     {10000, L":", L"[00:10:00]"}, {6000000, L".", L"[100:00.00]"},
        {9, L".", L"[00:00.00]"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatLrcTimeTag(c.ms, c.separator), c.tag) << c.ms;
}

TEST(LrcWrapping, FillsLinesByCharacterWidths) {
    // Wide characters count the font size: 100 / 20 gives five a line.
    EXPECT_EQ(wrapped(kJapanese15, 20, 100),
              (Lines{std::wstring(kJapanese15, 5), std::wstring(kJapanese15 + 5, 5), std::wstring(kJapanese15 + 10, 5)}));
    // Narrow ones count half: twenty a line, cut at the last space, which is dropped.
    const Lines english = wrapped(L"The quick brown fox jumps over the lazy dog and runs away", 10, 100);
    EXPECT_EQ(english, (Lines{L"The quick brown fox", L"jumps over the lazy", L"dog and runs away"}));
    for (const std::wstring& line : english) {
        EXPECT_LE(line.size(), 20u);
        EXPECT_NE(line.back(), L' ');
    }
    // Without a space far enough into the line, it is cut where the text stops fitting.
    EXPECT_EQ(wrapped(L"a abcdefghijklmnopqrstuvwxyz", 10, 100), (Lines{L"a abcdefghijklmnopqr", L"stuvwxyz"}));
    // Control characters take no room and are dropped; an empty text is one empty line.
    EXPECT_EQ(wrapped(L"Line\r\none\t", 10, 100), Lines{L"Lineone"});
    EXPECT_EQ(wrapped(L"", 10, 100), Lines{L""});
}

TEST(LrcWrapping, NeverDropsTheRestOfASentence) {
    // A character wider than a line gets a line of its own; the text goes on after it.
    EXPECT_EQ(wrapped(L"ab\u65E5\u672Ccd", 150, 100), (Lines{L"a", L"b", L"\u65E5", L"\u672C", L"c", L"d"}));
    // As the very first character it makes the whole text one line.
    EXPECT_EQ(wrapped(L"\u65E5\u672C\r\nab", 150, 100), Lines{L"\u65E5\u672Cab"});
    // Lines already in the list are not this text's.
    Lines lines{L"earlier"};
    wrapText(lines, L"\u65E5x", 150, 100);
    EXPECT_EQ(lines, (Lines{L"earlier", L"\u65E5x"}));
}

TEST(LrcPlayerFormats, ReadsPlayerFormatOrElseFormatElements) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<Lyrics><Format name='A' encoding='UTF-16' width='320' fontSize='12' "
                                   L"extendedTag='' x='1' y='2' rowCount='3' appName='app' /><Format name='B' />"
                                   L"</Lyrics>"));
    LyricsInfoManager list;
    ASSERT_TRUE(list.loadPlayerFormats(*parser.getRootElement()));
    ASSERT_EQ(list.getPlayerFormats().size(), 2u);
    const CorvantaHeader& a = list.getPlayerFormats()[0];
    EXPECT_EQ(a.name, "A");
    EXPECT_EQ(a.appName, "app");
    EXPECT_EQ(a.encoding, L"UTF-16");
    EXPECT_EQ(a.extendedTag, L"");
    EXPECT_EQ(a.width, 320);
    EXPECT_EQ(a.fontSize, 12);
    EXPECT_EQ(a.rowCount, 3);
    EXPECT_EQ(list.getPlayerFormats()[1].extendedTag, L".");  // absent: the usual separator
    EXPECT_EQ(list.getPlayerFormats()[1].width, 0);

    ASSERT_TRUE(parser.parseString(L"<Lyrics><Format name='old' /><PlayerFormat name='new' /></Lyrics>"));
    ASSERT_TRUE(list.loadPlayerFormats(*parser.getRootElement()));
    ASSERT_EQ(list.getPlayerFormats().size(), 1u);
    EXPECT_EQ(list.getPlayerFormats()[0].name, "new");
    ASSERT_TRUE(parser.parseString(L"<Lyrics><Other /></Lyrics>"));
    EXPECT_FALSE(list.loadPlayerFormats(*parser.getRootElement()));
}

TEST(LrcFile, EachPlayerFormatOfTheResourcesWritesItsEncodingAndTags) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(L"Resources/Lyrics.txt"));
    LyricsInfoManager list;
    ASSERT_TRUE(list.loadPlayerFormats(*parser.getRootElement()));
    const std::wstring japanese = L"\u65E5\u672C\u8A9E\u306E\u6587\u3067\u3059\u3002";
    list.setEntries({L"First sentence.", L"", japanese}, {10000, 15500, 20000, 61234});
    struct Expected {
        std::string mark;
        UINT codePage;  // 1200: UTF-16 little-endian
        const wchar_t* separator;
    };
    const Expected expected[] = {
        {"", CP_UTF8, L"."}, {"", 932, L"."}, {"\xFF\xFE", 1200, L":"}, {"\xEF\xBB\xBF", CP_UTF8, L""}};
    ASSERT_EQ(list.getPlayerFormats().size(), std::size(expected));
    TempDirectory dir;
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(list.getPlayerFormats()[i].name);
        const Expected& e = expected[i];
        list.setPlayerFormatIndex(static_cast<int>(i));
        const std::wstring path = dir.file(L"format" + std::to_wstring(i) + L".lrc");
        ASSERT_TRUE(list.writeLrc(path));
        const std::string bytes = readFileBytes(path);
        ASSERT_EQ(bytes.compare(0, e.mark.size(), e.mark), 0);
        const std::string body = bytes.substr(e.mark.size());
        const std::wstring text =
            e.codePage == 1200 ? std::wstring(reinterpret_cast<const wchar_t*>(body.data()), body.size() / 2)
                               : decodeBytes(e.codePage, body.data(), body.size());
        const std::wstring sep = e.separator;
        const bool whole = sep.empty();
        EXPECT_EQ(text, (whole ? L"[00:10]" : L"[00:10" + sep + L"00]") + L"First sentence.\r\n" +
                            (whole ? L"[00:15]" : L"[00:15" + sep + L"50]") + L"\r\n" +
                            (whole ? L"[00:20]" : L"[00:20" + sep + L"00]") + japanese + L"\r\n");
    }
}

TEST(LrcFile, WrappedLinesShareTheirSentencesTimeInEqualSteps) {
    LyricsInfoManager list = listWithFormat(L"name='x' encoding='UTF-8' width='100' fontSize='20'");
    TempDirectory dir;
    list.setEntries({kJapanese15, L"second"}, {0, 3000, 3500});
    ASSERT_TRUE(list.writeLrc(dir.file(L"steps.lrc")));
    const std::string third = "\xE3\x81\x95\xE3\x81\x97\xE3\x81\x99\xE3\x81\x9B\xE3\x81\x9D";
    EXPECT_EQ(readFileBytes(dir.file(L"steps.lrc")).substr(0, 11), "[00:00.00]\xE3");
    const std::string written = readFileBytes(dir.file(L"steps.lrc"));
    EXPECT_NE(written.find("\r\n[00:01.00]\xE3\x81\x8B"), std::string::npos);
    EXPECT_NE(written.find("\r\n[00:02.00]" + third + "\r\n[00:03.00]second\r\n"), std::string::npos);

    // A next time before this one gives every line the sentence's own time, not a step
    // wrapped around past 2^32 ms.
    list.setEntries({kJapanese15}, {5000, 3000});
    ASSERT_TRUE(list.writeLrc(dir.file(L"back.lrc")));
    const std::string back = readFileBytes(dir.file(L"back.lrc"));
    size_t count = 0;
    for (size_t at = back.find("[00:05.00]"); at != std::string::npos; at = back.find("[00:05.00]", at + 1)) ++count;
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(back.find("[00:05.00]"), 0u);
}

TEST(LrcFile, RefusesWhatItCannotWriteAndLeavesNoFile) {
    TempDirectory dir;
    LyricsInfoManager binary = listWithFormat(L"name='x' encoding='Binary'");
    binary.setEntries({L"text"}, {0, 1000});
    EXPECT_FALSE(binary.writeLrc(dir.file(L"binary.lrc")));
    EXPECT_FALSE(fileExists(dir.file(L"binary.lrc")));

    LyricsInfoManager unnamed = listWithFormat(L"encoding='UTF-8'");
    unnamed.setEntries({L"text"}, {0, 1000});
    EXPECT_FALSE(unnamed.writeLrc(dir.file(L"unnamed.lrc")));
    LyricsInfoManager empty = listWithFormat(L"name='x'");
    EXPECT_FALSE(empty.writeLrc(dir.file(L"empty.lrc")));
    empty.setPlayerFormatIndex(1);
    empty.setEntries({L"text"}, {0, 1000});
    EXPECT_FALSE(empty.writeLrc(dir.file(L"empty.lrc")));
    EXPECT_FALSE(fileExists(dir.file(L"unnamed.lrc")));
    EXPECT_FALSE(fileExists(dir.file(L"empty.lrc")));
    EXPECT_FALSE(empty.writeLrc(dir.file(L"no-such-folder\\x.lrc")));
}

TEST(LrcFile, ALongPathIsWrittenWholeWithItsExtensionReplaced) {
    TempDirectory dir;
    // Past 258 characters: a path cut there would name another file.
    const std::wstring folder = dir.file(std::wstring(200, L'f'));
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring stem = folder + L"\\" + std::wstring(80, L'n');
    ASSERT_GT(stem.size(), 258u);
    LyricsInfoManager list = listWithFormat(L"name='x' encoding='ANSI'");
    list.setEntries({L"one"}, {1000, 2000});
    ASSERT_TRUE(list.writeLrc(stem + L".txt"));
    EXPECT_EQ(readFileBytes(stem + L".lrc"), "[00:01.00]one\r\n");
    EXPECT_FALSE(fileExists(stem + L".txt"));
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    int files = 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    EXPECT_EQ(files, 1);
}

TEST_F(MainWindowTest, ExportsItsSentencesAsLrcWithEndMarksAndTheAudioEnd) {
    const std::wstring audio = writePlainMp3(dir.file(L"lesson.mp3"));
    writeSentenceList(dir.file(L"lesson.xml"), L"lesson.mp3",
                      {{L"00:00:50", L"00:01:20", L"One. ", L""}, {L"00:02:00", L"", L"Two.", L""}});
    ASSERT_TRUE(main->openFile(audio));
    // The name the save dialog gives for "lesson.lrc" typed with its extension.
    ASSERT_TRUE(main->exportLrcTo(dir.file(L"lesson.lrc.lrc")));
    EXPECT_FALSE(fileExists(dir.file(L"lesson.lrc.lrc")));
    // The first format of the resources: UTF-8 with "." before the hundredths.
    EXPECT_EQ(readFileBytes(dir.file(L"lesson.lrc")), "[00:00.50]One. \r\n[00:01.20]\r\n[00:02.00]Two.\r\n");
    EXPECT_TRUE(takeShownMessages().empty());
}
