#include <gtest/gtest.h>

#include <random>

#include "texteditor/document/TextDocument.h"
#include "texteditor/document/WrapLayout.h"

namespace {

// Every character 10 pixels wide, line breaks 0, a blank 5.
class FixedMeasure : public CharMeasure {
public:
    uint32_t charWidth(wchar_t c) override {
        if (c == L'\r' || c == L'\n') return 0;
        return c == L' ' ? 5 : 10;
    }
};

WrapSettings settingsFor(int textWidth) {
    WrapSettings settings;
    settings.windowWidth = textWidth + 2;
    settings.textAreaWidth = textWidth;
    settings.averageCharWidth = 10;
    return settings;
}

std::vector<uint32_t> breaksOf(const ITextDocument& document, uint32_t line) { return document.lineAt(line).breaks; }

}  // namespace

TEST(WrapLayout, LongWordIsCutAtEachOverflowingCharacter) {
    TextDocument document;
    document.setText(L"abcdefghij");
    FixedMeasure measure;
    WrapResult result = layoutRows(document, 0, 0, settingsFor(35), measure);
    EXPECT_EQ(breaksOf(document, 0), (std::vector<uint32_t>{0, 3, 6, 9, 10}));
    EXPECT_EQ(document.lineAt(0).rowCount, 4u);
    EXPECT_TRUE(result.rowsChanged);
    EXPECT_EQ(result.rowTotal, 5u);  // four rows and the sentinel's
}

TEST(WrapLayout, NarrowerThanOneCharacterStillPutsOneCharacterOnEachRow) {
    TextDocument document;
    document.setText(L"abc");
    FixedMeasure measure;
    WrapSettings settings = settingsFor(4);
    settings.windowWidth = 12;
    layoutRows(document, 0, 0, settings, measure);
    EXPECT_EQ(breaksOf(document, 0), (std::vector<uint32_t>{0, 1, 2, 3}));
}

TEST(WrapLayout, RowIsCutAfterTheBlankWhichStaysOnTheFirstRow) {
    TextDocument document;
    document.setText(L"abc def\r\nx");
    FixedMeasure measure;
    layoutRows(document, 0, 0, settingsFor(60), measure);  // overflows at "f"
    EXPECT_EQ(breaksOf(document, 0), (std::vector<uint32_t>{0, 4, 8}));
    EXPECT_EQ(document.lineAt(1).firstRow, 2u);
    EXPECT_EQ(document.getWrappedRow(0, 5), 1u);
    EXPECT_EQ(document.getWrappedRow(1, 0), 2u);
}

TEST(WrapLayout, DigitsAndPunctuationAllowACutButLettersAndUnderscoreDoNot) {
    EXPECT_TRUE(allowsCutAfter(L'1'));
    EXPECT_TRUE(allowsCutAfter(L','));
    EXPECT_TRUE(allowsCutAfter(L'\x3042'));
    EXPECT_FALSE(allowsCutAfter(L'_'));
    EXPECT_FALSE(allowsCutAfter(L'Q'));
}

TEST(WrapLayout, EditorThatDoesNotWrapKeepsEachLineOnOneRow) {
    TextDocument document;
    document.setText(std::wstring(500, L'x'));
    FixedMeasure measure;
    WrapSettings settings = settingsFor(100);
    settings.wrapAtWindow = false;
    WrapResult result = layoutRows(document, 0, 0, settings, measure);
    EXPECT_EQ(document.lineAt(0).rowCount, 1u);
    EXPECT_EQ(result.maxWidth, 5000u);
}

TEST(WrapLayout, VeryWideWindowKeepsRowsButGivesNewLinesOneRow) {
    TextDocument document;
    document.setText(L"abcdefghij");
    FixedMeasure measure;
    layoutRows(document, 0, 0, settingsFor(35), measure);
    ASSERT_EQ(document.lineAt(0).rowCount, 4u);
    document.replace(TextRange(10, 10), L"\nnew\nlines");
    WrapResult result = layoutRows(document, 0, 0, settingsFor(5000), measure);
    EXPECT_EQ(document.lineAt(0).rowCount, 4u);  // kept
    for (uint32_t line = 1; line < document.getLineCount(); ++line) {
        EXPECT_EQ(document.lineAt(line).rowCount, 1u) << line;
        EXPECT_EQ(document.lineAt(line).firstRow, 3u + line) << line;
    }
    EXPECT_EQ(breaksOf(document, 1), (std::vector<uint32_t>{0, 4}));
    EXPECT_EQ(result.rowTotal, 7u);
}

TEST(WrapLayout, LayoutAfterEditsMatchesAFreshLayoutAtSeveralWidths) {
    const std::wstring pieces[] = {L"word ", L"x", L"\r\n", L"\n", L"\r", L"\xD83D\xDE00", L"a_b ", L"longerword"};
    FixedMeasure measure;
    for (int width : {25, 60, 135, 400}) {
        std::mt19937 random(width);
        TextDocument document;
        layoutRows(document, 0, 0, settingsFor(width), measure);
        for (int step = 0; step < 400; ++step) {
            const int length = static_cast<int>(document.getLength());
            const int start = length ? static_cast<int>(random() % (length + 1)) : 0;
            const int end = start + static_cast<int>(random() % (std::min(length - start, 6) + 1));
            std::wstring inserted = pieces[random() % 8];
            const uint32_t firstLine = document.getLineAt(start > 0 ? start - 1 : 0);
            document.replace(TextRange(start, end), inserted);
            const uint32_t lastLine = document.getLineAt(start + static_cast<uint32_t>(inserted.size())) + 2;
            layoutRows(document, firstLine, lastLine, settingsFor(width), measure);

            TextDocument fresh;
            fresh.setText(document.getText());
            layoutRows(fresh, 0, 0, settingsFor(width), measure);
            ASSERT_EQ(fresh.getLineCount(), document.getLineCount());
            for (uint32_t line = 0; line < fresh.getLineCount(); ++line) {
                ASSERT_EQ(fresh.lineAt(line).breaks, document.lineAt(line).breaks) << width << " " << step;
                ASSERT_EQ(fresh.lineAt(line).firstRow, document.lineAt(line).firstRow) << width << " " << step;
            }
            if (document.getLength() > 300) {
                document.replace(TextRange(0, 200), L"");
                layoutRows(document, 0, 0, settingsFor(width), measure);
            }
        }
    }
}

TEST(WrapLayout, BlanksOfAJustifiedRowShareTheRemainingWidth) {
    TextDocument document;
    document.setText(L"ab cd ef gh");
    FixedMeasure measure;
    layoutRows(document, 0, 0, settingsFor(60), measure);
    // Rows "ab cd " and "ef gh": the first has two blanks, the trailing one is not stretched.
    ASSERT_EQ(breaksOf(document, 0), (std::vector<uint32_t>{0, 6, 11}));
    // inked = 50 - 2 x 5 = 40; (60 - 40) / 1
    EXPECT_FLOAT_EQ(justifiedBlankWidth(document, 0, 0, 60, true, measure), 20.0f);
    EXPECT_FLOAT_EQ(justifiedBlankWidth(document, 0, 1, 60, true, measure), 5.0f);   // last row
    EXPECT_FLOAT_EQ(justifiedBlankWidth(document, 0, 0, 60, false, measure), 5.0f);  // off
}
