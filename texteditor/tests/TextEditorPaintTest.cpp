#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/system/Exception.h"
#include "testsupport/TestWindows.h"
#include "texteditor/tests/EditorTestSupport.h"
#include "texteditor/tests/PixelTestSupport.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

constexpr COLORREF kHighlight = 0xFFD790;
constexpr COLORREF kFind = 0x20A0FF;
constexpr COLORREF kLink = 0x0000C0;
constexpr COLORREF kWhite = 0xFFFFFF;

int caretX(TextEditor& editor, uint32_t offset) { return static_cast<short>(LOWORD(editor.posFromChar(offset))); }
int caretY(TextEditor& editor, uint32_t offset) { return static_cast<short>(HIWORD(editor.posFromChar(offset))); }

// The text band of screen row r.
RECT rowBand(TextEditor& editor, int row, int left, int right) {
    const int top = editor.getPadding().top + row * editor.getLineHeight();
    return RECT{left, top, right, top + editor.getLineHeight() - 4};
}

// The band of characters [from, to) on the caret's row of `from`.
RECT spanBand(TextEditor& editor, uint32_t from, uint32_t to) {
    const int top = caretY(editor, from);
    return RECT{caretX(editor, from), top, caretX(editor, to), top + editor.getLineHeight() - 4};
}

const wchar_t* const kLongText =
    L"The quick brown fox jumps over the lazy dog while the careful listener writes down every word.";

}  // namespace

TEST(TextEditorPaint, SelectionFindAndLinkColoursReachThePixels) {
    EditorFixture f(400, 120);
    f.editor.setText(L"see http://example.com/page now word word");
    f.editor.select(0, 3);
    FindInfo find;
    find.pattern = L"word";
    f.editor.setFindHighlight(find);
    f.editor.setSyntaxStyle(L"http://", SyntaxStyle{kLink});
    Frame frame(f.editor);

    EXPECT_GT(frame.count(spanBand(f.editor, 0, 3), kHighlight), 20);
    EXPECT_EQ(frame.count(spanBand(f.editor, 3, 31), kHighlight), 0);
    EXPECT_GT(frame.count(spanBand(f.editor, 32, 36), kFind), 20);
    EXPECT_GT(frame.count(spanBand(f.editor, 37, 41), kFind), 20);
    EXPECT_EQ(frame.count(spanBand(f.editor, 0, 31), kFind), 0);
    EXPECT_GT(frame.count(spanBand(f.editor, 4, 27), kLink), 10);
    EXPECT_EQ(frame.count(spanBand(f.editor, 27, 41), kLink), 0);

    // The selection wins over the find highlight.
    f.editor.select(32, 36);
    Frame selected(f.editor);
    EXPECT_EQ(selected.count(spanBand(f.editor, 32, 36), kFind), 0);
    EXPECT_GT(selected.count(spanBand(f.editor, 32, 36), kHighlight), 20);
    f.editor.clearFindHighlight();
    Frame cleared(f.editor);
    EXPECT_EQ(cleared.count(spanBand(f.editor, 37, 41), kFind), 0);
}

TEST(TextEditorPaint, HiddenSelectionShowsOnlyWithFocus) {
    EditorFixture f(300, 80);
    f.editor.setStyle(f.editor.getStyleBits() & ~ES_NOHIDESEL);
    f.editor.setText(L"selected text");
    f.editor.select(0, 8);
    Frame frame(f.editor);
    EXPECT_EQ(frame.count(spanBand(f.editor, 0, 8), kHighlight), 0);
}

TEST(TextEditorPaint, EmptyMatchHighlightFinishesAndMarksTheRest) {
    EditorFixture f(300, 80);
    f.editor.setText(L"axxb x");
    FindInfo find;
    find.pattern = L"x*";
    find.flags = FindInfo::kRegularExpression;
    f.editor.setFindHighlight(find);
    Frame frame(f.editor);
    EXPECT_GT(frame.count(spanBand(f.editor, 1, 3), kFind), 10);
    EXPECT_EQ(frame.count(spanBand(f.editor, 3, 5), kFind), 0);
}

