// Fills an own-drawn table with 10,000 rows of 5 columns, paints one screen of it and
// scrolls through it a page at a time, painting each page; prints the times and the
// memory the rows took. Run it on an X display (a private Xvfb will do):
//   cd build/run && wine ../bench/TableBench.exe
// Targets under Wine: filling under 200 ms, one paint under 10 ms, memory for the rows
// under 20 MB.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "bench/BenchSupport.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/widgets/TableComponent.h"

namespace {

using Clock = BenchClock;

class Frame : public BaseWindow {
public:
    Frame() { registerClass(L"TableBenchFrame", nullptr, 0); }
};

constexpr int kRows = 10000;

}  // namespace

int main() {
    Frame frame;
    if (!frame.create()) {
        std::printf("no window (is there an X display?)\n");
        return 1;
    }
    ::SetWindowPos(frame.m_hWnd, nullptr, 0, 0, 900, 700, SWP_NOZORDER);
    frame.setVisible(true);
    TableComponent table;
    table.createWithDefaultBounds(frame.m_hWnd);
    table.setBounds(0, 0, 880, 660);
    const wchar_t* const names[] = {L"Start", L"End", L"Sentence", L"Translation", L"Explanation"};
    for (const wchar_t* name : names) table.addColumn(name, 170);
    table.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);

    const std::wstring sentence = L"The quick brown fox of the evening news jumps over the lazy dog again";
    const size_t memoryBefore = privateBytes();
    const Clock::time_point fillStart = Clock::now();
    for (int row = 0; row < kRows; ++row) {
        wchar_t time[16];
        ::swprintf(time, 16, L"%02d:%02d:%02d", row / 6000, row / 100 % 60, row % 100);
        table.addItem(time, -1);
        table.setItemText(time, row, 1);
        table.setItemText(sentence, row, 2);
        table.setItemText(L"\u4eca\u65e5\u306e\u30cb\u30e5\u30fc\u30b9\u3067\u3059", row, 3);
        table.setItemText(L"explanation " + std::to_wstring(row), row, 4);
    }
    const double fill = millisecondsSince(fillStart);
    const double memory = (privateBytes() - memoryBefore) / (1024.0 * 1024.0);

    const auto paintOnce = [&] {
        const Clock::time_point start = Clock::now();
        Graphics g(table.getWidth(), table.getHeight());
        table.paint(g);
        return millisecondsSince(start);
    };
    paintOnce();  // fonts and the character widths are measured once
    double firstPaint = 1e30;
    for (int i = 0; i < 5; ++i) firstPaint = std::min(firstPaint, paintOnce());

    int pages = 0;
    double worstPage = 0;
    double allPages = 0;
    const Clock::time_point scrollStart = Clock::now();
    while (table.getVerticalPosition() < table.getVerticalRange()) {
        const Clock::time_point start = Clock::now();
        ::SendMessageW(table.m_hWnd, WM_VSCROLL, SB_PAGEDOWN, 0);
        paintOnce();
        const double page = millisecondsSince(start);
        worstPage = std::max(worstPage, page);
        allPages += page;
        ++pages;
    }
    const double scroll = millisecondsSince(scrollStart);

    std::printf("fill %d rows x 5 columns:  %.1f ms (target < 200)\n", kRows, fill);
    std::printf("memory for the rows:        %.1f MB (target < 20)\n", memory);
    std::printf("paint one screen:           %.2f ms (target < 10)\n", firstPaint);
    std::printf("page down and paint:        %d pages in %.0f ms, %.2f ms each, worst %.2f ms\n", pages, scroll,
                pages ? allPages / pages : 0.0, worstPage);
    return 0;
}
