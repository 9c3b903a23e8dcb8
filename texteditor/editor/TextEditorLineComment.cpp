// Ctrl+/ : the lines the selection touches get "//" comments, or lose them.
#include <algorithm>

#include "texteditor/editor/LineComments.h"
#include "texteditor/editor/TextEditor.h"

void TextEditor::toggleLineComment() {
    if (readOnly || getTextLength() == 0) return;
    selectLines(std::min(selection.anchorLine, selection.caretLine), std::max(selection.anchorLine, selection.caretLine),
                false);
    const std::wstring lines = getSelectedText();
    if (lines.empty()) return;
    const std::wstring changed = toggleLineComments(lines);
    const TextRange sel = getSelection();
    if (changed != lines) replaceSelection(changed, true);
    const uint32_t start = static_cast<uint32_t>(sel.start);
    select(start, start + static_cast<uint32_t>(changed.size()));
}
