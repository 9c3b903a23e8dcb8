#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "texteditor/tests/PixelTestSupport.h"
#include "texteditor/tests/PointerTestSupport.h"

namespace {

std::wstring numberedRows(int count) {
    std::wstring text;
    for (int i = 0; i < count; ++i) text += L"row " + std::to_wstring(i) + L"\r\n";
    return text;
}

// Sets the system's wheel lines for a scope.
class WheelLines {
public:
    explicit WheelLines(UINT lines) {
        ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
        ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0);
    }
    ~WheelLines() { ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0); }
    WheelLines(const WheelLines&) = delete;
    WheelLines& operator=(const WheelLines&) = delete;

private:
    UINT saved = 3;
};

// Keeps a fingerprint of what the window shows after each frame it paints.
class FramedEditor : public TextEditor {
public:
    LRESULT onPaint() override {
        const LRESULT result = TextEditor::onPaint();
        const Frame shown = Frame::onScreen(*this);
        uint64_t print = 0;
        for (int y = 0; y < shown.client.bottom; ++y) {
            for (int x = 0; x < shown.client.right; ++x) print = print * 31 + shown.at(x, y);
        }
        shownFrames.insert(print);
        return result;
    }
    void frame() { showBorder = true; }
    std::set<uint64_t> shownFrames;
};

// Counts what reaches the window's scroll bars.
class CountingScrollBar : public TextScrollBar {
public:
    int sets = 0;

protected:
    void setBar(HWND hwnd, int bar, const SCROLLINFO& info) override {
        ++sets;
        TextScrollBar::setBar(hwnd, bar, info);
    }
};

LPARAM farAway() { return MAKELPARAM(5000, 5000); }  // no other window there takes the wheel

}  // namespace

TEST(TextEditorScrolling, TheWheelScrollsWholeNotchesByTheSystemSetting) {
    EditorFixture f(300, 120);
    f.editor.setText(numberedRows(60));
    {
        WheelLines one(1);  // settings below 2 become 3
        f.send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), farAway());
        EXPECT_EQ(f.editor.getFirstVisibleRow(), 3);
        f.send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), farAway());  // half a notch: nothing
        EXPECT_EQ(f.editor.getFirstVisibleRow(), 3);
    }
    {
        WheelLines five(5);
        f.send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), farAway());
        EXPECT_EQ(f.editor.getFirstVisibleRow(), 13);
        f.send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), farAway());
        EXPECT_EQ(f.editor.getFirstVisibleRow(), 8);
    }
    // The caret follows the text on screen.
    EXPECT_EQ(f.editor.getSelectionState().caretY, -8 * f.editor.getLineHeight() + 2);
}

