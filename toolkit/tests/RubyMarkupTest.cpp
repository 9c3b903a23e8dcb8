#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/widgets/JapaneseCharacters.h"
#include "toolkit/widgets/RubyMarkup.h"

namespace {

std::wstring stripped(std::wstring text) {
    stripRubyMarks(text);
    return text;
}

}  // namespace

TEST(StripRubyMarks, RemovesReadingsAndBars) {
    struct Case {
        const wchar_t* text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"", L""},
        {L"｜日本《にほん》語", L"日本語"},
        {L"漢字《かんじ》", L"漢字"},          // a reading without its bar
        {L"｜｜｜", L""},
        {L"前《よみ", L"前"},                  // unclosed: removed to the end
        {L"《《》あ》", L"あ》"},              // the first 》 closes
        {L"》とじ｜", L"》とじ"},              // a lone 》 is text
        {L"a《》b", L"ab"},
        {L"\U0001F600《x》\U0001F600", L"\U0001F600\U0001F600"},
    };
    for (const Case& c : cases) EXPECT_EQ(stripped(c.text), c.expected) << c.text;
}

TEST(AozoraRuby, KanaAroundAndBetweenKanji) {
    EXPECT_EQ(ruby::aozoraRuby(L"お茶", L"おちゃ"), L"お｜茶《ちゃ》");
    EXPECT_EQ(ruby::aozoraRuby(L"取り扱", L"とりあつか"), L"｜取《と》り｜扱《あつか》");
    // The kana is looked for from the reading's second character on.
    EXPECT_EQ(ruby::aozoraRuby(L"見り方", L"りかた"), L"｜見り方《りかた》");
    // Kana not in the reading: one group.
    EXPECT_EQ(ruby::aozoraRuby(L"書き込", L"しょこ"), L"｜書き込《しょこ》");
    // More than one kana run between kanji: one group.
    EXPECT_EQ(ruby::aozoraRuby(L"引き出し口", L"ひきだしぐち"), L"｜引き出し口《ひきだしぐち》");
}

TEST(JapaneseCharacters, ClassesAndConversions) {
    EXPECT_TRUE(japanese::needsRuby(L"お茶"));
    EXPECT_TRUE(japanese::needsRuby(L"\u3400"));
    EXPECT_FALSE(japanese::needsRuby(L"カタカナ、ひらがな"));
    EXPECT_EQ(japanese::splitKanaRuns(L"取り扱い"), (std::vector<std::wstring>{L"取", L"り", L"扱", L"い"}));
    EXPECT_TRUE(japanese::splitKanaRuns(L"").empty());
    EXPECT_EQ(japanese::hiraganaToKatakana(L"ぁゔゕ漢a"), L"ァヴゕ漢a");
    EXPECT_TRUE(japanese::isAllHiragana(L"ひらがな"));
    EXPECT_FALSE(japanese::isAllHiragana(L"ひらガな"));
}
