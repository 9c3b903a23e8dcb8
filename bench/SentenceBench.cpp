// Loads 5,000 sentence groups into the sentence table and the sentence view of a shown
// window, then moves the selection through every row as the next-sentence key does,
// letting each step paint; prints the times. Run it on an X display (Xvfb will do):
//   cd build/run && wine ../bench/SentenceBench.exe
// Targets under Wine: loading under 300 ms, each selection step under 2 ms.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "player/lyrics/LyricsTable.h"
#include "player/lyrics/LyricsTextEditor.h"
#include "player/lyrics/SentenceGroup.h"
#include "player/lyrics/SentenceRows.h"
#include "toolkit/window/BaseWindow.h"

namespace {

class Frame : public BaseWindow {
public:
    Frame() { registerClass(L"SentenceBenchFrame", nullptr, 0); }
};

constexpr int kGroups = 5000;

std::vector<SentenceGroup> makeGroups() {
    std::vector<SentenceGroup> groups;
    groups.reserve(kGroups);
    for (int i = 0; i < kGroups; ++i) {
        SentenceGroup group;
        group.start = static_cast<uint32_t>(i) * 3200;
        group.end = group.start + 3000;
        group.sentence = L"Sentence " + std::to_wstring(i) +
                         L" of the evening news tells the listener what happened today.\r\n";
        group.translation = L"\u4eca\u65e5\u306e\u30cb\u30e5\u30fc\u30b9 " + std::to_wstring(i);
        group.explanation = L"note " + std::to_wstring(i);
        groups.push_back(group);
    }
    return groups;
}

void pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace

int main() {
    Frame frame;
    if (!frame.create()) {
        std::printf("no window (is there an X display?)\n");
        return 1;
    }
    ::SetWindowPos(frame.m_hWnd, nullptr, 0, 0, 1200, 700, SWP_NOZORDER);
    frame.setVisible(true);
    LyricsTable table;
    table.createWithDefaultBounds(frame.m_hWnd);
    table.setBounds(0, 0, 760, 660);
    table.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    LyricsTextEditor editor;
    editor.create(frame.m_hWnd, 770, 0, 410, 660);
    SentenceRows rows(table, editor);
    const std::vector<SentenceGroup> groups = makeGroups();
    pump();

    const BenchClock::time_point loadStart = BenchClock::now();
    rows.setSentenceGroups(groups);
    pump();
    const double load = millisecondsSince(loadStart);

    std::vector<double> steps;
    steps.reserve(kGroups);
    const BenchClock::time_point walkStart = BenchClock::now();
    for (int i = 0; i < kGroups; ++i) {
        const BenchClock::time_point start = BenchClock::now();
        rows.selectAdjacentRow(true);
        ::UpdateWindow(table.m_hWnd);
        ::UpdateWindow(editor.m_hWnd);
        steps.push_back(millisecondsSince(start));
    }
    const double walk = millisecondsSince(walkStart);
    const bool inStep = rows.getSelectedRow() == kGroups - 1 && editor.getSentenceCount() == kGroups;

    // Where a step's time goes, over the first 500 rows.
    double parts[4] = {0, 0, 0, 0};
    table.clearSelection();
    for (int i = 0; i < 500; ++i) {
        BenchClock::time_point t = BenchClock::now();
        table.select(i);
        parts[0] += millisecondsSince(t);
        t = BenchClock::now();
        table.ensureVisible(i);
        ::UpdateWindow(table.m_hWnd);
        parts[1] += millisecondsSince(t);
        t = BenchClock::now();
        editor.selectSentence(i);
        parts[2] += millisecondsSince(t);
        t = BenchClock::now();
        ::UpdateWindow(editor.m_hWnd);
        parts[3] += millisecondsSince(t);
    }
    const double tableBar = scrollBarRedrawMs(table.m_hWnd);
    const double viewBar = scrollBarRedrawMs(editor.m_hWnd);
    std::vector<double> sorted = steps;
    std::sort(sorted.begin(), sorted.end());

    std::printf("load %d groups: %.1f ms (target < 300)\n", kGroups, load);
    std::printf("selection steps: mean %.3f ms, median %.3f ms, 99th %.3f ms, worst %.3f ms (target < 2)\n",
                walk / kGroups, sorted[sorted.size() / 2], sorted[sorted.size() * 99 / 100], sorted.back());
    std::printf("a step's parts: table select %.3f ms, table scroll and paint %.3f ms, view select %.3f ms, "
                "view paint %.3f ms\n",
                parts[0] / 500, parts[1] / 500, parts[2] / 500, parts[3] / 500);
    std::printf("of which the window system's scroll-bar redraws: table %.3f ms, view %.3f ms (once per scroll)\n",
                tableBar, viewBar);
    std::printf("last row selected, items in step: %s\n", inStep ? "yes" : "NO");
    return inStep ? 0 : 1;
}
