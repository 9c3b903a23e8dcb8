#include <gtest/gtest.h>

#include "standins/flvstreamer/StreamerOptions.h"

TEST(StreamerOptions, ReadsTheRecordersCommandLines) {
    struct Case {
        std::vector<std::wstring> arguments;
        std::wstring stream, output, player;
        bool live;
    } cases[] = {
        {{L"-r", L"rtmpe://h/app/a/b", L"-s", L"http://p/x.swf", L"-o", L"C:\\v\\b.flv"},
         L"rtmpe://h/app/a/b", L"C:\\v\\b.flv", L"http://p/x.swf", false},
        {{L"-v", L"-r", L"rtmp://h/a", L"-o", L"out 1.flv"}, L"rtmp://h/a", L"out 1.flv", L"", true},
        {{L"--live", L"--rtmp", L"s", L"--flv", L"o", L"--swfUrl", L"p"}, L"s", L"o", L"p", true},
    };
    for (const Case& c : cases) {
        StreamerOptions options;
        std::wstring error;
        ASSERT_TRUE(parseStreamerOptions(c.arguments, options, error)) << error;
        EXPECT_EQ(c.stream, options.streamUrl);
        EXPECT_EQ(c.output, options.outputPath);
        EXPECT_EQ(c.player, options.playerUrl);
        EXPECT_EQ(c.live, options.live);
    }
}

TEST(StreamerOptions, RefusesUnknownOptionsAndMissingValues) {
    std::vector<std::vector<std::wstring>> bad = {
        {L"-r", L"s"}, {L"-o", L"o"}, {L"-r", L"s", L"-o"}, {L"-x", L"-r", L"s", L"-o", L"o"}, {L"-r", L"s", L"-o", L"o", L"extra"}, {}};
    for (const auto& arguments : bad) {
        StreamerOptions options;
        std::wstring error;
        EXPECT_FALSE(parseStreamerOptions(arguments, options, error));
        EXPECT_FALSE(error.empty());
    }
    StreamerOptions options;
    std::wstring error;
    EXPECT_TRUE(parseStreamerOptions({L"-h"}, options, error));
    EXPECT_TRUE(options.help);
}
