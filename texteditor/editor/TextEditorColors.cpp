// The colours of each character of a line, and the display options the painter reads.
#include <algorithm>
#include <vector>

#include "texteditor/editor/LineColors.h"
#include "texteditor/editor/TextEditor.h"

void TextEditor::getLineColors(int line, const std::wstring& lineText, int count, CellColors* cells) {
    if (!cells || count <= 0) return;
    const std::wstring text = lineText.substr(0, static_cast<size_t>(count));
    std::vector<CellColors> colors;
    applySyntaxStyles(text, styles, CellColors{mTextColor, mBackColor, 0}, colors);
    applyFindHighlight(text, findHighlight, getColor(5), getColor(4), colors);
    if (!hideSelection || hasFocus()) {
        const TextRange sel = getSelection();
        const int lineStart = static_cast<int>(document->getLineStart(static_cast<uint32_t>(std::max(line, 0))));
        const int from = std::max(sel.start - lineStart, 0);
        const int to = std::min(sel.end - lineStart, static_cast<int>(colors.size()));
        for (int i = from; i < to; ++i) {
            colors[static_cast<size_t>(i)].text = getColor(3);
            colors[static_cast<size_t>(i)].background = getColor(2);
        }
    }
    std::copy(colors.begin(), colors.end(), cells);
}

void TextEditor::setFindHighlight(const FindInfo& info) {
    findHighlight = info;
    repaintAll();
}

void TextEditor::clearFindHighlight() {
    findHighlight.pattern.clear();
    repaintAll();
}

void TextEditor::setSyntaxStyle(const std::wstring& key, const SyntaxStyle& value) {
    styles[key] = value;
    repaintAll();
}

void TextEditor::setLineNumbersVisible(bool value) {
    showLineNumbers = value;
    updateLayout();  // the gutter changes the width the rows wrap to
}

void TextEditor::setTabMarksVisible(bool value) {
    showTabMarks = value;
    repaintAll();
}

void TextEditor::setEndOfLineVisible(bool value) {
    showEndOfLine = value;
    repaintAll();
}

void TextEditor::setFullWidthSpacesVisible(bool value) {
    showFullWidthSpaces = value;
    updateLayout();  // a shown full-width space is measured as its mark
}

void TextEditor::setBorderVisible(bool value) {
    showBorder = value;
    repaintAll();
}

void TextEditor::setClearMarkVisible(bool value) {
    showClearMark = value;
    repaintAll();
}

void TextEditor::setHintText(const std::wstring& text) {
    hintText = text;
    repaintAll();
}

void TextEditor::setBackgroundFit(bool value) {
    fitBackgroundImage = value;
    repaintAll();
}

void TextEditor::setBackgroundOpacity(int percent) {
    backgroundOpacity = percent;
    repaintAll();
}