TEST(TextEditorPaint, LineNumbersSitOnEachLinesFirstRowInTheGutter) {
    EditorFixture f(220, 200);
    EXPECT_EQ(f.editor.getTextLeft(), f.editor.getPadding().left);  // no gutter at all
    f.editor.setLineNumbersVisible(true);
    f.editor.setText(std::wstring(kLongText) + L"\r\nend");
    const int textLeft = f.editor.getTextLeft();
    const int gutter = textLeft - f.editor.getPadding().left;
    Frame frame(f.editor);
    const COLORREF gutterBack = f.editor.getColor(6);
    EXPECT_EQ(frame.at(gutter - 1, 5), f.editor.getColor(7));  // the gutter's edge
    EXPECT_EQ(frame.at(1, 150), gutterBack);

    const uint32_t secondLine = static_cast<uint32_t>(std::wstring(kLongText).size()) + 2;
    const int rowOfSecond = caretY(f.editor, secondLine) / f.editor.getLineHeight();
    ASSERT_GE(rowOfSecond, 2);  // the first line wraps
    auto numberInk = [&](int row) { return frame.count(rowBand(f.editor, row, 0, gutter - 8), gutterBack); };
    const int empty = (gutter - 8) * (f.editor.getLineHeight() - 4);
    EXPECT_LT(numberInk(0), empty);  // "1"
    EXPECT_EQ(numberInk(1), empty);  // a continuation row has no number
    EXPECT_LT(numberInk(rowOfSecond), empty);  // "2"
    // Numbers are right-aligned in their column.
    EXPECT_GT(frame.firstOther(rowBand(f.editor, 0, 0, gutter - 8), gutterBack), (gutter - 8) / 2);
}

TEST(TextEditorPaint, AreaStartingInsideAWrappedLinePaintsFromTheRowUnderIt) {
    EditorFixture f(220, 200);
    f.editor.setText(kLongText);
    const RECT client = f.editor.getClientRect();
    Frame whole(f.editor);
    const RECT row1 = rowBand(f.editor, 1, 0, client.right);
    Frame part(f.editor, RECT{0, row1.top, client.right, client.bottom});
    EXPECT_EQ(part.at(5, row1.top - 2), 0u);  // above the area nothing is drawn
    for (int y = row1.top; y < row1.bottom; ++y) {
        for (int x = 0; x < client.right; x += 3) ASSERT_EQ(part.at(x, y), whole.at(x, y)) << x << "," << y;
    }
}

TEST(TextEditorPaint, JustifiedRowsReachTheRightEdgeAndLastRowsKeepTheirSpacing) {
    EditorFixture f(220, 200);
    f.editor.setText(kLongText);
    const RECT client = f.editor.getClientRect();
    const COLORREF back = f.editor.getColor(0);
    Frame frame(f.editor);
    const int right = client.right - f.editor.getPadding().right;
    const int wide = static_cast<int>(f.editor.getCharWidth(L'W'));
    EXPECT_GE(frame.lastOther(rowBand(f.editor, 0, 0, client.right), back), right - wide - 2);
    const int lastRow = caretY(f.editor, f.editor.getTextLength()) / f.editor.getLineHeight();
    ASSERT_GT(lastRow, 0);
    // The ink of a row ends where the caret stands after its last character.
    const int lastInk = frame.lastOther(rowBand(f.editor, lastRow, 0, client.right), back);
    EXPECT_LE(lastInk, caretX(f.editor, f.editor.getTextLength()));
    EXPECT_LT(lastInk, right - 3 * wide);
    // The blanks of the first row are widened, those of the last row are not.
    const float blank = static_cast<float>(f.editor.getCharWidth(L' '));
    EXPECT_GT(f.editor.getJustifiedSpaceWidth(0, 0), blank);
    EXPECT_FLOAT_EQ(f.editor.getJustifiedSpaceWidth(0, static_cast<uint32_t>(lastRow)), blank);
}

