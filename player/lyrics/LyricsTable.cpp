#include "player/lyrics/LyricsTable.h"

namespace {

constexpr int kTimeColumnWidth = 48;
constexpr int kCellMargins = 6;

struct ColumnSpec {
    const wchar_t* header;
    int width;
};

// The study-mark columns start hidden (width 0).
const ColumnSpec kColumns[] = {
    {L"Check", 0},         {L"Start", kTimeColumnWidth}, {L"End", kTimeColumnWidth},
    {L"Sentence", 130},    {L"Translation", 300},        {L"Explanation", 300},
    {L"Trial", 0},         {L"Dictation", 0},            {L"Writing", 0},
};

// The width the longest usual time text takes in the table's font with the cell margins.
int measureTimeText(HWND window, const LOGFONTW& logFont) {
    HDC dc = ::GetDC(window);
    HFONT font = ::CreateFontIndirectW(&logFont);
    HGDIOBJ previous = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, L"00:00:00", 8, &size);
    ::SelectObject(dc, previous);
    ::DeleteObject(font);
    ::ReleaseDC(window, dc);
    return size.cx + kCellMargins;
}

}  // namespace

LyricsTable::LyricsTable() = default;
LyricsTable::~LyricsTable() = default;

bool LyricsTable::onCreate() {
    if (!BaseLyricsTable::onCreate()) return false;
    for (const ColumnSpec& column : kColumns) addColumn(column.header, column.width);
    setColumnNumbered(true, kSentenceColumn);
    // Where the font is wider than the one the widths were chosen for, the times would be
    // cut: their columns grow to fit.
    const int timeWidth = measureTimeText(m_hWnd, mLogFont);
    if (timeWidth > kTimeColumnWidth) {
        setColumnWidth(kStartColumn, timeWidth);
        setColumnWidth(kEndColumn, timeWidth);
    }
    return true;
}
