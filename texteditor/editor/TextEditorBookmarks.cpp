// The editor's side of bookmarks: toggling from the margin, and moving them with edits.
#include "texteditor/editor/TextEditor.h"

void TextEditor::toggleBookmark(int line, bool repaint) {
    if (line < 0) line = static_cast<int>(selection.caretLine);
    const bool before = bookmarks.hasBookmarks();
    bookmarks.toggleBookmark(line);
    if (bookmarks.hasBookmarks() != before) {
        updateLayout();  // the margin came or went: the gutter changed width
        repaintAll();
    } else if (repaint) {
        repaintAll();
    }
}