TEST(TextEditorScrolling, ScrollBarRequestsMoveByLinesPagesAndToTheEnds) {
    EditorFixture f(300, 120);
    f.editor.setText(numberedRows(60));
    TextScrollBar& bar = f.editor.getScrollBar();
    f.send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(bar.verticalPosition, 1);
    f.send(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(bar.verticalPosition, 1 + bar.verticalPage);
    f.send(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(bar.verticalPosition, bar.verticalPage);
    f.send(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(bar.verticalPosition, bar.verticalMaximum);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    ::GetScrollInfo(f.editor.m_hWnd, SB_VERT, &info);
    EXPECT_EQ(info.nPos, bar.verticalMaximum);
    // At the end nothing moves.
    EXPECT_FALSE(f.editor.scroll(0, 1, false));
    f.send(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(bar.verticalPosition, 0);
    EXPECT_FALSE(f.editor.scroll(0, -1, false));
}

TEST(TextEditorScrolling, ASingleLineFieldNeverScrollsVertically) {
    EditorFixture f;
    f.editor.setSingleLine();
    f.editor.setText(L"one\r\ntwo\r\nthree");
    f.send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), farAway());
    EXPECT_EQ(f.editor.getFirstVisibleRow(), 0);
    EXPECT_FALSE(f.editor.scroll(0, 2, false));
}

TEST(TextEditorScrolling, SmoothScrollingShowsEachStepAndEndsOnWhatAFullRepaintShows) {
    for (const bool border : {false, true}) {
        NotificationFrame frame;
        ::ShowWindow(frame.m_hWnd, SW_SHOWNOACTIVATE);
        FramedEditor editor;
        editor.create(frame.m_hWnd, 0, 0, 300, 120);
        editor.setText(numberedRows(12));
        if (border) editor.frame();  // no shifting: every step is painted anew
        editor.setSmoothScrolling(true);
        PointerFixture::pump(20);
        editor.shownFrames.clear();
        EXPECT_TRUE(editor.scroll(0, 1, true));
        ::UpdateWindow(editor.m_hWnd);
        EXPECT_EQ(editor.getFirstVisibleRow(), 1);
        EXPECT_EQ(editor.getPixelOffset(), 0);
        // The rows were seen moving between their places, and stand where a full paint puts them.
        const int steps = editor.getLineHeight() / std::max(1, editor.getLineHeight() / 8);
        EXPECT_GE(editor.shownFrames.size(), static_cast<size_t>(steps)) << border;
        EXPECT_EQ(Frame::onScreen(editor).differing(Frame(editor)), 0) << border;
        // Smoothly past the end moves the view as far as it goes, past the top not at all.
        const int last = editor.getScrollBar().verticalMaximum;
        EXPECT_TRUE(editor.scroll(0, last, true));
        ::UpdateWindow(editor.m_hWnd);
        EXPECT_EQ(editor.getFirstVisibleRow(), last);
        EXPECT_EQ(Frame::onScreen(editor).differing(Frame(editor)), 0) << border;
        editor.scroll(0, -last, false);
        EXPECT_FALSE(editor.scroll(0, -1, true));
        ::ShowWindow(frame.m_hWnd, SW_HIDE);
    }
}

TEST(TextEditorScrolling, BarsAreSetOnlyWhenTheirValuesChange) {
    NotificationFrame frame;
    CountingScrollBar bar;
    bar.window = frame.m_hWnd;
    bar.verticalTotal = 50;
    bar.verticalPage = 10;
    const DWORD style = WS_VSCROLL | WS_HSCROLL;
    bar.update(frame.m_hWnd, style);
    EXPECT_EQ(bar.sets, 2);
    bar.update(frame.m_hWnd, style);
    EXPECT_EQ(bar.sets, 2);
    bar.verticalPosition = 4;
    bar.update(frame.m_hWnd, style);
    EXPECT_EQ(bar.sets, 3);
    EXPECT_EQ(bar.verticalMaximum, 40);
    // A bar the style took away is set again when it comes back.
    bar.update(frame.m_hWnd, WS_VSCROLL);
    bar.update(frame.m_hWnd, style);
    EXPECT_EQ(bar.sets, 4);
}

TEST(TextEditorScrolling, ResizingKeepsTheFirstVisibleLineAtTheTop) {
    EditorFixture f(300, 120);
    std::wstring text;
    for (int i = 0; i < 30; ++i) text += L"some words that wrap when the editor is narrow " + std::to_wstring(i) + L"\r\n";
    f.editor.setText(text);
    f.editor.scroll(0, 10, false);
    const uint32_t topLine = f.editor.getDocument().findLine(static_cast<uint32_t>(f.editor.getFirstVisibleRow()), true);
    ::MoveWindow(f.editor.m_hWnd, 0, 0, 120, 120, TRUE);
    const uint32_t row = static_cast<uint32_t>(f.editor.getFirstVisibleRow());
    EXPECT_EQ(f.editor.getDocument().findLine(row, true), topLine);
    EXPECT_EQ(f.editor.getDocument().lineAt(topLine).firstRow, row);
}

TEST(TextEditorScrolling, TabStopsAgreeBetweenCaretAndHitTestWhenScrolledSideways) {
    PointerFixture f(200, 120);
    f.editor.setStyle(f.editor.getStyleBits() | WS_HSCROLL);
    f.editor.updateLayout();
    f.editor.setText(L"a\tbb\tccc\td " + std::wstring(80, L'x'));
    const int tab = static_cast<int>(f.editor.getCharWidth(L'\t'));
    ASSERT_GT(tab, 3);
    for (int shift : {0, 3, tab + 1}) {
        f.editor.scroll(shift - f.editor.getHScroll(), 0, false);
        ASSERT_EQ(f.editor.getHScroll(), shift);
        for (uint32_t offset = 0; offset < 12; ++offset) {
            const POINT p = f.at(offset);
            // Each character starts where the hit test snaps a point just inside it.
            uint32_t hit = 0;
            const uint32_t snapped = f.editor.pointToPosition(p.x + 1, p.y + 1, nullptr, nullptr, &hit);
            EXPECT_EQ(hit, offset) << "shift " << shift;
            EXPECT_EQ(static_cast<short>(LOWORD(snapped)), p.x) << "shift " << shift;
        }
        // Tab stops move with the text: the TAB after "a" ends one tab width from the origin.
        EXPECT_EQ(f.at(2).x - f.editor.getTextOriginX(), tab);
    }
}

TEST(TextEditorScrolling, SidewaysRangeFollowsTheWidestLineAcrossEdits) {
    EditorFixture f(200, 120);
    f.editor.setStyle(f.editor.getStyleBits() | WS_HSCROLL);
    f.editor.updateLayout();
    f.editor.setText(std::wstring(300, L'x') + L"\r\nshort\r\nend");
    const int x = static_cast<int>(f.editor.getCharWidth(L'x'));
    const TextScrollBar& bar = f.editor.getScrollBar();
    EXPECT_EQ(bar.horizontalTotal, 300 * x);

    // Typing in a short line leaves the range to the long line elsewhere.
    f.editor.select(304, 304);
    f.send(WM_CHAR, L'a');
    EXPECT_EQ(bar.horizontalTotal, 300 * x);
    f.editor.select(f.editor.getTextLength(), f.editor.getTextLength());
    f.send(WM_CHAR, L'b');
    EXPECT_EQ(bar.horizontalTotal, 300 * x);

    // The widest line itself getting shorter narrows the range to the next widest.
    f.editor.select(0, 200);
    f.send(WM_CHAR, L'x');
    EXPECT_EQ(bar.horizontalTotal, 101 * x);
    f.editor.select(0, 101);
    f.send(WM_CHAR, L'x');
    EXPECT_EQ(bar.horizontalTotal, f.editor.getTextAreaWidth());  // never below the text area
}
