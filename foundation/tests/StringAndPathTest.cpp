#include <gtest/gtest.h>

#include "foundation/system/CharacterClasses.h"
#include "foundation/system/File.h"
#include "foundation/system/PathUtils.h"
#include "foundation/system/StringUtils.h"
#include "foundation/tests/EncodingTestSupport.h"
#include "foundation/xml/ElementText.h"
#include "foundation/xml/XMLParser.h"
#include "testsupport/TestWindows.h"

TEST(Strings, FormatTakesWideStringsAndAnyLength) {
    EXPECT_EQ(formatString(L"%s=%d", L"a", -5), L"a=-5");
    EXPECT_EQ(formatString(L"%02d:%02d:%02d", 1, 2, 3), L"01:02:03");
    std::wstring longText(5000, L'x');
    EXPECT_EQ(formatString(L"[%s]", longText.c_str()), L"[" + longText + L"]");
}

TEST(Strings, ReplaceSplitAndTrim) {
    EXPECT_EQ(replaceAll(L"aaa", L"aa", L"b"), L"ba");
    EXPECT_EQ(replaceAll(L"a/b/c", L"/", L"\\\\"), L"a\\\\b\\\\c");
    EXPECT_EQ(replaceAll(L"abc", L"", L"x"), L"abc");
    EXPECT_EQ(replaceAll(L"abc", L"z", L"x"), L"abc");

    std::vector<std::wstring> pieces;
    splitStringInto(pieces, L"a,,b", L",");
    EXPECT_EQ(pieces, (std::vector<std::wstring>{L"a", L"", L"b"}));
    pieces.clear();
    splitStringInto(pieces, L"x", L",");
    splitStringInto(pieces, L"y,", L",");
    splitStringInto(pieces, L"", L",");
    EXPECT_EQ(pieces, (std::vector<std::wstring>{L"x", L"y", L""}));
    EXPECT_EQ(splitString(L"", L"/"), std::vector<std::wstring>{L""});
    EXPECT_EQ(splitString(L"2026/12/07", L"/"), (std::vector<std::wstring>{L"2026", L"12", L"07"}));
    EXPECT_EQ(splitString(L"a--b", L"--"), (std::vector<std::wstring>{L"a", L"b"}));

    EXPECT_EQ(trimString(L"  ", L" "), L"");
    EXPECT_EQ(trimString(L"", L" "), L"");
    EXPECT_EQ(trimString(L" \tab c\r\n", L" \t\r\n"), L"ab c");
}

TEST(Strings, EscapeFileNameAndCharacterClasses) {
    EXPECT_EQ(escapeFileName(L"a:b"), L"a%3Ab");
    EXPECT_EQ(escapeFileName(L"<>\"/\\|?*"), L"%3C%3E%22%2F%5C%7C%3F%2A");
    EXPECT_EQ(escapeFileName(L"a\tb\u65E5"), L"a b\u65E5");
    EXPECT_TRUE(chars::isLowerChar('a'));
    EXPECT_FALSE(chars::isLowerChar(0x3042));
    EXPECT_EQ(chars::toUpperChar('q'), 'Q');
    EXPECT_EQ(chars::toLowerChar(0x0410), 0x0410);
    EXPECT_TRUE(chars::isBlankChar('\t'));
    EXPECT_FALSE(chars::isBlankChar('\n'));
}

TEST(Paths, DirectoryNameAndExtension) {
    EXPECT_EQ(getDirectory(L"b.txt"), L"");
    EXPECT_EQ(getDirectory(L"C:\\a\\b.txt"), L"C:\\a\\");
    EXPECT_EQ(getDirectory(L"C:\\b.txt"), L"C:\\");
    EXPECT_EQ(removeExtension(L"C:\\a.b\\c.mp3"), L"C:\\a.b\\c");
    EXPECT_EQ(removeExtension(L"C:\\a.b\\c"), L"C:\\a.b\\c");
    EXPECT_EQ(getFileName(L"C:\\a\\b.txt"), L"b.txt");
    EXPECT_EQ(getFileName(L"http://host/dir/page.html"), L"page.html");

    // Paths longer than the classic limit are not cut.
    std::wstring longFolder = L"C:\\" + std::wstring(300, L'd') + L"\\";
    EXPECT_EQ(getDirectory(longFolder + L"f.x"), longFolder);
    EXPECT_EQ(getFileName(longFolder + L"f.x"), L"f.x");
    EXPECT_EQ(removeExtension(longFolder + L"f.x"), longFolder + L"f");
}

