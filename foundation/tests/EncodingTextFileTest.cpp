#include <gtest/gtest.h>

#include "foundation/encoding/TextEncoding.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/tests/EncodingTestSupport.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestWindows.h"

namespace {

// Text every writable id can hold: ASCII, kanji and kana common to the Japanese and
// Chinese code pages.
const wchar_t kJapanese[] = L"Line one\r\n\u65E5\u672C\u8A9E \u30C6\u30B9\u30C8";
const wchar_t kChinese[] = L"Line one\r\n\u65E5\u672C\u8A9E";

}  // namespace

TEST(EncodingTextFile, EveryWritableIdRoundTrips) {
    TempDirectory dir;
    for (EncodingId id : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 9}) {
        std::wstring expected = id == 6 ? kChinese : kJapanese;
        if (id == 0 && ::GetACP() != 932) expected = L"Line one\r\nplain";
        std::wstring path = dir.file(L"round" + std::to_wstring(id) + L".txt");
        ASSERT_TRUE(writeTextFile(path, expected, id)) << id;
        std::wstring text;
        EncodingId wanted = id == -1 ? 1 : id;
        EXPECT_EQ(readTextFile(path, text, wanted), wanted) << id;
        EXPECT_EQ(text, expected) << id;
        // Read with room to grow: the same text, and Shift_JIS decodes into the room.
        std::wstring roomy;
        EXPECT_EQ(readTextFile(path, roomy, wanted, true), wanted) << id;
        EXPECT_EQ(roomy, expected) << id;
        if (id == 5) {
            EXPECT_GE(roomy.capacity(), roomy.size() + 1024);
        }
    }
}

TEST(EncodingTextFile, MarksWrittenAndDetectedBack) {
    TempDirectory dir;
    std::wstring path = dir.file(L"marks.txt");
    const struct {
        EncodingId written;
        std::string start;
        EncodingId detected;
    } cases[] = {
        {-1, std::string("\xFF\xFE" "A\0", 4), 1}, {1, std::string("\xFF\xFE" "A\0", 4), 1},
        {2, std::string("\xFE\xFF\0A", 4), 2},
        {4, "\xEF\xBB\xBF" "A", 4}, {3, "A", 5},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeTextFile(path, L"A", c.written));
        EXPECT_EQ(readBytes(path), c.start) << c.written;
        std::wstring text;
        EXPECT_EQ(readTextFile(path, text, -1), c.detected) << c.written;
        EXPECT_EQ(text, L"A");
    }
}

TEST(EncodingTextFile, EmptyAndMissingFiles) {
    TempDirectory dir;
    std::wstring path = dir.file(L"empty.txt");
    writeBytes(path, "");
    std::wstring text = L"old";
    EXPECT_EQ(readTextFile(path, text, -1), 1);
    EXPECT_EQ(text, L"");
    text = L"old";
    EXPECT_EQ(readTextFile(path, text, 5), 5);
    EXPECT_EQ(text, L"");

    text = L"kept";
    EXPECT_EQ(readTextFile(dir.file(L"missing.txt"), text, -1), -1);
    EXPECT_EQ(text, L"kept");
    EXPECT_EQ(::GetLastError(), 0u);
}

TEST(EncodingTextFile, FailedSaveLeavesThePreviousFileByteIdentical) {
    TempDirectory dir;
    std::wstring path = dir.file(L"keep.txt");
    const std::string original("\xFF\xFE" "o\0l\0d\0", 8);
    writeBytes(path, original);

    EXPECT_FALSE(writeTextFile(path, L"new", 8));   // "Binary" can't be written
    EXPECT_FALSE(writeTextFile(path, L"new", 42));  // nor an unknown id
    EXPECT_EQ(readBytes(path), original);

    // A read-only target can't be replaced; the old content stays.
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(writeTextFile(path, L"new", 1));
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readBytes(path), original);

    EXPECT_FALSE(writeTextFile(dir.file(L"no-such-folder\\x.txt"), L"new", 1));

    // Nothing is left beside the file.
    EXPECT_FALSE(anyFileMatches(dir.path(), L"*.tmp"));
}

