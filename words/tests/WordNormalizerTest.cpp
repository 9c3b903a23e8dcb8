#include <gtest/gtest.h>

#include "words/dictionary/DictionaryManager.h"
#include "words/dictionary/WordNormalizer.h"

namespace {

struct Case {
    const wchar_t* word;
    const wchar_t* base;
};

void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) EXPECT_EQ(WordNormalizer().normalize(c.word), c.base) << c.word;
}

}  // namespace

TEST(WordNormalizer, InflectedWordsGiveTheirGuess) {
    expectAll({{L"studies", L"study"}, {L"ran", L"ran"}, {L"better", L"bet"}, {L"happily", L"happy"},
               {L"quickly", L"quick"}, {L"tried", L"try"}, {L"panicked", L"panic"}, {L"played", L"play"},
               {L"stopped", L"stop"}, {L"playing", L"play"}, {L"happiest", L"happy"}, {L"greatest", L"great"},
               {L"biggest", L"big"}, {L"happier", L"happy"}, {L"faster", L"fast"}, {L"bigger", L"big"}});
}

TEST(WordNormalizer, PluralsAndThirdPersons) {
    expectAll({{L"wishes", L"wish"}, {L"catches", L"catch"}, {L"bathes", L"bathe"}, {L"flies", L"fly"},
               {L"goes", L"go"}, {L"uses", L"use"}, {L"Uses", L"Use"}, {L"boxes", L"box"}, {L"buses", L"bus"},
               {L"wolves", L"wolf"}, {L"makes", L"make"}, {L"cats", L"cat"}, {L"glass", L"glas"}});
}

TEST(WordNormalizer, ShortWordsAndUpperCaseTailsStayAsTheyAre) {
    expectAll({{L"was", L"was"}, {L"has", L"has"}, {L"is", L"is"}, {L"", L""}, {L"USES", L"USES"},
               {L"running", L"runn"}, {L"word", L"word"}, {L"best", L"best"}});
}

TEST(WordNormalizer, TheDictionaryManagerUsesAllRules) {
    EXPECT_EQ(DictionaryManager::normalize(L"studies"), L"study");
    EXPECT_EQ(DictionaryManager().normalize(L"quickly"), L"quick");
}
