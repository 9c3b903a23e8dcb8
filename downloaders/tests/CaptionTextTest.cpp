#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "downloaders/captions/CaptionSentences.h"
#include "downloaders/captions/TimedTextReader.h"
#include "downloaders/captions/TimedTextService.h"
#include "downloaders/captions/VideoPageUrl.h"
#include "foundation/http/PercentEncoding.h"

namespace {

std::vector<CaptionTrack> tracksOf(const std::wstring& xml) {
    std::vector<CaptionTrack> tracks;
    EXPECT_TRUE(readCaptionTracks(xml, tracks)) << xml.c_str();
    return tracks;
}

}  // namespace

TEST(VideoPageUrl, AcceptsWatchPagesOfTheVideoSiteAndTakesTheIdAlone) {
    EXPECT_TRUE(isVideoPageUrl(L"https://m.youtube.com/watch?v=abc&feature=share"));
    EXPECT_TRUE(isVideoPageUrl(L"youtube.com/watch?v="));
    EXPECT_FALSE(isVideoPageUrl(L"http://www.example.com/watch?v=abc"));
    EXPECT_FALSE(isVideoPageUrl(L"http://www.youtube.com/watch?x=1&v=abc"));
    EXPECT_EQ(L"Ab_9-x", videoIdOf(L"http://www.youtube.com/watch?v=Ab_9-x&feature=related&t=10"));
    EXPECT_EQ(L"Ab_9-x", videoIdOf(L"http://www.youtube.com/watch?v=Ab_9-x/more/path"));
    EXPECT_EQ(L"Ab_9-x", videoIdOf(L"http://www.youtube.com/watch?v=Ab_9-x"));
    EXPECT_EQ(L"", videoIdOf(L"http://www.youtube.com/"));
}

TEST(TimedTextService, TrackAddressesKeepTheirKeysAndOrderWithValuesEncoded) {
    EXPECT_EQ(L"http://127.0.0.1:8080/timedtext?type=list&v=abc", captionTrackListUrl(L"127.0.0.1:8080", L"abc"));
    EXPECT_EQ(L"http://h/timedtext?hl=en&lang=en&name=&v=abc",
              captionTrackUrl(L"h", CaptionTrack{L"English", L"", L"en"}, L"abc"));
    // A name with blanks, "&" and "#" would otherwise end the value, add a key, or cut the
    // query off as a fragment.
    EXPECT_EQ(L"http://h/timedtext?hl=zh%20Hant&lang=zh%20Hant&name=CC%20%26%20more%20%232&v=abc",
              captionTrackUrl(L"h", CaptionTrack{L"x", L"CC & more #2", L"zh Hant"}, L"abc"));
    EXPECT_EQ(L"http://h/timedtext?hl=ja&lang=ja&name=%E5%AD%97%E5%B9%95&v=v",
              captionTrackUrl(L"h", CaptionTrack{L"", L"\u5B57\u5E55", L"ja"}, L"v"));
}

TEST(TimedTextReader, ReadsEveryTrackInOrderWithMissingAttributesEmpty) {
    const std::vector<CaptionTrack> tracks = tracksOf(
        L"<transcript_list docid='1'><track id='0' name='' lang_code='en' lang_original='English'/>"
        L"<track id='1' lang_code='fr'/><group><track name='CC &amp; more' lang_code='ja' "
        L"lang_original='\u65E5\u672C\u8A9E'/></group></transcript_list>");
    ASSERT_EQ(3u, tracks.size());
    EXPECT_EQ(L"English", tracks[0].title);
    EXPECT_EQ(L"en", tracks[0].languageCode);
    EXPECT_EQ(L"", tracks[1].title);
    EXPECT_EQ(L"", tracks[1].name);
    EXPECT_EQ(L"fr", tracks[1].languageCode);
    EXPECT_EQ(L"\u65E5\u672C\u8A9E", tracks[2].title);
    EXPECT_EQ(L"CC & more", tracks[2].name);
    EXPECT_TRUE(tracksOf(L"<transcript_list/>").empty());

    // The parser's syntax errors end at the reader.
    std::vector<CaptionTrack> none;
    EXPECT_FALSE(readCaptionTracks(L"<transcript_list><track lang_original='x'></oops>", none));
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(L"", readCaptionText(L"<transcript><text>cut</oops>"));
}

TEST(TimedTextReader, JoinsTheTextElementsWithBlanksAndDecodesTheirReferences) {
    // The service escapes the references of its text once more, as "&amp;#39;".
    EXPECT_EQ(L"It's here. Say \"hi\" & go. ",
              readCaptionText(L"<transcript><text start='1' dur='2'>It&amp;#39;s here.</text>"
                              L"<text start='3'>Say &amp;quot;hi&amp;quot; &amp;amp; go.</text></transcript>"));
    // Line breaks inside an element become blanks; element text of children counts too.
    EXPECT_EQ(L"one two three four ",
              readCaptionText(L"<transcript><text>one\ntwo\r\nthree</text><text><b>four</b></text></transcript>"));
    EXPECT_EQ(L"line break ", readCaptionText(L"<transcript><text>line&#10;break</text></transcript>"));
}

TEST(CaptionSentences, OneSentenceALineWithoutTheSeparatingBlank) {
    using Lines = std::vector<std::wstring>;
    EXPECT_EQ((Lines{L"Good morning.", L"How are you today?"}),
              splitCaptionSentences(L"Good morning. How are you today? "));
    // A sentence over two caption elements, joined by the reader's blank, stays one line.
    EXPECT_EQ((Lines{L"It was a fine day for a walk.", L"We went out."}),
              splitCaptionSentences(L"It was a fine day for a walk. We went out. "));
    EXPECT_EQ((Lines{L"no punctuation at all here "}), splitCaptionSentences(L"no punctuation at all here  "));
    EXPECT_EQ((Lines{L"Mr. Smith came home.", L"  Yes!"}), splitCaptionSentences(L"Mr. Smith came home.   Yes! "));
    EXPECT_TRUE(splitCaptionSentences(L"").empty());
    EXPECT_TRUE(splitCaptionSentences(L"   \r\n\t ").empty());
}