TEST(TextEditorPaint, TabsExpandToTheStopsTheCaretUsesAlsoWhenScrolledSideways) {
    EditorFixture f(200, 80);
    f.editor.setStyle(f.editor.getStyleBits() | WS_HSCROLL);  // no wrapping: the text scrolls
    f.editor.setText(L"a\tb" + std::wstring(120, L'x'));
    const COLORREF back = f.editor.getColor(0);
    const int textLeft = f.editor.getTextLeft();
    const int tab = static_cast<int>(f.editor.getCharWidth(L'\t'));
    ASSERT_GT(tab, static_cast<int>(f.editor.getCharWidth(L'a')));
    for (int scroll : {0, 3, tab / 2 + 1}) {
        f.editor.getScrollBar().horizontalPosition = scroll;
        const int bX = caretX(f.editor, 2);
        EXPECT_EQ(bX, textLeft + tab - scroll);
        Frame frame(f.editor);
        const int top = caretY(f.editor, 2);
        const RECT gap{std::max(caretX(f.editor, 1) + 1, textLeft), top, bX, top + f.editor.getLineHeight() - 4};
        EXPECT_EQ(frame.count(gap, back), (gap.right - gap.left) * (gap.bottom - gap.top)) << scroll;  // the tab
        const int ink = frame.firstOther(RECT{bX - 2, top, bX + 8, gap.bottom}, back);
        EXPECT_GE(ink, bX) << scroll;
        EXPECT_LT(ink, bX + static_cast<int>(f.editor.getCharWidth(L'b'))) << scroll;
        EXPECT_EQ(f.editor.measureText(L"a\tb", 0, 3, caretX(f.editor, 0)), bX - caretX(f.editor, 0) + 
                  static_cast<int>(f.editor.getCharWidth(L'b')));
    }
}

TEST(TextEditorPaint, LineEndMarksShowTheDocumentsBreakGreyAndForeignBreaksBoxed) {
    EditorFixture f(300, 120);
    f.editor.setText(L"ab\r\ncd\nef\r\ngh");
    ASSERT_EQ(f.editor.getNewLineString(), L"\r\n");
    const COLORREF back = f.editor.getColor(0);
    const COLORREF grey = f.editor.getColor(9);
    const char* const lf[] = {"..#...", "..#...", "..#...", "#.#.#.", ".###..", "..#..."};
    // The 6 x 6 block after a line's last character, read as '#' (colour), '.' (other) rows.
    auto block = [&](const Frame& frame, uint32_t end, COLORREF ink) {
        const int x = caretX(f.editor, end) + 1;
        const int y = caretY(f.editor, end) + f.editor.getLineHeight() - 4 - 7;
        std::string rows;
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 6; ++c) rows += frame.at(x + c, y + r) == ink ? '#' : '.';
        }
        return rows;
    };
    std::string lfRows;
    for (const char* row : lf) lfRows += row;
    const std::string blank(36, '.');

    Frame shown(f.editor);
    EXPECT_EQ(block(shown, 2, grey), lfRows);  // CR LF as the document's own: the LF arrow
    EXPECT_EQ(block(shown, 6, kWhite), lfRows);  // a bare LF: white in an orange box
    const int boxY = caretY(f.editor, 6) + f.editor.getLineHeight() - 4 - 8;
    EXPECT_EQ(shown.at(caretX(f.editor, 6), boxY), 0x2060FFu);
    EXPECT_EQ(block(shown, 13, grey), blank);  // the last line has no break
    const int right = f.editor.getClientRect().right;
    EXPECT_EQ(shown.count(RECT{caretX(f.editor, 13), caretY(f.editor, 13), right, caretY(f.editor, 13) + 12}, back),
              (right - caretX(f.editor, 13)) * 12);

    f.editor.setEndOfLineVisible(false);
    Frame hidden(f.editor);
    EXPECT_EQ(block(hidden, 2, grey), blank);
    EXPECT_EQ(block(hidden, 6, kWhite), lfRows);  // foreign breaks show regardless
}

