// Compares the program's own TextEditor with the Scintilla editing component on the same
// 10.6 MB, 200,000-line text, in shown frames (a hidden window skips the painting and the
// scroll bars), with the same font, row height, width and word wrapping. Each operation
// goes through the messages both editors answer, and is timed on both in the same run.
// Run it on an X display (a private Xvfb will do).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "bench/BenchSupport.h"
#include "bench/BenchText.h"
#include "bench/OurEditorUnderTest.h"
#include "bench/ScintillaUnderTest.h"

namespace {

using Clock = BenchClock;

constexpr int kEditorWidth = 800;
constexpr int kEditorHeight = 600;

struct Timing {
    double average = 0;
    double worst = 0;
};

Timing timeRepeated(int count, const std::function<void(int)>& step) {
    Timing timing;
    double total = 0;
    for (int i = 0; i < count; ++i) {
        const auto start = Clock::now();
        step(i);
        const double spent = millisecondsSince(start);
        total += spent;
        timing.worst = std::max(timing.worst, spent);
    }
    timing.average = total / count;
    return timing;
}

// Runs what is queued (paints, caret timers, idle work) so that it does not fall into
// the next measurement.
void drainMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void settle(HWND window) {
    ::UpdateWindow(window);
    drainMessages();
}

void typeCharacter(HWND window, int i) {
    ::SendMessageW(window, WM_CHAR, static_cast<WPARAM>(L'a' + i % 26), 1);
}

// A whole key press as the system delivers it: key down, its character, key up.
void pressKey(HWND window, int i) {
    const WPARAM key = static_cast<WPARAM>('A' + i % 26);
    ::SendMessageW(window, WM_KEYDOWN, key, 1);
    typeCharacter(window, i);
    ::SendMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

struct Results {
    bool loaded = false;
    double loadMs = 0;
    double memoryMB = 0;
    double layoutMs = 0;
    uint32_t rows = 0;
    Timing typedWrapped;
    Timing typedAtEnd;
    Timing typedUnwrapped;
    Timing keystroke;
    Timing repaint;
    Timing pageDown;
    bool pageDownMoved = false;
    double barRedrawMs = 0;
    double undoMs = 0;
    int undoSteps = 0;
    bool restored = false;
};

Results measure(EditorUnderTest& editor, HWND frame, const std::wstring& path) {
    Results results;
    const HWND window = editor.window();
    ::SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(frame);
    ::SetFocus(window);
    settle(frame);

    const size_t before = privateBytes();
    auto start = Clock::now();
    results.loaded = editor.load(path);
    ::UpdateWindow(window);
    results.loadMs = millisecondsSince(start);
    results.memoryMB = static_cast<double>(privateBytes() - before) / 1e6;
    if (!results.loaded) return results;
    const uint32_t loadedLength = editor.getLength();
    settle(window);

    // A narrower and a wider window: each width lays every line out again.
    constexpr int kLayouts = 4;
    for (int i = 0; i < kLayouts; ++i) {
        const int width = i % 2 == 0 ? kEditorWidth - 40 : kEditorWidth;
        start = Clock::now();
        ::SetWindowPos(window, nullptr, 0, 0, width, kEditorHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        editor.layOutAll();
        results.layoutMs += millisecondsSince(start) / kLayouts;
    }
    settle(window);
    results.rows = editor.getRowCount();

    const uint32_t middle = loadedLength / 2;
    editor.moveCaret(middle);
    settle(window);
    results.typedWrapped = timeRepeated(500, [&](int i) { typeCharacter(window, i); });
    settle(window);
    results.keystroke = timeRepeated(200, [&](int i) {
        pressKey(window, i);
        ::UpdateWindow(window);
    });
    settle(window);
    results.repaint = timeRepeated(50, [&](int) {
        ::InvalidateRect(window, nullptr, TRUE);
        ::UpdateWindow(window);
    });
    settle(window);

    editor.moveCaret(middle);
    settle(window);
    const uint32_t firstRow = editor.getFirstVisibleRow();
    results.pageDown = timeRepeated(50, [&](int) {
        ::SendMessageW(window, WM_KEYDOWN, VK_NEXT, 1);
        ::SendMessageW(window, WM_KEYUP, VK_NEXT, static_cast<LPARAM>(0xC0000001u));
        ::UpdateWindow(window);
    });
    results.pageDownMoved = editor.getFirstVisibleRow() != firstRow;
    settle(window);
    results.barRedrawMs = scrollBarRedrawMs(window);
    settle(window);

    editor.moveCaret(editor.getLength());
    settle(window);
    results.typedAtEnd = timeRepeated(500, [&](int i) { typeCharacter(window, i); });
    settle(window);

    editor.setWrapping(false);
    editor.moveCaret(middle);
    settle(window);
    results.typedUnwrapped = timeRepeated(500, [&](int i) { typeCharacter(window, i); });
    settle(window);
    editor.setWrapping(true);
    settle(window);

    // Undo all the typing: Scintilla groups a run of typed characters into one step.
    start = Clock::now();
    for (; editor.getLength() != loadedLength && results.undoSteps < 5000; ++results.undoSteps) {
        ::SendMessageW(window, WM_UNDO, 0, 0);
    }
    results.undoMs = millisecondsSince(start);
    results.restored = editor.getLength() == loadedLength;
    settle(window);
    return results;
}

// A top-level frame whose client area holds the editor exactly, at a given screen place.
bool showFrame(BaseWindow& frame, const wchar_t* className, const wchar_t* title, int x) {
    frame.registerClass(className, nullptr, 0);
    if (!frame.create()) return false;
    ::SetWindowTextW(frame.m_hWnd, title);
    RECT outer{0, 0, kEditorWidth, kEditorHeight};
    ::AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    ::SetWindowPos(frame.m_hWnd, nullptr, x, 0, outer.right - outer.left, outer.bottom - outer.top, SWP_NOZORDER);
    ::ShowWindow(frame.m_hWnd, SW_SHOWNORMAL);
    ::UpdateWindow(frame.m_hWnd);
    return true;
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

void printTiming(const char* what, const Timing& ours, const Timing& theirs, double target, bool done = true) {
    std::printf("%-44s %8.3f %8.3f   %9.3f %9.3f   < %-5g %s\n", what, ours.average, ours.worst, theirs.average,
                theirs.worst, target, done ? verdict(ours.average < target) : "MISSED (nothing scrolled)");
}

void report(const Results& ours, const Results& theirs) {
    std::printf("\n%-44s %17s   %19s   %s\n", "", "TextEditor", "Scintilla", "target for TextEditor");
    std::printf("%-44s %8s %8s   %9s %9s\n", "times in ms", "average", "worst", "average", "worst");
    std::printf("%-44s %8.1f %8s   %9.1f %9s   <= %.1f (1.5 x Scintilla) %s\n", "load: open the file, first paint",
                ours.loadMs, "", theirs.loadMs, "", 1.5 * theirs.loadMs, verdict(ours.loadMs <= 1.5 * theirs.loadMs));
    std::printf("%-44s %8.1f %8s   %9.1f %9s   < Scintilla %s\n", "lay out every wrapped line (a new width)",
                ours.layoutMs, "", theirs.layoutMs, "", verdict(ours.layoutMs < theirs.layoutMs));
    printTiming("typed character, middle, wrapping", ours.typedWrapped, theirs.typedWrapped, 1);
    printTiming("typed character, middle, no wrapping", ours.typedUnwrapped, theirs.typedUnwrapped, 1);
    printTiming("typed character, end, wrapping", ours.typedAtEnd, theirs.typedAtEnd, 1);
    printTiming("keystroke with its repaint, middle", ours.keystroke, theirs.keystroke, 5);
    printTiming("full repaint", ours.repaint, theirs.repaint, 8);
    printTiming("page-down with its repaint", ours.pageDown, theirs.pageDown, 8, ours.pageDownMoved);
    std::printf("%-44s %8.3f %8s   %9.3f %9s   (the window system's own share of each scroll)\n",
                "  of which one scroll-bar redraw", ours.barRedrawMs, "", theirs.barRedrawMs, "");
    std::printf("%-44s %8.1f %8s   %9.1f %9s\n", "undo all the typing", ours.undoMs, "", theirs.undoMs, "");
    std::printf("%-44s %17d   %19d\n", "undo steps for the typed characters", ours.undoSteps,
                theirs.undoSteps);
    std::printf("\n%-44s %17.1f   %19.1f\n", "memory taken by the load, MB", ours.memoryMB, theirs.memoryMB);
    std::printf("%-44s %17u   %19u\n", "rows of the wrapped text", ours.rows, theirs.rows);
    std::printf("%-44s %17s   %19s\n", "page-down scrolled", ours.pageDownMoved ? "yes" : "NO",
                theirs.pageDownMoved ? "yes" : "NO");
    std::printf("%-44s %17s   %19s\n", "text back as loaded after the undo", ours.restored ? "yes" : "NO",
                theirs.restored ? "yes" : "NO");
}

// The document alone, without the editor around it, and plain moving of the text.
void reportDocumentAlone(const std::wstring& text) {
    TextDocument document;
    document.setText(text);
    std::wstring copy = text;
    const uint32_t middle = document.getLength() / 2;
    auto start = Clock::now();
    for (int i = 0; i < 1000; ++i) document.replace(TextRange(middle + i, middle + i), L"x");
    std::printf("\nTextEditor's document alone: %.3f ms a character typed in the middle\n",
                millisecondsSince(start) / 1000);
    start = Clock::now();
    for (int i = 0; i < 1000; ++i) copy.insert(copy.begin() + middle + i, L'x');
    std::printf("moving the wide text in memory: %.3f ms a character\n", millisecondsSince(start) / 1000);
}

}  // namespace

int main() {
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"TextEditorBench.txt";
    const std::string bytes = makeBenchText(path);

    // The frames overlap on a 1280-pixel screen: each is raised while it is measured.
    BaseWindow ourFrame;
    BaseWindow scintillaFrame;
    OurEditorUnderTest ours;
    ScintillaUnderTest scintilla;
    RECT outer{0, 0, kEditorWidth, kEditorHeight};
    ::AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    const int rightX = std::max(0, ::GetSystemMetrics(SM_CXSCREEN) - static_cast<int>(outer.right - outer.left));
    if (!showFrame(ourFrame, L"TextEditorBenchFrame", L"TextEditor", 0) ||
        !showFrame(scintillaFrame, L"ScintillaBenchFrame", L"Scintilla", rightX) ||
        !ours.create(ourFrame.m_hWnd, kEditorWidth, kEditorHeight) ||
        !scintilla.create(scintillaFrame.m_hWnd, kEditorWidth, kEditorHeight)) {
        std::printf("could not create the frames and editors\n");
        return 1;
    }

    // The editor's own default face; both editors then get the same font and row height.
    LOGFONTW font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    if (font.lfHeight > 0) font.lfHeight = -font.lfHeight;
    if (font.lfHeight == 0) font.lfHeight = -12;
    ours.setFont(font);
    scintilla.setFont(font);
    scintilla.setRowHeight(ours.getRowHeight());
    scintilla.setWrapping(true);
    std::printf("font \"%ls\", %ld pixels; row height %d (TextEditor), %d (Scintilla); editors %d x %d\n",
                font.lfFaceName, -font.lfHeight, ours.getRowHeight(), scintilla.getRowHeight(), kEditorWidth,
                kEditorHeight);
    std::printf("text: %.1f MB, 200,000 lines\n", static_cast<double>(bytes.size()) / 1e6);

    const Results ourResults = measure(ours, ourFrame.m_hWnd, path);
    const Results scintillaResults = measure(scintilla, scintillaFrame.m_hWnd, path);
    if (!ourResults.loaded || !scintillaResults.loaded) {
        std::printf("%s could not open %ls\n", ourResults.loaded ? scintilla.name() : ours.name(), path.c_str());
        return 1;
    }
    report(ourResults, scintillaResults);
    reportDocumentAlone(ours.getEditor().getDocumentText());

    ::DestroyWindow(scintilla.window());
    ours.getEditor().destroy();
    ::DestroyWindow(scintillaFrame.m_hWnd);
    ::DestroyWindow(ourFrame.m_hWnd);
    ::DeleteFileW(path.c_str());
    return 0;
}
