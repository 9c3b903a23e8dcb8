// The text of an editor together with its line table. The editor edits only through
// this interface and reads line and row positions from the table.
//
// The table holds one record per line plus a last record (the sentinel) whose start is
// the text length, so a text of n lines has n + 1 records and an empty text two, both
// at 0. A line ends after its line break: the break belongs to the line it ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "texteditor/document/TextRange.h"
#include "texteditor/document/WrapInfo.h"

class ITextDocument {
public:
    enum LineBreak : uint32_t { kCR = 1, kLF = 2, kCRLF = 4 };

    ITextDocument() = default;
    virtual ~ITextDocument() = default;
    ITextDocument(const ITextDocument&) = delete;
    ITextDocument& operator=(const ITextDocument&) = delete;

    // Reads a file with its encoding detected; false leaves the document as it was.
    virtual bool load(const std::wstring& path) = 0;
    // Empties the text; encoding, line-break style and file name stay.
    virtual void clear() = 0;
    // Writes the text in the document's encoding; the file name follows on success.
    virtual bool save(const std::wstring& path) = 0;
    virtual void setText(const std::wstring& text) = 0;
    // The one editing primitive; the range must lie inside the text (callers clamp it).
    virtual void replace(TextRange range, const std::wstring& newText) = 0;
    // Line-table updates after the text has lost a range / gained a text.
    virtual void onTextRemoved(TextRange range);
    virtual void onTextInserted(uint32_t start, const std::wstring& inserted);
    virtual const std::wstring& getText() const = 0;
    virtual std::wstring getTextInRange(TextRange range) const;
    virtual uint32_t getLength() const;
    // The offset must be below getLength().
    virtual wchar_t getCharAt(uint32_t offset) const;
    // The line with its line break; empty for a line index past the table.
    virtual std::wstring getLineText(uint32_t line, bool withBreak = true) const;
    // Copies at most maxChars characters of the line (break included) as an EDIT
    // control does: the terminator only when there is room. Returns the count copied,
    // or the line's length when no buffer is given.
    virtual uint32_t getLine(uint32_t line, wchar_t* buffer, uint32_t maxChars) const;
    // The line that holds an offset (never the sentinel) or a screen row.
    virtual uint32_t findLine(uint32_t value, bool byRow) const;

    // The sentinel's index, which is the number of text lines; 0 for an empty text.
    uint32_t getLastLineIndex() const;
    uint32_t getLineCount() const { return static_cast<uint32_t>(lines.size()); }
    uint32_t getLineLength(uint32_t line) const;
    uint32_t getLineStart(uint32_t line) const;
    uint32_t getLineAt(uint32_t offset) const { return findLine(offset, false); }
    void getLineAndColumn(uint32_t offset, uint32_t* line, uint32_t* column) const;
    // 0xFFFFFFFF when the offset's line is not in the table.
    uint32_t getLineStartOf(uint32_t offset) const;
    bool isLineStart(uint32_t offset) const;
    uint32_t getWrappedRow(uint32_t line, uint32_t column) const;
    std::wstring getNewLineString() const;

    int getEncoding() const { return encoding; }
    void setEncoding(int value) { encoding = value; }
    const std::wstring& getFileName() const { return fileName; }
    uint32_t getNewLineFlags() const { return newLineFlags; }
    uint32_t getNewLineStyle() const { return newLineStyle; }

    WrapInfo& lineAt(uint32_t index) { return lines[index]; }
    const WrapInfo& lineAt(uint32_t index) const { return lines[index]; }

protected:
    // Builds the whole table from the text, with the break flags and the style.
    void rebuildLineTable();
    // Brings the table up to date after [start, start + removedLength) of the old text
    // was replaced by insertedLength characters. The lines around the edit are scanned
    // again, so a CR LF pair that the edit splits or joins counts exactly as a rebuild
    // would count it.
    void updateLineTable(uint32_t start, uint32_t removedLength, uint32_t insertedLength);

    uint32_t newLineFlags = 0;
    uint32_t newLineStyle = kCRLF;
    int encoding = 1;  // UTF-16LE
    // The records by value, side by side: the per-keystroke shift of the starts after
    // an edit walks memory in order.
    std::vector<WrapInfo> lines;
    std::wstring fileName;
};
