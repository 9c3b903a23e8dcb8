// .m3u play lists: lines split at every kind of line end, entries resolved against the
// play list's folder, the written text byte for byte, a table written and read back in
// the encodings other programs use, and the save command leaving the process-wide
// conversion code page as it found it.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <string>
#include <vector>

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/TextFile.h"
#include "player/lyrics/FileTable.h"
#include "player/lyrics/PlayList.h"
#include "player/lyrics/PlayListReading.h"
#include "player/tests/LyricsTestSupport.h"
#include "app/tests/MainWindowTestSupport.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestWindows.h"

namespace {

using Lines = std::vector<std::wstring>;

void writeBytesTo(const std::wstring& path, const std::string& bytes) {
    std::FILE* file = ::_wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// Presses OK in the next visible dialog box of the thread, from a thread of its own.
class DialogPresser {
public:
    explicit DialogPresser(DWORD threadId) {
        mWorker = std::thread([this, threadId] {
            for (int tries = 0; tries < 500 && !mDone; ++tries) {
                HWND dialog = nullptr;
                ::EnumThreadWindows(threadId, findDialog, reinterpret_cast<LPARAM>(&dialog));
                if (dialog != nullptr) {
                    wchar_t title[64] = {};
                    ::GetWindowTextW(dialog, title, 64);
                    mTitle = title;
                    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                    return;
                }
                ::Sleep(20);
            }
        });
    }
    ~DialogPresser() {
        mDone = true;
        if (mWorker.joinable()) mWorker.join();
    }
    DialogPresser(const DialogPresser&) = delete;
    DialogPresser& operator=(const DialogPresser&) = delete;
    std::wstring title() {
        if (mWorker.joinable()) mWorker.join();
        return mTitle;
    }

private:
    static BOOL CALLBACK findDialog(HWND window, LPARAM found) {
        wchar_t name[32] = {};
        ::GetClassNameW(window, name, 32);
        if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    std::atomic<bool> mDone{false};
    std::wstring mTitle;
    std::thread mWorker;
};

struct TableFixture {
    TableFixture() {
        table.createWithDefaultBounds(frame.m_hWnd);
        table.addColumn(L"Name", 130);
        table.addColumn(L"Path", 130);
    }
    Lines paths() {
        Lines result;
        for (int row = 0; row < table.getItemCount(); ++row) {
            result.push_back(table.getItemTextW(row, FileTable::kPathColumn));
        }
        return result;
    }
    LyricsTestFrame frame;
    FileTable table;
};

}  // namespace

TEST(PlayListText, SplitsAtCrLfLfAndCrAlike) {
    struct Case {
        const wchar_t* text;
        Lines lines;
    };
    const Case cases[] = {
        {L"", {}},
        {L"a", {L"a"}},
        {L"a\r\nb\r\n", {L"a", L"b", L""}},
        {L"a\nb\n", {L"a", L"b", L""}},
        {L"a\rb", {L"a", L"b"}},
        {L"a\r\n\nb\r\rc", {L"a", L"", L"b", L"", L"c"}},
        {L"\n\r", {L"", L"", L""}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitPlayListLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(PlayListText, ListsPathsAndSkipsEmptyAndExtensionLines) {
    const std::wstring text =
        L"#EXTM3U\r\n#EXTINF:0,a.mp3\r\n.\\a.mp3\r\n\r\nmusic\\b.ogg\n..\\up\\c.wma\rD:\\other\\d.mp3\r\n#comment.mp3";
    EXPECT_EQ(playListEntries(text, L"C:\\lists\\"),
              (Lines{L"C:\\lists\\a.mp3", L"C:\\lists\\music\\b.ogg", L"C:\\up\\c.wma", L"D:\\other\\d.mp3",
                     L"C:\\lists\\#comment.mp3"}));
    // A play list written with LF alone still names its files.
    EXPECT_EQ(playListEntries(L"#EXTM3U\n#EXTINF:0,x.mp3\nx.mp3\n", L"C:\\l\\"), Lines{L"C:\\l\\x.mp3"});
}

TEST(PlayListText, WritesNameAndRelativePathLinesWithAnEmptyLineAfterEach) {
    EXPECT_EQ(writePlayListText(Lines{L"C:\\lists\\a.mp3", L"C:\\lists\\music\\b.ogg", L"D:\\other\\c.wma"},
                                L"C:\\lists\\x.m3u"),
              "#EXTM3U\r\n"
              "#EXTINF:0,a.mp3\r\n.\\a.mp3\r\n\r\n"
              "#EXTINF:0,b.ogg\r\n.\\music\\b.ogg\r\n\r\n"
              "#EXTINF:0,c.wma\r\nD:\\other\\c.wma\r\n\r\n");
}

TEST(PlayListText, LeavesOutWhatTheAnsiCodePageCannotHold) {
    // Hangul has no form in the Japanese code page the tests run under; "é" would become
    // its look-alike "e", which names another file.
    const std::string written = writePlayListText(
        Lines{L"C:\\l\\\uD55C.mp3", L"C:\\l\\caf\u00E9.mp3", L"C:\\l\\\u65E5\u672C.mp3"}, L"C:\\l\\x.m3u");
    EXPECT_EQ(written, "#EXTM3U\r\n#EXTINF:0,\x93\xFA\x96\x7B.mp3\r\n.\\\x93\xFA\x96\x7B.mp3\r\n\r\n");
    EXPECT_EQ(writePlayListText(Lines{L"C:\\l\\\uD55C.mp3"}, L"C:\\l\\x.m3u"), "");
    EXPECT_EQ(writePlayListText(Lines{L"C:\\l\\a.mp3"}, L"C:\\l\\\uD55C.m3u"), "");
    EXPECT_EQ(writePlayListText(Lines{}, L"C:\\l\\x.m3u"), "");
}

TEST(PlayListFile, JapaneseNamesWrittenAndReadBack) {
    TempDirectory dir;
    const Lines files = {dir.file(L"\u65E5\u672C\u8A9E.mp3"), dir.file(L"lesson two.ogg"), L"Z:\\elsewhere\\c.wma"};
    const std::wstring list = dir.file(L"\u30EA\u30B9\u30C8.m3u");
    {
        TableFixture f;
        for (const std::wstring& file : files) ASSERT_TRUE(f.table.addAudioFile(file));
        const std::string text = writePlayListText(f.table, list);
        ASSERT_FALSE(text.empty());
        writeBytesTo(list, text);
    }
    TableFixture f;
    ASSERT_TRUE(readPlayList(f.table, list));
    EXPECT_EQ(f.paths(), files);
    EXPECT_EQ(f.table.getItemTextW(0, FileTable::kNameColumn), L"\u65E5\u672C\u8A9E.mp3");
    EXPECT_EQ(f.table.getPlayListPath(), list);
}

TEST(PlayListFile, ReadsUtf8WithAndWithoutMarkAndEveryLineEnd) {
    TempDirectory dir;
    const std::string name = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.mp3";  // 日本語.mp3 in UTF-8
    const Lines expected = {dir.file(L"\u65E5\u672C\u8A9E.mp3"), dir.file(L"b.ogg")};
    struct Case {
        const char* label;
        std::string bytes;
    };
    const Case cases[] = {
        {"UTF-8 with mark, CR LF", "\xEF\xBB\xBF#EXTM3U\r\n" + name + "\r\nb.ogg\r\n"},
        {"UTF-8 without mark, LF", "#EXTM3U\n#EXTINF:0," + name + "\n" + name + "\nb.ogg\n"},
        {"UTF-8 without mark, CR", "#EXTM3U\r" + name + "\rb.ogg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::wstring list = dir.file(L"list.m3u");
        writeBytesTo(list, c.bytes);
        TableFixture f;
        ASSERT_TRUE(readPlayList(f.table, list));
        EXPECT_EQ(f.paths(), expected);
    }
}

TEST(PlayListFile, OnlyAReadablePlayListReportsSuccess) {
    TempDirectory dir;
    TableFixture f;
    f.table.addAudioFile(L"C:\\kept.mp3");
    EXPECT_FALSE(readPlayList(f.table, dir.file(L"missing.m3u")));
    EXPECT_FALSE(readPlayList(f.table, dir.file(L"list.txt")));
    EXPECT_EQ(f.paths(), Lines{L"C:\\kept.mp3"});
    EXPECT_EQ(f.table.getPlayListPath(), L"");
    // A readable list that names nothing playable is still read.
    ASSERT_TRUE(writeTextFile(dir.file(L"empty.m3u"), L"#EXTM3U\r\nd.wav\r\n", kEncodingAnsi));
    EXPECT_TRUE(readPlayList(f.table, dir.file(L"empty.m3u")));
    EXPECT_EQ(f.table.getPlayListPath(), dir.file(L"empty.m3u"));
}

TEST_F(MainWindowTest, SavingAPlayListWritesAnsiAndRestoresTheConversionCodePage) {
    FileTable& table = main->getFileTable();
    ASSERT_TRUE(table.addAudioFile(dir.file(L"\u65E5\u672C.mp3")));
    ASSERT_TRUE(table.addAudioFile(dir.file(L"two.ogg")));
    for (UINT codePage : {0u, 65001u, 1252u}) {
        setConversionCodePage(codePage);
        const std::wstring list = dir.file(L"saved.m3u");
        ASSERT_TRUE(main->savePlayListTo(list));
        EXPECT_EQ(getConversionCodePage(), codePage);
        EXPECT_EQ(readFileBytes(list), "#EXTM3U\r\n#EXTINF:0,\x93\xFA\x96\x7B.mp3\r\n.\\\x93\xFA\x96\x7B.mp3\r\n\r\n"
                                 "#EXTINF:0,two.ogg\r\n.\\two.ogg\r\n\r\n");
        EXPECT_EQ(table.getPlayListPath(), list);
    }
    setConversionCodePage(0);
    EXPECT_TRUE(takeShownMessages().empty());

    // A play list whose own name the code page can't hold is not written.
    EXPECT_FALSE(main->savePlayListTo(dir.file(L"\uD55C.m3u")));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"Couldn't save PlayList.\r\nOne or more invalid characters is contained in the path.");
    EXPECT_EQ(::GetFileAttributesW(dir.file(L"\uD55C.m3u").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainWindowTest, TheSaveCommandProposesTheFirstFilesNameAndKeepsTheCodePage) {
    FileTable& table = main->getFileTable();
    ASSERT_TRUE(table.addAudioFile(dir.file(L"first.mp3")));
    setConversionCodePage(65001);
    {
        DialogPresser presser(::GetCurrentThreadId());
        main->savePlayList();
        EXPECT_EQ(presser.title(), L"Save as PlayList");
    }
    EXPECT_EQ(getConversionCodePage(), 65001u);
    setConversionCodePage(0);
    EXPECT_EQ(readFileBytes(dir.file(L"first.m3u")), "#EXTM3U\r\n#EXTINF:0,first.mp3\r\n.\\first.mp3\r\n\r\n");
    EXPECT_EQ(table.getPlayListPath(), dir.file(L"first.m3u"));
}

TEST_F(MainWindowTest, ADroppedPlayListThatCannotBeReadIsNotOpenedAsAudio) {
    const std::wstring audio = writePlainMp3(dir.file(L"open.mp3"));
    ASSERT_TRUE(main->openFile(audio));
    main->setModified(true);
    takeShownMessages();
    ASSERT_TRUE(main->onDropFiles(std::vector<std::wstring>{dir.file(L"missing.m3u")}));
    // Opening it would first have asked about the modified sentences.
    EXPECT_TRUE(takeShownMessages().empty());
    EXPECT_EQ(main->getAudioPath(), audio);
    EXPECT_EQ(main->getFileTable().getItemCount(), 0);
    main->setModified(false);
}
