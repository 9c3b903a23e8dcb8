#include <gtest/gtest.h>

#include "downloaders/http/PercentEncoding.h"

TEST(PercentEncoding, KeepsUnreservedCharactersAndEncodesEveryOtherUtf8Byte) {
    EXPECT_EQ("AZaz09-._~", percentEncodeUtf8(L"AZaz09-._~"));
    EXPECT_EQ("%20%21%23%24%25%26%27%2B%2C%2F%3A%3D%3F%40", percentEncodeUtf8(L" !#$%&'+,/:=?@"));
    // Two, three and four UTF-8 bytes (a surrogate pair is one character).
    EXPECT_EQ("%C3%A9%E7%8C%AB%F0%9F%98%80", percentEncodeUtf8(L"é猫\U0001F600"));
    EXPECT_EQ("", percentEncodeUtf8(L""));
}
