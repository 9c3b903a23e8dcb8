#include "texteditor/document/ITextDocument.h"

#include <algorithm>

namespace {

// Calls emit(end) for each line break that starts in text[from..to] (to inclusive), with
// end the offset just after the break; a CR LF pair counts once, at its LF.
template <typename Emit>
void scanBreaks(const std::wstring& text, uint32_t from, uint32_t to, Emit emit) {
    const uint32_t length = static_cast<uint32_t>(text.size());
    uint32_t i = from;
    while (i <= to && i < length) {
        const wchar_t c = text[i];
        if (c == L'\r') {
            i += (i + 1 < length && text[i + 1] == L'\n') ? 2 : 1;
            emit(i);
        } else if (c == L'\n') {
            ++i;
            emit(i);
        } else {
            ++i;
        }
    }
}

}  // namespace

void ITextDocument::onTextRemoved(TextRange range) {
    if (range.end <= range.start) return;
    updateLineTable(static_cast<uint32_t>(range.start), static_cast<uint32_t>(range.end - range.start), 0);
}

void ITextDocument::onTextInserted(uint32_t start, const std::wstring& inserted) {
    if (inserted.empty()) return;
    updateLineTable(start, 0, static_cast<uint32_t>(inserted.size()));
}

std::wstring ITextDocument::getTextInRange(TextRange range) const {
    const std::wstring& text = getText();
    if (text.empty() || range.start < 0 || static_cast<size_t>(range.start) > text.size()) return std::wstring();
    if (range.end <= range.start) return std::wstring();
    return text.substr(static_cast<size_t>(range.start), static_cast<size_t>(range.end - range.start));
}

uint32_t ITextDocument::getLength() const { return static_cast<uint32_t>(getText().size()); }

wchar_t ITextDocument::getCharAt(uint32_t offset) const { return getText()[offset]; }

std::wstring ITextDocument::getLineText(uint32_t line, bool) const {
    if (line + 1 >= lines.size() || getText().empty()) return std::wstring();
    const uint32_t length = getLineLength(line);
    if (length == 0) return std::wstring();
    return getText().substr(lines[line].start, length);
}

uint32_t ITextDocument::getLine(uint32_t line, wchar_t* buffer, uint32_t maxChars) const {
    const std::wstring text = getLineText(line, true);
    const uint32_t length = static_cast<uint32_t>(text.size());
    if (!buffer) return length;
    const uint32_t copied = std::min(length, maxChars);
    std::copy(text.begin(), text.begin() + copied, buffer);
    if (copied < maxChars) buffer[copied] = L'\0';
    return copied;
}

uint32_t ITextDocument::findLine(uint32_t value, bool byRow) const {
    const size_t count = lines.size();
    if (count == 0) return 0;
    if (byRow) {
        // Rows never decrease from record to record: the first record starting at the
        // row, else the last one starting before it.
        auto it = std::lower_bound(lines.begin(), lines.end(), value,
                                   [](const WrapInfo& w, uint32_t v) { return w.firstRow < v; });
        if (it != lines.end() && it->firstRow == value) return static_cast<uint32_t>(it - lines.begin());
        return it == lines.begin() ? 0 : static_cast<uint32_t>(it - lines.begin() - 1);
    }
    auto it = std::upper_bound(lines.begin(), lines.end(), value,
                               [](uint32_t v, const WrapInfo& w) { return v < w.start; });
    uint32_t index = it == lines.begin() ? 0 : static_cast<uint32_t>(it - lines.begin() - 1);
    // The end of the text lies on the last text line, never on the sentinel.
    if (count >= 2 && index > count - 2) index = static_cast<uint32_t>(count - 2);
    return index;
}

uint32_t ITextDocument::getLastLineIndex() const {
    // An empty text counts no lines.
    if (lines.empty() || getLength() == 0) return 0;
    return static_cast<uint32_t>(lines.size() - 1);
}

uint32_t ITextDocument::getLineLength(uint32_t line) const {
    if (line + 1 >= lines.size()) return 0;
    return lines[line + 1].start - lines[line].start;
}

uint32_t ITextDocument::getLineStart(uint32_t line) const {
    if (line >= lines.size()) return 0xFFFFFFFFu;
    return lines[line].start;
}

void ITextDocument::getLineAndColumn(uint32_t offset, uint32_t* line, uint32_t* column) const {
    const uint32_t found = getLineAt(offset);
    if (line) *line = found;
    if (column && found < lines.size()) *column = offset - lines[found].start;
}

uint32_t ITextDocument::getLineStartOf(uint32_t offset) const { return getLineStart(getLineAt(offset)); }

