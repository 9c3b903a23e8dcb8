// Text files of every encoding, as other programs write them, read back.
#include <gtest/gtest.h>

#include "foundation/encoding/TextFile.h"

namespace {

const wchar_t kJapanese[] =
    L"\u65E5\u672C\u8A9E\u306E\u30C6\u30AD\u30B9\u30C8\u3067\u3059\u3002\r\n"
    L"English line, with \u6F22\u5B57 and \u30AB\u30BF\u30AB\u30CA.\r\n";
const wchar_t kChinese[] =
    L"\u4E2D\u6587\u6E2C\u8A66\u8CC7\u6599\uFF0C\u6211\u5011\u7684\u4F60\u597D\u3002\r\nEnglish line.\r\n";

std::wstring fixture(const wchar_t* name) {
    return std::wstring(TEST_FIXTURES_DIR) + L"\\encodings\\" + name;
}

}  // namespace

TEST(EncodingFixtures, DetectedAndDecoded) {
    const struct {
        const wchar_t* file;
        EncodingId detected;
        EncodingId asked;  // what a reader that knows the encoding asks for
        const wchar_t* text;
    } cases[] = {
        {L"shift_jis.txt", 5, 5, kJapanese},
        {L"euc_jp.txt", 7, 7, kJapanese},
        {L"utf8.txt", 3, 3, kJapanese},
        {L"utf8_bom.txt", 4, 3, kJapanese},
        {L"utf16le_bom.txt", 1, 5, kJapanese},
        {L"utf16be_bom.txt", 2, 5, kJapanese},
        // BIG5 and ISO-2022-JP bytes are also plausible Shift_JIS, which wins ties.
        {L"big5.txt", 5, 6, kChinese},
        {L"iso2022jp.txt", 5, 9, kJapanese},
    };
    for (const auto& c : cases) {
        std::wstring text;
        EXPECT_EQ(readTextFile(fixture(c.file), text, -1), c.detected) << c.file;
        if (c.detected == c.asked || c.detected <= 4) {
            EXPECT_EQ(text, c.text) << c.file;
        }
        text.clear();
        EncodingId used = readTextFile(fixture(c.file), text, c.asked);
        EXPECT_EQ(text, c.text) << c.file << " read as " << c.asked << " gave " << used;
    }
}
