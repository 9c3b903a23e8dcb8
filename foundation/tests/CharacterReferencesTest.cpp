#include <gtest/gtest.h>

#include "foundation/html/HTMLParser.h"
#include "foundation/xml/CharacterReferences.h"

TEST(CharacterReferences, DecodesNamedAndNumericReferences) {
    const struct {
        const wchar_t* input;
        const wchar_t* expected;
    } cases[] = {
        {L"&lt;b&gt;", L"<b>"},
        {L"&#12354;", L"\u3042"},
        {L"&#x41;", L"&#x41;"},
        {L"&nbsp;", L" "},
        {L"&piv;&apos;&Eacute;&eacute;", L"\u03D6'\u00C9\u00E9"},
        {L"&bogus;", L"!"},
        {L"&abcdefghi;", L"!"},
        {L"&abcdefghij;", L"&abcdefghij;"},
        {L"&amp;lt;", L"<"},
        {L"&amp;#60;", L"&#60;"},
        {L"&amp;&amp;", L"&&"},
        {L"a & b", L"a & b"},
        {L"end&", L"end&"},
        {L"&#128512;", L"\U0001F600"},
        {L"&#0;x&#;", L"&#0;x&#;"},
        {L"&euro;&fnof;&rsaquo;", L"!!!"},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeCharacterReferences(c.input, false), c.expected) << c.input;
}

// Digits other than "0"-"9" (full-width, Arabic-Indic) make no reference: read as digits,
// "&#\uFF11\uFF12;" would become U+AF3AC.
TEST(CharacterReferences, OnlyAsciiDigitsMakeANumericReference) {
    for (const wchar_t* text : {L"&#\uFF11\uFF12;", L"&#1\uFF12;", L"&#\u0663;", L"&#x\uFF11;"}) {
        EXPECT_EQ(decodeCharacterReferences(text, false), text) << text;
    }
    EXPECT_EQ(decodeCharacterReferences(L"a&#65;&#\uFF16\uFF15;b", false), L"aA&#\uFF16\uFF15;b");
    // The HTML page decoder knows only its table of spellings.
    EXPECT_EQ(HTMLParser::decodeCharacterReferences(L"&#\uFF16\uFF10;&#60;"), L"&#\uFF16\uFF10;<");
}

TEST(CharacterReferences, LineBreaksAndBackslashes) {
    EXPECT_EQ(decodeCharacterReferences(L"a\r\nb\rc\nd", true), L"a b c d");
    EXPECT_EQ(decodeCharacterReferences(L"a\r\nb", false), L"ab");
    EXPECT_EQ(decodeCharacterReferences(L"x\\ny\\tz\\r\\\\q\\", false), L"x\r\ny\tz\\q");
}

TEST(CharacterReferences, EntityTableHoldsItsNames) {
    EXPECT_EQ(getNamedEntity(L"amp"), L"&");
    EXPECT_EQ(getNamedEntity(L"zwnj"), L"\u200C");
    EXPECT_EQ(getNamedEntity(L"AElig"), L"\u00C6");
    EXPECT_EQ(getNamedEntity(L"euro"), L"");
    EXPECT_EQ(getNamedEntity(L""), L"");
}