bool ITextDocument::isLineStart(uint32_t offset) const { return getLineStartOf(offset) == offset; }

uint32_t ITextDocument::getWrappedRow(uint32_t line, uint32_t column) const {
    if (lines.empty()) return 0;
    if (line >= lines.size()) line = static_cast<uint32_t>(lines.size() - 1);
    return lines[line].getRowOfColumn(column) + lines[line].firstRow;
}

std::wstring ITextDocument::getNewLineString() const {
    if (newLineStyle & kCR) return L"\r";
    if (newLineStyle & kLF) return L"\n";
    return L"\r\n";
}

void ITextDocument::rebuildLineTable() {
    const std::wstring& text = getText();
    const uint32_t length = static_cast<uint32_t>(text.size());
    lines.clear();
    lines.reserve(length / 100 + 2);
    uint32_t loneCR = 0;
    uint32_t loneLF = 0;
    uint32_t pairs = 0;
    uint32_t lineStart = 0;
    for (uint32_t i = 0; i < length; ++i) {
        const wchar_t c = text[i];
        if (c == L'\r') {
            if (i + 1 < length && text[i + 1] == L'\n') {
                ++pairs;
                ++i;
            } else {
                ++loneCR;
            }
        } else if (c == L'\n') {
            ++loneLF;
        } else {
            continue;
        }
        lines.emplace_back(lineStart);
        lineStart = i + 1;
    }
    lines.emplace_back(lineStart);
    lines.emplace_back(length);

    newLineFlags = (loneCR ? kCR : 0u) | (loneLF ? kLF : 0u) | (pairs ? kCRLF : 0u);
    if (loneCR > loneLF && loneCR > pairs) {
        newLineStyle = kCR;
    } else if (loneLF > loneCR && loneLF > pairs) {
        newLineStyle = kLF;
    } else {
        newLineStyle = kCRLF;
    }
}

void ITextDocument::updateLineTable(uint32_t start, uint32_t removedLength, uint32_t insertedLength) {
    if (lines.size() < 2) {
        rebuildLineTable();
        return;
    }
    const std::wstring& text = getText();
    const uint32_t newLength = static_cast<uint32_t>(text.size());
    const uint32_t oldEnd = start + removedLength;
    const int64_t delta = static_cast<int64_t>(insertedLength) - static_cast<int64_t>(removedLength);
    const size_t sentinel = lines.size() - 1;
    auto byStart = [](const WrapInfo& w, uint32_t v) { return w.start < v; };

    // Records of lines that start before the edit keep their place (the first record,
    // at 0, always stays); records whose line break ends two or more characters after
    // the removed range only move. Everything between is found again by scanning the
    // new text from the character before the edit to the one after the inserted text.
    auto firstAffected = std::lower_bound(lines.begin() + 1, lines.begin() + sentinel, start, byStart);
    auto firstKept = std::lower_bound(firstAffected, lines.begin() + sentinel, oldEnd + 2, byStart);
    const size_t from = static_cast<size_t>(firstAffected - lines.begin());
    const size_t keptFrom = static_cast<size_t>(firstKept - lines.begin());

    std::vector<uint32_t> found;
    const uint64_t limit = static_cast<uint64_t>(start) + insertedLength + 2;
    const uint32_t scanFrom = start > 0 ? start - 1 : 0;
    scanBreaks(text, scanFrom, start + insertedLength, [&](uint32_t end) {
        if (end < limit) found.push_back(end);
    });

    // Reuse the records in place where the counts allow it; move the tail only once.
    const size_t oldCount = keptFrom - from;
    const size_t reused = std::min(oldCount, found.size());
    for (size_t i = 0; i < reused; ++i) {
        WrapInfo& record = lines[from + i];
        record.start = found[i];
        record.rowCount = 0;
        record.breaks.clear();
    }
    if (oldCount > found.size()) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(from + reused),
                    lines.begin() + static_cast<std::ptrdiff_t>(keptFrom));
    } else if (found.size() > oldCount) {
        std::vector<WrapInfo> added;
        added.reserve(found.size() - reused);
        for (size_t i = reused; i < found.size(); ++i) added.emplace_back(found[i]);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(keptFrom), std::make_move_iterator(added.begin()),
                     std::make_move_iterator(added.end()));
    }
    const size_t shiftFrom = from + found.size();
    if (delta != 0) {
        for (size_t i = shiftFrom; i + 1 < lines.size(); ++i) {
            lines[i].start = static_cast<uint32_t>(static_cast<int64_t>(lines[i].start) + delta);
        }
    }
    lines.back().start = newLength;
}
