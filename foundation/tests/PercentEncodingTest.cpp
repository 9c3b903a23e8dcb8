#include <gtest/gtest.h>

#include "foundation/http/PercentEncoding.h"

TEST(PercentEncoding, KeepsUnreservedCharactersAndEncodesEveryOtherUtf8Byte) {
    EXPECT_EQ("AZaz09-._~", percentEncodeUtf8(L"AZaz09-._~"));
    EXPECT_EQ("%20%21%23%24%25%26%27%2B%2C%2F%3A%3D%3F%40", percentEncodeUtf8(L" !#$%&'+,/:=?@"));
    // Two, three and four UTF-8 bytes (a surrogate pair is one character).
    EXPECT_EQ("%C3%A9%E7%8C%AB%F0%9F%98%80", percentEncodeUtf8(L"é猫\U0001F600"));
    EXPECT_EQ("", percentEncodeUtf8(L""));

    // The wide form, as URLs built as wide text use it; lone surrogates become U+FFFD.
    struct Case {
        std::wstring text;
        std::wstring encoded;
    };
    const Case cases[] = {
        {L"", L""},
        {L"en-US_x.y~Z09", L"en-US_x.y~Z09"},
        {L"CC & notes", L"CC%20%26%20notes"},
        {L"a=b+c#d%e?f/g", L"a%3Db%2Bc%23d%25e%3Ff%2Fg"},
        {L"\u65E5\u672C\u8A9E", L"%E6%97%A5%E6%9C%AC%E8%AA%9E"},
        {L"\U0001F600", L"%F0%9F%98%80"},
        {std::wstring(1, wchar_t(0xD800)) + L"x", L"%EF%BF%BDx"},
        {std::wstring(1, wchar_t(0xDC00)), L"%EF%BF%BD"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.encoded, percentEncode(c.text)) << c.text.c_str();
}
