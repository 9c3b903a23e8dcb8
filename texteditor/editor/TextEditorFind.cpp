// Finding and replacing with the regular-expression engine. The pattern is always a
// regular expression; the search starts at the FindInfo's selection and never wraps.
#include <algorithm>

#include "foundation/regex/Regexp.h"
#include "texteditor/editor/ReplacementEscapes.h"
#include "texteditor/editor/TextEditor.h"

namespace {

int engineFlags(const FindInfo& info) {
    int flags = MULTILINE;
    if (info.flags & FindInfo::kIgnoreCase) flags |= IGNORECASE;
    if (info.flags & FindInfo::kBackward) flags |= RIGHTTOLEFT;
    return flags;
}

bool isBackward(const FindInfo& info) { return (info.flags & FindInfo::kBackward) != 0; }

// Whether the match is the selection the search started from (in either order).
bool coversSelection(const MatchResultT& m, const FindInfo& info) {
    return m.isMatched() && ((m.getStart() == info.first && m.getEnd() == info.second) ||
                             (m.getStart() == info.second && m.getEnd() == info.first));
}

MatchResultT matchFrom(const CRegexp& pattern, const std::wstring& text, int from) {
    if (from < 0 || from > static_cast<int>(text.size())) return MatchResultT();
    return pattern.match(text, from);
}

// Where the search goes on past a match: after it (before it, backward). An empty match
// moves on by one character more, or the search would find it again and again.
int positionPast(int start, int end, bool backward) {
    const int step = start == end ? 1 : 0;
    return backward ? start - step : end + step;
}

int clampOffset(int offset, const std::wstring& text) {
    return std::max(0, std::min(offset, static_cast<int>(text.size())));
}

}  // namespace

bool TextEditor::find(const FindInfo& info) {
    if (info.pattern.empty()) return false;
    const CRegexp pattern(info.pattern, engineFlags(info));
    const std::wstring& text = document->getText();
    MatchResultT m = pattern.match(text, clampOffset(info.first, text));
    if (!m.isMatched()) return false;
    if (coversSelection(m, info)) {
        const MatchResultT next =
            matchFrom(pattern, text, positionPast(m.getStart(), m.getEnd(), isBackward(info)));
        if (next.isMatched()) m = next;
    }
    select(static_cast<uint32_t>(m.getStart()), static_cast<uint32_t>(m.getEnd()));
    repaintAll();
    return true;
}

bool TextEditor::replace(const FindInfo& info, const std::wstring& replacement) {
    if (info.pattern.empty()) return false;
    const CRegexp pattern(info.pattern, engineFlags(info));
    MatchResultT m = pattern.match(document->getText(), clampOffset(info.first, document->getText()));
    bool replaced = false;
    if (coversSelection(m, info)) {
        // The replacement is expanded against the match in the whole text, so that its
        // group references and look-around see what the search saw.
        const std::wstring piece = pattern.replaceText(document->getText(), decodeEscapes(replacement), m);
        const int start = m.getStart();
        replaceRange(piece, TextRange(start, m.getEnd()), true);
        replaced = true;
        const int end = start + static_cast<int>(piece.size());
        const bool emptyMatch = m.getStart() == m.getEnd();
        // Past the new text; an empty match that gave no text moves on by one character.
        const int from = isBackward(info) ? (emptyMatch ? start - 1 : start)
                                          : (emptyMatch && piece.empty() ? end + 1 : end);
        m = matchFrom(pattern, document->getText(), from);
    }
    if (m.isMatched()) select(static_cast<uint32_t>(m.getStart()), static_cast<uint32_t>(m.getEnd()));
    return replaced;
}

bool TextEditor::replaceAll(const FindInfo& info, const std::wstring& replacement) {
    if (info.pattern.empty()) return false;
    const CRegexp pattern(info.pattern, engineFlags(info));
    // The engine moves on by one character after an empty match, so this always ends.
    setText(pattern.replace(document->getText(), decodeEscapes(replacement)));
    return true;
}
