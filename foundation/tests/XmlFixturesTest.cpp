// XML files as the program and other programs write them.
#include <gtest/gtest.h>

#include "foundation/tests/EncodingTestSupport.h"
#include "foundation/xml/XMLParser.h"
#include "testsupport/TestWindows.h"

namespace {

std::wstring fixture(const wchar_t* name) {
    return std::wstring(TEST_FIXTURES_DIR) + L"\\xml\\" + name;
}

}  // namespace

TEST(XmlFixtures, SentenceListIsWrittenBackByteForByte) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(fixture(L"sentence_list_utf16.xml")));
    EXPECT_EQ(parser.getRootElement()->getAttribute(L"audio"), L"news & views.mp3");
    EXPECT_EQ(parser.getElementByTagName(L"sentence")->getText(), L"Tom & Jerry <run>.");
    TempDirectory dir;
    ASSERT_TRUE(parser.saveAs(dir.file(L"copy.xml")));
    EXPECT_EQ(readBytes(dir.file(L"copy.xml")), readBytes(fixture(L"sentence_list_utf16.xml")));
}

// The second file is UTF-8 declared as Shift_JIS: read again as Shift_JIS, it parses
// silently (into other characters), as long as the bytes keep the mark-up intact.
TEST(XmlFixtures, DeclaredShiftJisReadsAndSavesAsShiftJis) {
    takeShownMessages();
    for (const wchar_t* file : {L"shift_jis_declared.xml", L"utf8_declared_as_shift_jis.xml"}) {
        XMLParser parser;
        ASSERT_TRUE(parser.parseFile(fixture(file))) << file;
        Element* item = parser.getElementByTagName(L"item");
        ASSERT_NE(item, nullptr);
        if (std::wstring(file) == L"shift_jis_declared.xml") {
            EXPECT_EQ(item->getAttribute(L"name"), L"\u65E5\u672C");
            EXPECT_EQ(item->getAllText(), L"\u30C6\u30AD\u30B9\u30C8 & \u8A9E");
            TempDirectory dir;
            ASSERT_TRUE(parser.saveAs(dir.file(L"copy.xml")));
            EXPECT_EQ(readBytes(dir.file(L"copy.xml")), readBytes(fixture(file)));
        }
    }
    EXPECT_TRUE(takeShownMessages().empty());
}