TEST(EncodingTextFile, SaveReplacesAnExistingFileCompletely) {
    TempDirectory dir;
    std::wstring path = dir.file(L"replace.txt");
    writeBytes(path, std::string(1000, 'x'));
    ASSERT_TRUE(writeTextFile(path, L"short", 3));
    EXPECT_EQ(readBytes(path), "short");
    ASSERT_TRUE(writeTextFile(path, L"", 5));
    EXPECT_EQ(readBytes(path), "");
}

TEST(EncodingTextFile, SavesATargetNearThePathLimit) {
    TempDirectory dir;
    std::wstring folder = dir.path() + L"\\" + std::wstring(150, L'f');
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    std::wstring path = folder + L"\\" + std::wstring(255 - folder.size() - 5, L'n') + L".txt";
    ASSERT_LT(path.size(), static_cast<size_t>(MAX_PATH));
    ASSERT_TRUE(writeTextFile(path, L"near the limit", 3));
    std::wstring text;
    EXPECT_EQ(readTextFile(path, text, 3), 3);
    EXPECT_EQ(text, L"near the limit");
}

TEST(EncodingTextFile, StreamStepsReportTheirResult) {
    TempDirectory dir;
    std::FILE* file = _wfopen(dir.file(L"stream.txt").c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(writeByteOrderMark(file, 2));
    EXPECT_TRUE(writeEncodedText(file, L"AB", 2));
    EXPECT_FALSE(writeEncodedText(file, L"AB", 8));
    EXPECT_TRUE(writeEncodedText(file, L"", 5));
    std::fclose(file);
    EXPECT_EQ(readBytes(dir.file(L"stream.txt")), std::string("\xFE\xFF\0A\0B", 6));
}

TEST(EncodingTextFile, AnsiFollowsTheConversionCodePage) {
    TempDirectory dir;
    std::wstring path = dir.file(L"ansi.txt");
    {
        ScopedConversionCodePage sjis(932);
        ASSERT_TRUE(writeTextFile(path, L"\u65E5", 0));
        EXPECT_EQ(readBytes(path), "\x93\xFA");
        std::wstring text;
        EXPECT_EQ(readTextFile(path, text, 0), 0);
        EXPECT_EQ(text, L"\u65E5");
    }
    if (::GetACP() == 1252) {
        // Under the default locale Japanese has no ANSI form.
        ASSERT_TRUE(writeTextFile(path, L"\u65E5\u00E9", 0));
        EXPECT_EQ(readBytes(path), "?\xE9");
    }
}

TEST(EncodingTextFile, FilesOfTwoGigabytesAreRefused) {
    TempDirectory dir;
    std::wstring path = dir.file(L"huge.txt");
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 0x80000000LL;  // extended without writing: no disk space is used
    ASSERT_TRUE(::SetFilePointerEx(file, size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(::SetEndOfFile(file));
    ::CloseHandle(file);
    std::wstring text = L"kept";
    EXPECT_EQ(readTextFile(path, text, -1), -1);
    EXPECT_EQ(text, L"kept");
}

TEST(EncodingTextFile, Utf16LeFilesReadAsTheirMarkSays) {
    TempDirectory dir;
    std::wstring path = dir.file(L"units.txt");
    const struct {
        std::string bytes;
        EncodingId wanted;
        EncodingId id;
        std::wstring text;
    } cases[] = {
        {std::string("\xFF\xFE" "a\0\x42\x30" "b", 7), 5, 1, L"a\u3042"},  // odd last byte
        {std::string("\xFF\xFE" "a\0\0\0b\0", 8), -1, 1, L"a"},           // up to U+0000
        {std::string("\xFF\xFE", 2), 3, 1, L""},
        {std::string("\xFF", 1), 1, 1, L""},
        {std::string("\xFE\xFF\0A", 4), 1, 2, L"A"},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.bytes);
        std::wstring text = L"old";
        EXPECT_EQ(readTextFile(path, text, c.wanted), c.id) << c.bytes.size();
        EXPECT_EQ(text, c.text) << c.bytes.size();
    }
}