TEST(TextEditorPaint, BackgroundImageShowsThroughByOpacityAndUnderPlainRunsOnly) {
    TempDirectory folder;
    Bitmap bitmap;
    bitmap.create(8, 8);
    unsigned char* bits = bitmap.getBits();
    for (int i = 0; i < 8 * 8; ++i) {
        const unsigned char pixel[4] = {0, 200, 0, 255};  // blue, green, red, alpha
        std::copy(pixel, pixel + 4, bits + 4 * i);
    }
    const std::wstring path = folder.file(L"green.bmp");
    ASSERT_TRUE(bitmap.saveAs(path));
    EditorFixture f(300, 120);
    f.editor.setColor(0, RGB(255, 255, 255));
    f.editor.setText(L"picked words");
    f.editor.select(0, 6);
    ASSERT_TRUE(f.editor.setBackgroundImage(path));
    const int emptyY = 100;
    {
        Frame frame(f.editor);
        EXPECT_EQ(frame.at(150, emptyY), RGB(0, 200, 0));
        EXPECT_EQ(frame.at(250, caretY(f.editor, 0) + 2), RGB(0, 200, 0));  // right of the text, on its row
        EXPECT_GT(frame.count(spanBand(f.editor, 0, 6), kHighlight), 20);  // selection stays opaque
        EXPECT_EQ(frame.count(spanBand(f.editor, 7, 12), RGB(255, 255, 255)), 0);  // no fill under plain text
    }
    f.editor.setBackgroundOpacity(50);
    {
        Frame frame(f.editor);
        const COLORREF mixed = frame.at(150, emptyY);
        EXPECT_GT(GetRValue(mixed), 100);
        EXPECT_LT(GetRValue(mixed), 160);
        EXPECT_GT(GetGValue(mixed), 200);
    }
    f.editor.setBackgroundOpacity(0);
    EXPECT_FALSE(f.editor.hasBackgroundImage());
    EXPECT_EQ(Frame(f.editor).at(150, emptyY), RGB(255, 255, 255));
    f.editor.setBackgroundFit(true);  // a fitted image shows at any opacity
    EXPECT_TRUE(f.editor.hasBackgroundImage());
}

TEST(TextEditorPaint, FieldBorderClearMarkAndHint) {
    EditorFixture f(200, 30);
    f.editor.setSingleLine();
    Frame empty(f.editor);
    const RECT client = f.editor.getClientRect();
    EXPECT_EQ(empty.at(0, client.bottom / 2), 0xFAAA96u);  // the frame without focus
    const RECT mark{client.right - 16, 0, client.right - 1, client.bottom - 1};
    EXPECT_EQ(empty.count(mark, 0xC0C0C0), 0);  // no cross while empty
    f.editor.setText(L"query");
    EXPECT_GT(Frame(f.editor).count(mark, 0xC0C0C0), 10);
    f.editor.setReadOnly(true);
    EXPECT_EQ(Frame(f.editor).count(mark, 0xC0C0C0), 0);

    EditorFixture hinted(200, 60);
    hinted.editor.setHintText(L"Type here");
    const RECT band = rowBand(hinted.editor, 0, 0, 200);
    EXPECT_GT(Frame(hinted.editor).count(band, hinted.editor.getColor(10)), 5);
    hinted.editor.setText(L"x");
    EXPECT_EQ(Frame(hinted.editor).count(band, hinted.editor.getColor(10)), 0);
}

