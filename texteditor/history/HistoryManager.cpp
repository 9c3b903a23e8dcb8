#include "texteditor/history/HistoryManager.h"

HistoryManager::HistoryManager(EditReplayer& editor_) : editor(editor_) { clear(); }

void HistoryManager::clear() {
    events.clear();
    events.emplace_back();
    position = 0;
    savedPosition = 0;
}

void HistoryManager::add(const EditEvent& event) {
    events.resize(static_cast<size_t>(position) + 1);
    events.push_back(event);
    ++position;
}

void HistoryManager::record(TextRange range, const std::wstring& newText, const std::wstring& removedText,
                            int caret) {
    // The saved state lay in the redo part that this edit discards.
    if (position < savedPosition) savedPosition = -1;
    EditEvent event;
    event.kind = range.isEmpty() ? EditEvent::kInsertion : EditEvent::kReplacement;
    event.position = range.start;
    event.caret = caret;
    event.insertedText = newText;
    if (!range.isEmpty()) event.removedText = removedText;
    add(event);
}

int HistoryManager::undo() {
    if (position == 0) return -1;
    const EditEvent& event = events[static_cast<size_t>(position)];
    --position;
    const int end = event.position + static_cast<int>(event.insertedText.size());
    editor.replayReplace(event.kind == EditEvent::kReplacement ? event.removedText : std::wstring(),
                         TextRange(event.position, end));
    return event.caret;
}

int HistoryManager::redo() {
    if (!canRedo()) return -1;
    ++position;
    const EditEvent& event = events[static_cast<size_t>(position)];
    if (event.kind == EditEvent::kReplacement) {
        editor.replayReplace(event.insertedText,
                             TextRange(event.position, event.position + static_cast<int>(event.removedText.size())));
    } else {
        editor.replayReplace(event.insertedText, TextRange(event.position, event.position));
    }
    return event.position + static_cast<int>(event.insertedText.size());
}