TEST(Paths, CreateDirectoryMakesEveryLevel) {
    TempDirectory dir;
    std::wstring target = dir.path() + L"/x/y/z.mp3";
    EXPECT_TRUE(createDirectory(target));
    EXPECT_TRUE(fileExists(dir.path() + L"\\x\\y"));
    EXPECT_TRUE(createDirectory(target));  // existing folders are no failure
    EXPECT_EQ(::GetLastError(), 0u);
    EXPECT_TRUE(createDirectory(dir.path() + L"\\folder\\"));
    EXPECT_TRUE(fileExists(dir.path() + L"\\folder"));

    // A file where a folder should be: the folder can't exist afterwards.
    writeBytes(dir.file(L"plain"), "x");
    EXPECT_FALSE(createDirectory(dir.path() + L"\\plain\\sub\\f.txt"));

    // Deeper than the classic path limit.
    std::wstring deep = dir.path();
    for (int i = 0; i < 12; ++i) deep += L"\\" + std::wstring(30, static_cast<wchar_t>(L'a' + i));
    EXPECT_TRUE(createDirectory(deep + L"\\file.txt"));
    EXPECT_TRUE(fileExists(L"\\\\?\\" + deep));
    // Remove the deep levels here: the shell's recursive delete can't walk paths this long.
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(::RemoveDirectoryW((L"\\\\?\\" + deep).c_str()));
        deep.resize(deep.find_last_of(L'\\'));
    }
}

TEST(Paths, ExistsAndMove) {
    TempDirectory dir;
    EXPECT_FALSE(fileExists(dir.file(L"none")));
    EXPECT_EQ(::GetLastError(), 0u);
    EXPECT_FALSE(fileExists(L""));
    writeBytes(dir.file(L"a"), "1");
    EXPECT_TRUE(moveFile(dir.file(L"a"), dir.file(L"a")));
    EXPECT_TRUE(moveFile(dir.file(L"a"), dir.file(L"b")));
    EXPECT_FALSE(fileExists(dir.file(L"a")));
    EXPECT_EQ(readBytes(dir.file(L"b")), "1");
    EXPECT_FALSE(moveFile(dir.file(L"a"), dir.file(L"c")));
}

TEST(Files, OpenReadsTimesAndKeepsThePath) {
    TempDirectory dir;
    File missing;
    EXPECT_FALSE(missing.open(dir.file(L"none"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(missing.getPath(), dir.file(L"none"));
    EXPECT_EQ(missing.getHandle(), nullptr);
    EXPECT_EQ(missing.close(), 0);

    writeBytes(dir.file(L"f"), "abc");
    File file(dir.file(L"f"));
    ASSERT_TRUE(file.open(dir.file(L"f"), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    EXPECT_EQ(file.getCreationYear(), now.wYear);
    EXPECT_EQ(file.getInformation().nFileSizeLow, 3u);
    EXPECT_NE(file.close(), 0);
    EXPECT_EQ(file.getHandle(), nullptr);
}

TEST(XmlConveniences, ChildTextsAndTagLookups) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<id3><year> 2026</year><t>a<b>c</b></t><n/><deep><day>5</day></deep></id3>"));
    Element* id3 = parser.getRootElement();
    EXPECT_EQ(getElementInt(id3, L"year", 0), 2026);
    EXPECT_EQ(getElementInt(id3, L"month", 3), 3);
    EXPECT_EQ(getChildElementText(id3, L"t", L"-"), L"ac");
    EXPECT_EQ(getChildElementText(id3, L"n", L"-"), L"");
    EXPECT_EQ(getChildElementText(id3, L"day", L"30"), L"30");  // children only
    EXPECT_EQ(getElementText(id3, L"none", L"d"), L"d");
    EXPECT_EQ(parser.getElementsByTagName(L"id3").size(), 1u);
    EXPECT_TRUE(XMLParser().getElementsByTagName(L"id3").empty());
}