TEST(TextEditorPaint, PaletteIndicesAndRangeRepaints) {
    EditorFixture f;
    try {
        f.editor.setColor(8, 0x123456);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_NE(e.getMessage().find(L"Not supported color index"), std::wstring::npos);
    }
    EXPECT_THROW(f.editor.setColor(-1, 0), Exception);
    EXPECT_EQ(TextEditor::getColorName(42), L"undefinedColor");
    EXPECT_EQ(TextEditor::getColorName(-1), L"undefinedColor");
    f.editor.setColor(0, RGB(200, 100, 0));
    f.editor.setColor(1, RGB(0, 50, 100));
    EXPECT_EQ(f.editor.getColor(9), RGB(100, 75, 50));
    f.editor.setText(L"one\r\ntwo");
    ::ShowWindow(f.frame.m_hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(f.frame.m_hWnd);
    ::ValidateRect(f.editor.m_hWnd, nullptr);
    EXPECT_FALSE(f.editor.repaintRange(4, 4));
    EXPECT_EQ(::GetUpdateRect(f.editor.m_hWnd, nullptr, FALSE), FALSE);
    EXPECT_TRUE(f.editor.repaintRange(6, 1));
    RECT dirty{};
    EXPECT_TRUE(::GetUpdateRect(f.editor.m_hWnd, &dirty, FALSE));
    EXPECT_LE(dirty.top, f.editor.getPadding().top + f.editor.getLineHeight());
}

TEST(TextEditorPaint, AWindowPaintOfABandShowsTheSamePixelsAsTheWholeEditorDrawn) {
    EditorFixture f(320, 200);
    f.editor.setLineNumbersVisible(true);
    f.editor.setText(L"The quick brown fox jumps over the lazy dog while the listener writes.\r\n"
                     L"a\tb\tcc \x3000wide\r\nsee http://example.com/page now\r\nlast");
    f.editor.select(10, 60);
    ::ShowWindow(f.frame.m_hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(f.frame.m_hWnd);
    const RECT client = f.editor.getClientRect();
    const Frame whole(f.editor);
    // Bands away from the window's corner, one of them across the gutter's edge.
    const RECT bands[] = {{37, 21, 211, 58}, {5, 40, 120, 41}, {0, 0, client.right, client.bottom}};
    for (const RECT& band : bands) {
        // The window is blacked out first, so that a pixel the paint leaves out shows.
        HDC blackened = ::GetDC(f.editor.m_hWnd);
        ::FillRect(blackened, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::ReleaseDC(f.editor.m_hWnd, blackened);
        ::ValidateRect(f.editor.m_hWnd, nullptr);
        ::InvalidateRect(f.editor.m_hWnd, &band, FALSE);
        ::UpdateWindow(f.editor.m_hWnd);
        EXPECT_EQ(Frame::onScreen(f.editor).differing(whole, band), 0) << band.left << "," << band.top;
    }
}

TEST(TextEditorPaint, SelectingBelowTheViewShiftsItARowAtATimeAndTheWindowShowsTheWholeEditor) {
    EditorFixture f(320, 200);
    f.editor.setLineNumbersVisible(true);
    std::wstring text;
    for (int i = 0; i < 60; ++i) text += L"sentence " + std::to_wstring(i) + L" of the lesson\r\n";
    f.editor.setText(text);
    // The frame holds the whole editor, so that nothing of it is clipped away from the shifts.
    ::SetWindowPos(f.frame.m_hWnd, HWND_TOP, 0, 0, 480, 360, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::UpdateWindow(f.frame.m_hWnd);
    pumpMessages();
    const int visible = f.editor.getVisibleRows();
    ASSERT_GT(visible, 3);
    const auto lineStart = [&](int line) {
        return static_cast<uint32_t>(f.send(EM_LINEINDEX, static_cast<WPARAM>(line)));
    };
    // Step through the lines as the sentence keys do; past the view each step moves it one row.
    for (int line = 0; line < visible + 5; ++line) {
        const int before = f.editor.getFirstVisibleRow();
        f.editor.select(lineStart(line), lineStart(line + 1));
        ::UpdateWindow(f.editor.m_hWnd);
        EXPECT_LE(f.editor.getFirstVisibleRow() - before, 1) << line;
    }
    EXPECT_GT(f.editor.getFirstVisibleRow(), 0);
    // A jump of a few rows shifts too, and paints the rows uncovered between.
    for (int line = visible + 8; line < visible + 20; line += 4) {
        f.editor.select(lineStart(line), lineStart(line + 1));
        ::UpdateWindow(f.editor.m_hWnd);
    }

    // What the window shows after the shifts is what drawing the whole editor gives.
    EXPECT_EQ(Frame::onScreen(f.editor).differing(Frame(f.editor)), 0);
}
