// Translating through a translation page served on 127.0.0.1: what the query carries and
// what is cut out of the answer.
#include <gtest/gtest.h>

#include "player/settings/Settings.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/TestWindows.h"
#include "words/WebTranslation.h"

namespace {

const char kPage[] = "/translate_t?hl=ja&langpair=en%7Cja&text=";

// A page laid out as the service answers: the result box, and in it the span whose
// background the mouse changes.
std::string answerPage(const std::string& translation) {
    return "<html><body><span style=\"backgroundColor='#fff'\">menu</span>"
           "<span id=result_box class=\"short_text\"><span title=\"x\" "
           "onmouseout=\"this.style.backgroundColor='#fff'\">" +
           translation + "</span></span></body></html>";
}

class WebTranslationTest : public ::testing::Test {
protected:
    void SetUp() override {
        installRecordingMessageSink();
        takeShownMessages();
        useService(server);
    }
    void TearDown() override { writeIniString(kTranslationSection, kTranslationAddressKey, kDefaultTranslationAddress); }
    static void useService(const LocalHttpServer& service) {
        ASSERT_TRUE(writeIniString(kTranslationSection, kTranslationAddressKey, service.wideUrl("")));
    }

    LocalHttpServer server;
};

}  // namespace

TEST_F(WebTranslationTest, SendsTheSentenceAsUtf8PercentEncodedAndCutsOutTheTranslation) {
    const std::string query =
        "Tom%20%26%20Jerry%27s%20%22cat%22%20%231%20%2B%20%E7%8C%AB%20%20and%20100%25";
    server.serve(kPage + query, answerPage("トムとジェリーの「猫」"));
    EXPECT_EQ(L"トムとジェリーの「猫」", translateText(L"Tom & Jerry\u2019s \u201Ccat\u201D #1 + 猫\r\nand 100%"));
    ASSERT_EQ(1u, server.requests().size());
    EXPECT_EQ(0u, server.requests()[0].find(std::string("GET ") + kPage + query + " HTTP/1.1"));
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST_F(WebTranslationTest, APageWithoutItsMarkersGivesNoTranslationAndSaysWhy) {
    server.serve(kPage + std::string("dog"), "<html>" + std::string(2000, 'x') + "</html>");
    EXPECT_EQ(L"", translateText(L"dog"));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(1000u, shown[0].text.size());
    EXPECT_EQ(0u, shown[0].text.find(L"<html>xxx"));

    // The start marker without an end: the end marker is named.
    server.serve(kPage + std::string("cat"), "<span id=result_box><span backgroundColor='#fff'\">猫");
    EXPECT_EQ(L"", translateText(L"cat"));
    shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"</span>", shown[0].text);

    // No page at all (an error answer): the look-up says so.
    EXPECT_EQ(L"", translateText(L"bird"));
    shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"The translation could not be fetched.", shown[0].text);
}

TEST_F(WebTranslationTest, TheServiceAddressIsReadAtEachCall) {
    server.serve(kPage + std::string("one"), answerPage("一"));
    EXPECT_EQ(L"一", translateText(L"one"));
    LocalHttpServer other;
    other.serve(kPage + std::string("one"), answerPage("いち"));
    useService(other);
    EXPECT_EQ(L"いち", translateText(L"one"));
    EXPECT_EQ(1u, server.requests().size());
    EXPECT_EQ(1u, other.requests().size());
}

TEST(WebTranslationUrl, KeepsTheQueryKeysInTheirOrder) {
    EXPECT_EQ("http://127.0.0.1:8/translate_t?hl=ja&langpair=en%7Cja&text=a%20b%20-._~",
              translationPageUrl(L"http://127.0.0.1:8", L"a b\n-._~"));
}
