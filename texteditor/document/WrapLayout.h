// The wrap layout: cuts each line of a document into screen rows that fit a width,
// filling the line records' row counts, boundaries and first rows. It measures through
// a small interface, so it runs the same over a window's font and over fixed widths.
#pragma once

#include <cstdint>

#include "texteditor/document/ITextDocument.h"

class CharMeasure {
public:
    virtual ~CharMeasure() = default;
    // Pixel width of one UTF-16 code unit (0 for CR and LF).
    virtual uint32_t charWidth(wchar_t c) = 0;
    // Widths indexed by code unit, read directly for printable ASCII (0x20 to 0x7E) where
    // the entry is not 0; nullptr when there is no such table.
    virtual const uint32_t* asciiWidths() { return nullptr; }
};

struct WrapSettings {
    int windowWidth = 0;
    int textAreaWidth = 0;  // window width minus the left and right margins
    int averageCharWidth = 1;
    bool wrapAtWindow = true;
};

struct WrapResult {
    bool rowsChanged = false;  // some line got a different number of rows
    uint32_t maxWidth = 0;     // widest last row laid out, at least the text area width
    // The widest former last-row width among the laid-out lines that got narrower: when
    // it was the document's widest, the document has to be measured again.
    uint32_t narrowedFrom = 0;
    uint32_t rowTotal = 0;     // rows of all records, the sentinel's included
};

// Windows this wide or wider keep their previous rows (the pass would be too costly).
constexpr int kMaxWrapWindowWidth = 4096;
// The row width limit of an editor that does not wrap at its window edge.
constexpr int kNoWrapLimit = 99999;

// Lays out the records [firstLine, lastLine); (0, 0) means all of them. Records after
// lastLine are only renumbered.
WrapResult layoutRows(ITextDocument& document, uint32_t firstLine, uint32_t lastLine, const WrapSettings& settings,
                      CharMeasure& measure);

// The widest last-row width over all lines, from the last layout of each.
uint32_t widestLastRow(const ITextDocument& document);

// A character after which a row may be cut: anything but an ASCII letter or "_".
bool allowsCutAfter(wchar_t c);

// Width of one blank on a justified row: the blanks of a row that is not the last of
// its line share the room left in the text area.
float justifiedBlankWidth(const ITextDocument& document, uint32_t line, uint32_t row, int textAreaWidth,
                          bool justify, CharMeasure& measure);
