#include <gtest/gtest.h>

#include "downloaders/table/CardDownloader.h"
#include "downloaders/table/PhotoIndexPage.h"
#include "downloaders/table/SafeText.h"
#include "downloaders/table/UrlScheme.h"
#include "testsupport/TestWindows.h"

TEST(UrlScheme, AddsTheSchemeOnlyToAnAddressWithoutOne) {
    const struct {
        const wchar_t* typed;
        const wchar_t* scheme;
        const wchar_t* expected;
    } cases[] = {
        {L"example.com/pics/a.jpg", L"http://", L"http://example.com/pics/a.jpg"},
        {L"http://example.com/a", L"http://", L"http://example.com/a"},
        {L"https://h", L"http://", L"https://h"},
        {L"http://h", L"https://", L"http://h"},
        {L"HTTPS://h", L"http://", L"HTTPS://h"},
        {L"h/a?u=http://x", L"https://", L"https://h/a?u=http://x"},
        {L"://h", L"http://", L"http://://h"},
        {L"", L"https://", L"https://"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, withScheme(c.typed, c.scheme)) << c.typed;
}

TEST(SafeText, CommandArgumentsRefuseQuotesControlsAndShellCharacters) {
    EXPECT_TRUE(isSafeCommandArgument(L"rtmp://h/app/voice_0012"));
    EXPECT_TRUE(isSafeCommandArgument(L"C:\\Program Files\\voices\\a b.flv"));
    EXPECT_TRUE(isSafeCommandArgument(L"\u65E5\u672C\u53F2 (1)"));
    for (const wchar_t* bad :
         {L"a\" -o \"C:\\evil", L"a\r\nb", L"%PATH%", L"a^b", L"a&calc", L"a|b", L"a<b", L"a>b", L"tab\there"}) {
        EXPECT_FALSE(isSafeCommandArgument(bad)) << bad;
    }
    EXPECT_FALSE(isSafeCommandArgument(std::wstring(L"a\0b", 3)));
}

TEST(SafeText, FileNamesStayInsideTheirFolder) {
    const struct {
        const wchar_t* name;
        const wchar_t* expected;
    } cases[] = {
        {L"harbour.jpg", L"harbour.jpg"},
        {L"..\\..\\Windows\\win.ini", L"____Windows_win.ini"},
        {L"../../etc", L"____etc"},
        {L"C:evil", L"C_evil"},
        {L"..", L"_"},
        {L".", L"_"},
        {L"", L"_"},
        {L" name. ", L"name"},
        {L"a\"b*c?d<e>f|g%h^i&j", L"a_b_c_d_e_f_g_h_i_j"},
        {L"line\nbreak", L"line_break"},
        {L"\u65E5\u672C\u53F2 \u7B2C1\u56DE", L"\u65E5\u672C\u53F2 \u7B2C1\u56DE"},
        // Device names, with or without an extension, would open the device.
        {L"nul.jpg", L"_nul.jpg"},
        {L"con", L"_con"},
        {L"Aux .tar.gz", L"_Aux .tar.gz"},
        {L"PRN", L"_PRN"},
        {L"com1.mp3", L"_com1.mp3"},
        {L"LPT9", L"_LPT9"},
        {L"COM0.jpg", L"COM0.jpg"},
        {L"console.jpg", L"console.jpg"},
        {L"null", L"null"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, safeFileName(c.name)) << c.name;
}

TEST(InnerText, CutsBetweenMarkersAndTellsWhichIsMissing) {
    std::wstring inner;
    EXPECT_EQ(InnerTextResult::Found, findInnerText(L"x<b>one</b><b>two</b>", L"<b>", L"</b>", 5, inner));
    EXPECT_EQ(L"two", inner);
    EXPECT_EQ(InnerTextResult::NoStart, findInnerText(L"x<b>one</b>", L"<i>", L"</i>", 0, inner));
    EXPECT_EQ(InnerTextResult::NoEnd, findInnerText(L"x<b>one", L"<b>", L"</b>", 0, inner));
    EXPECT_EQ(L"", inner);
    EXPECT_EQ(InnerTextResult::NoStart, findInnerText(L"ab", L"a", L"b", 99, inner));
}

TEST(CardDownloader, AMissingMarkerIsShownAndGivesNothing) {
    installRecordingMessageSink();
    takeShownMessages();
    EXPECT_EQ(L"two", CardDownloader::getInnerText(L"x<b>one</b><b>two</b>", L"<b>", L"</b>", 5));
    EXPECT_TRUE(takeShownMessages().empty());
    const std::wstring page = L"<p>" + std::wstring(1200, L'x');
    EXPECT_EQ(L"", CardDownloader::getInnerText(page, L"<i>", L"</i>", 0));
    EXPECT_EQ(L"", CardDownloader::getInnerText(page, L"<p>", L"</p>", 0));
    const std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ(page.substr(0, 1000), shown[0].text);
    EXPECT_EQ(L"</p>", shown[1].text);
}

TEST(PhotoIndexPage, EntriesTakeTheFirstLinkAndTitleAfterTheirAnchor) {
    const PhotoIndex index = readPhotoIndex(
        L"<a itemprop=image rel=x href=\"/pics/1.jpg\"><span itemprop=name>One</span>"
        L"<a itemprop=image rel=x href=\"/pics/2.jpg\"><span itemprop=name>Two</span>"
        L"<a itemprop=image rel=x href=\"\"><span itemprop=name>Empty link ends it</span>"
        L"<a itemprop=image rel=x href=\"/pics/4.jpg\"><span itemprop=name>Four</span>");
    ASSERT_EQ(2u, index.entries.size());
    EXPECT_EQ(L"/pics/2.jpg", index.entries[1].url);
    EXPECT_EQ(L"Two", index.entries[1].title);
    EXPECT_EQ(InnerTextResult::Found, index.failure);

    const PhotoIndex cut = readPhotoIndex(L"<a itemprop=image rel=x href=\"/pics/1.jpg\"><span itemprop=name>One");
    EXPECT_TRUE(cut.entries.empty());
    EXPECT_EQ(InnerTextResult::NoEnd, cut.failure);
    EXPECT_EQ(L"</span>", cut.missingEndTag);
}
