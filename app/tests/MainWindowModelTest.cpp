#include <gtest/gtest.h>

#include <vector>

#include "app/mainwindow/MainWindowLayout.h"
#include "app/mainwindow/MainWindowTitle.h"
#include "app/mainwindow/PlaybackPosition.h"

namespace {

std::vector<LyricsTextEditor::SentenceData> starts(std::initializer_list<uint32_t> times) {
    std::vector<LyricsTextEditor::SentenceData> sentences;
    uint32_t position = 0;
    for (uint32_t t : times) sentences.push_back({t, position++});
    return sentences;
}

}  // namespace

TEST(SentenceIndex, FollowsThePositionThroughTheStarts) {
    struct Case {
        std::vector<LyricsTextEditor::SentenceData> sentences;
        uint32_t position;
        int expected;
    };
    const Case cases[] = {
        {starts({}), 500, -1},
        {starts({4000}), 0, 0},
        {starts({1000, 2000, 3000}), 0, 0},          // before the first start
        {starts({1000, 2000, 3000}), 1999, 0},
        {starts({1000, 2000, 3000}), 2000, 1},
        {starts({1000, 2000, 3000}), 3000, 2},
        {starts({1000, 2000, 3000}), 99999, 2},      // past every start
        {starts({5000, 1000, 20000}), 14000, 0},     // a start below its predecessor: 10 s
        {starts({5000, 1000, 20000}), 15000, 1},
        {starts({1000, 2000, 0, 0}), 50000, 1},      // trailing rows without a start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sentences.size() << " sentences at " << c.position);
        EXPECT_EQ(findSentenceIndex(c.sentences, c.position), c.expected);
    }
}

TEST(SeekCorrection, MovesByTheMissInTheOtherDirection) {
    EXPECT_EQ(correctedSeekTarget(2000, 1950, 10000), 2050u);
    EXPECT_EQ(correctedSeekTarget(2000, 2040, 10000), 1960u);
}

TEST(SeekCorrection, StaysWithinTheFile) {
    // An overshoot beyond the target itself used to wrap to about 4.29e9 ms.
    EXPECT_EQ(correctedSeekTarget(100, 300, 10000), 0u);
    EXPECT_EQ(correctedSeekTarget(0, 110, 10000), 0u);
    EXPECT_EQ(correctedSeekTarget(9990, 9000, 10000), 10000u);
}

TEST(PositionLabel, ShowsMinutesBeyondAnHour) {
    EXPECT_EQ(formatPositionLabel(0, 0), L"00:00/00:00");
    EXPECT_EQ(formatPositionLabel(75 * 60000 + 2999, 80 * 60000 + 999), L"75:02/80:00");
}

TEST(MainWindowTitle, MarksModifiedSentencesAndKeepsALongPathWhole) {
    EXPECT_EQ(formatMainWindowTitle(L"C:\\a.mp3", L"Corvanta", false), L"C:\\a.mp3 - Corvanta");
    EXPECT_EQ(formatMainWindowTitle(L"C:\\a.mp3", L"Corvanta", true), L"* C:\\a.mp3 - Corvanta");
    const std::wstring longPath = L"C:\\" + std::wstring(1500, L'x') + L".mp3";
    EXPECT_EQ(formatMainWindowTitle(longPath, L"Corvanta", true), L"* " + longPath + L" - Corvanta");
}

TEST(MainWindowLayoutMaths, PlacesTheControlsForTheClientSize) {
    MainWindowControlSizes sizes;
    sizes.channelPaneWidth = 24;
    sizes.tempoFieldWidth = 74;
    sizes.pitchFieldWidth = 70;
    sizes.positionLabelWidth = 64;
    sizes.playButtonWidth = 24;
    sizes.stopButtonWidth = 24;
    sizes.volumeSliderWidth = 50;
    const MainWindowLayout hidden = computeMainWindowLayout(640, 480, sizes);
    EXPECT_EQ(hidden.upperHeight, 344);
    EXPECT_EQ(hidden.sentenceView, Rect(0, 0, 616, 344));
    EXPECT_EQ(hidden.explanationPane, Rect(0, 173, 616, 171));
    EXPECT_EQ(hidden.toolBand, Rect(0, 344, 480, 21));
    EXPECT_EQ(hidden.tempoField.x, 484);
    EXPECT_EQ(hidden.pitchField.x, 484 + 74 + 4);
    EXPECT_EQ(hidden.translationField, Rect(0, 367, 640, 86));
    EXPECT_EQ(hidden.playButton.x, 68);
    EXPECT_EQ(hidden.stopButton.x, 96);
    // x = 124, a = 640 - 124 - 74 + 6 = 448: the label ends at the right edge.
    EXPECT_EQ(hidden.timeSlider, Rect(124, 458, 448 - 50 - 4, 20));
    EXPECT_EQ(hidden.volumeSlider.x, 124 + 448 - 50);
    EXPECT_EQ(hidden.positionLabel.x, 640 - 64);
    EXPECT_EQ(hidden.positionLabel.y, 460);

    // Wider texts than the usual fonts make: the fields and the label stay inside.
    MainWindowControlSizes wide = sizes;
    wide.tempoFieldWidth = 90;
    wide.pitchFieldWidth = 80;
    wide.positionLabelWidth = 90;
    const MainWindowLayout moved = computeMainWindowLayout(640, 480, wide);
    EXPECT_EQ(moved.tempoField.x, 640 - 174);
    EXPECT_EQ(moved.pitchField.x + 80, 640);
    EXPECT_EQ(moved.positionLabel.x + 90, 640);

    sizes.explanationVisible = true;
    const MainWindowLayout shown = computeMainWindowLayout(641, 481, sizes);
    // h = 345: the view takes 172, the pane starts a pixel lower and takes the odd row.
    EXPECT_EQ(shown.sentenceView, Rect(0, 0, 617, 172));
    EXPECT_EQ(shown.explanationPane, Rect(0, 173, 617, 172));
}
