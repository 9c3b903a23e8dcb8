#include "texteditor/document/WrapLayout.h"

#include <algorithm>

bool allowsCutAfter(wchar_t c) {
    const bool letter = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
    return !letter && c != L'_';
}

namespace {

bool isBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

// Cuts one line into rows; returns the width of its last row.
uint32_t layoutLine(const std::wstring& text, WrapInfo& record, uint32_t limit, CharMeasure& measure) {
    const uint32_t length = static_cast<uint32_t>(text.size());
    record.reset();
    uint32_t x = 0;
    uint32_t rowStart = record.start;
    uint32_t p = record.start;
    const uint32_t* ascii = measure.asciiWidths();
    while (p < length && !isBreak(text[p])) {
        const wchar_t c = text[p];
        const uint32_t known = ascii && c >= 0x20 && c < 0x7F ? ascii[c] : 0;
        x += known != 0 ? known : measure.charWidth(c);
        // A row's first character always stays on it, so every row holds one at least.
        if (p == rowStart || x <= limit) {
            ++p;
            continue;
        }
        uint32_t next = p;
        for (uint32_t q = p - 1; q > rowStart; --q) {
            if (allowsCutAfter(text[q])) {
                next = q + 1;
                break;
            }
        }
        // A blank at the cut stays at the end of the row before, unless it is the
        // line's last character (the new row would be empty).
        if (text[next] == L' ' && next + 1 < length && !isBreak(text[next + 1])) ++next;
        record.breaks.push_back(next - record.start);
        ++record.rowCount;
        x = 0;
        rowStart = next;
        p = next;
    }
    const uint32_t end = p < length ? p + 1 : length;
    record.breaks.push_back(end - record.start);
    return x;
}

// A line that has never been laid out gets one row reaching to its end.
void giveOneRow(const ITextDocument& document, WrapInfo& record) {
    if (record.rowCount != 0) return;
    record.reset();
    const std::wstring& text = document.getText();
    uint32_t p = record.start;
    while (p < text.size() && !isBreak(text[p])) ++p;
    record.breaks.push_back((p < text.size() ? p + 1 : p) - record.start);
}

}  // namespace

WrapResult layoutRows(ITextDocument& document, uint32_t firstLine, uint32_t lastLine, const WrapSettings& settings,
                      CharMeasure& measure) {
    WrapResult result;
    const uint32_t count = document.getLineCount();
    if (firstLine == 0 && lastLine == 0) lastLine = count;
    lastLine = std::min(lastLine, count);
    firstLine = std::min(firstLine, count);
    // Rows are counted on from the end of the line before (that line was not touched by
    // the edit; the first line itself may be a new record).
    uint32_t rowAcc = 0;
    if (firstLine > 0 && firstLine <= count) {
        const WrapInfo& before = document.lineAt(firstLine - 1);
        rowAcc = before.firstRow + before.rowCount;
    }

    const uint32_t limit =
        settings.wrapAtWindow ? static_cast<uint32_t>(std::max(settings.textAreaWidth, 0)) : kNoWrapLimit;
    result.maxWidth = static_cast<uint32_t>(std::max(settings.textAreaWidth, 0));
    const bool measurable =
        settings.windowWidth > settings.averageCharWidth && settings.windowWidth < kMaxWrapWindowWidth;
    const std::wstring& text = document.getText();

    for (uint32_t i = firstLine; i < lastLine; ++i) {
        WrapInfo& record = document.lineAt(i);
        const uint32_t oldRows = record.rowCount;
        if (measurable) {
            const uint32_t oldWidth = record.lastRowWidth;
            record.lastRowWidth = layoutLine(text, record, limit, measure);
            result.maxWidth = std::max(result.maxWidth, record.lastRowWidth);
            if (record.lastRowWidth < oldWidth) result.narrowedFrom = std::max(result.narrowedFrom, oldWidth);
        } else {
            giveOneRow(document, record);
        }
        record.firstRow = rowAcc;
        rowAcc += record.rowCount;
        if (record.rowCount != oldRows) result.rowsChanged = true;
    }
    // The lines after the pass keep their rows; they only move by the change in the
    // rows before them, which typing inside a line usually leaves at 0.
    if (lastLine < count) {
        const WrapInfo& next = document.lineAt(lastLine);
        const int64_t shift = static_cast<int64_t>(rowAcc) - static_cast<int64_t>(next.firstRow);
        const bool renumber = shift != 0 || next.rowCount == 0;
        for (uint32_t i = lastLine; renumber && i < count; ++i) {
            WrapInfo& record = document.lineAt(i);
            if (record.rowCount == 0) giveOneRow(document, record);
            record.firstRow = rowAcc;
            rowAcc += record.rowCount;
        }
        if (!renumber) {
            const WrapInfo& last = document.lineAt(count - 1);
            rowAcc = last.firstRow + last.rowCount;
        }
    }
    result.rowTotal = rowAcc;
    return result;
}

uint32_t widestLastRow(const ITextDocument& document) {
    uint32_t widest = 0;
    const uint32_t count = document.getLineCount();
    for (uint32_t i = 0; i < count; ++i) widest = std::max(widest, document.lineAt(i).lastRowWidth);
    return widest;
}

float justifiedBlankWidth(const ITextDocument& document, uint32_t line, uint32_t row, int textAreaWidth,
                          bool justify, CharMeasure& measure) {
    const float blank = static_cast<float>(measure.charWidth(L' '));
    if (!justify || line >= document.getLineCount()) return blank;
    const WrapInfo& record = document.lineAt(line);
    if (record.rowCount == 0 || row + 1 >= record.rowCount || row + 1 >= record.breaks.size()) return blank;
    const std::wstring& text = document.getText();
    const uint32_t lineEnd = record.start + document.getLineLength(line);
    const uint32_t from = std::min(record.start + record.breaks[row], lineEnd);
    const uint32_t to = std::min(record.start + record.breaks[row + 1], lineEnd);
    uint32_t blanks = 0;
    uint32_t width = 0;
    for (uint32_t p = from; p < to; ++p) {
        if (text[p] == L' ') ++blanks;
        width += measure.charWidth(text[p]);
    }
    if (blanks == 0) return blank;
    const float inked = static_cast<float>(width) - static_cast<float>(blanks) * blank;
    if (blanks > 1 && to > from && text[to - 1] == L' ') --blanks;
    return (static_cast<float>(textAreaWidth) - inked) / static_cast<float>(blanks);
}
