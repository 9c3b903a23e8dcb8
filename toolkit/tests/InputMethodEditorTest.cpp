// Ruby text through the project's reading server (kakasi readings), registered under
// "MSIME.Japan" by the test set-up.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/widgets/InputMethodEditor.h"
#include "toolkit/widgets/RubyMarkup.h"

namespace {

class ReadingServer : public ::testing::Test {
protected:
    void SetUp() override {
        takeShownMessages();
        ASSERT_TRUE(ime.open(L"MSIME.Japan"));
    }
    void TearDown() override { EXPECT_TRUE(takeShownMessages().empty()); }

    std::wstring stripped(std::wstring text) {
        stripRubyMarks(text);
        return text;
    }

    InputMethodEditor ime;
};

class ReplacementRecorder : public WordReplacementListener {
public:
    bool onWordReplaced(int position, int oldLength, int newLength) override {
        calls.push_back({position, oldLength, newLength});
        return true;
    }
    std::vector<std::vector<int>> calls;
};

std::wstring repeated(const std::wstring& piece, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

}  // namespace

TEST_F(ReadingServer, BarAndBracketsMarkKanjiWordsAndLeaveKanaOutside) {
    EXPECT_EQ(ime.makeRubyText(L"日本語を勉強する", 1, 0), L"｜日本語《にほんご》を｜勉強《べんきょう》する");
    // The kana ending of a verb goes after the closing bracket.
    EXPECT_EQ(ime.makeRubyText(L"食べる", 1, 0), L"｜食《た》べる");
    // Kanji, kana, kanji: two groups with the kana between them.
    EXPECT_EQ(ime.makeRubyText(L"取り扱い", 1, 0), L"｜取《と》り｜扱《あつか》い");
}

TEST_F(ReadingServer, WordsWithoutKanjiAreCopiedUnchanged) {
    const std::wstring text = L"カタカナとひらがな、English 123 ＡＢＣ。";
    EXPECT_EQ(ime.makeRubyText(text, 0, 0), text);
    EXPECT_EQ(ime.makeRubyText(text, 1, 0), text);
    EXPECT_EQ(ime.makeRubyText(text, 2, 0), text);
    EXPECT_EQ(ime.makeRubyText(L"", 1, 0), L"");
}

TEST_F(ReadingServer, HtmlRubyWrapsWordAndReading) {
    EXPECT_EQ(ime.makeRubyText(L"漢字です", 0, 0),
              L"<ruby><rb>漢字</rb><rp>(</rp><rt>かんじ</rt><rp>)</rp></ruby>です");
}

TEST_F(ReadingServer, KatakanaReadingsReplaceWordsAndReportWhere) {
    ReplacementRecorder recorder;
    ime.setReplacementListener(&recorder);
    EXPECT_EQ(ime.makeRubyText(L"日本語を勉強する", 2, 7), L"ニホンゴをベンキョウする");
    const std::vector<std::vector<int>> expected = {{7, 3, 4}, {12, 2, 5}};
    EXPECT_EQ(recorder.calls, expected);
}

TEST_F(ReadingServer, StrippingTheMarksGivesTheTextBack) {
    const std::vector<std::wstring> texts = {
        L"東京都に行きました。",
        L"取り扱い説明書をよく読んでから、お使いください。",
        L"彼は「明日、図書館で会おう」と言った。",
        L"漢字かな交じり文 with English, café and 😀 emoji.",
        repeated(L"今日は良い天気ですね。散歩に出かけましょう。", 8),
    };
    for (const std::wstring& text : texts) {
        const std::wstring ruby = ime.makeRubyText(text, 1, 0);
        EXPECT_NE(ruby, text);
        EXPECT_EQ(stripped(ruby), text);
    }
}

TEST_F(ReadingServer, LongTextsAreCutBetweenSentencesNotInsideWords) {
    // 28 sentences of 9 characters: a cut at 100 characters would fall inside 日本語.
    const std::wstring sentence = L"日本語を勉強する。";
    const std::wstring expected = repeated(L"｜日本語《にほんご》を｜勉強《べんきょう》する。", 28);
    EXPECT_EQ(ime.makeRubyText(repeated(sentence, 28), 1, 0), expected);
}

TEST(InputMethodEditor, OpensOnceClosesAndRefusesUnknownPrograms) {
    InputMethodEditor ime;
    EXPECT_EQ(ime.makeRubyText(L"日本", 1, 0), L"");
    EXPECT_FALSE(ime.open(L"No.Such.Program"));
    EXPECT_FALSE(ime.isOpen());
    ASSERT_TRUE(ime.open(L"MSIME.Japan"));
    EXPECT_TRUE(ime.open(L"MSIME.Japan"));
    EXPECT_TRUE(ime.isOpen());
    ime.close();
    EXPECT_FALSE(ime.isOpen());
    EXPECT_EQ(ime.makeRubyText(L"日本", 1, 0), L"");
}
