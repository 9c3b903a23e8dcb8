// The undo and redo history of one editor's text. It also tells whether the text is
// modified: it remembers the history position at which the text was last saved.
#pragma once

#include <string>
#include <vector>

#include "texteditor/document/TextRange.h"
#include "texteditor/history/EditEvent.h"

// The editor side of a replay: replaces a range without recording it.
class EditReplayer {
public:
    virtual ~EditReplayer() = default;
    virtual void replayReplace(const std::wstring& text, TextRange range) = 0;
};

class HistoryManager {
public:
    explicit HistoryManager(EditReplayer& editor);

    // Only the neutral event remains; position and saved position 0.
    void clear();
    // Drops the redo part, then appends the event.
    void add(const EditEvent& event);
    // Records one edit of [range) by newText; removedText is the range's old text.
    void record(TextRange range, const std::wstring& newText, const std::wstring& removedText, int caret);
    // The caret offset to restore, or -1 when there is nothing to undo.
    int undo();
    // The offset just after the re-inserted text, or -1 when there is nothing to redo.
    int redo();
    bool canUndo() const { return position > 0; }
    bool canRedo() const { return static_cast<size_t>(position) + 1 < events.size(); }
    bool isModified() const { return position != savedPosition; }
    int getPosition() const { return position; }
    int getSavedPosition() const { return savedPosition; }
    void setSavedPosition(int value) { savedPosition = value; }
    // No undo or redo can reach the saved state any more.
    void forgetSavedPosition() { savedPosition = -1; }
    size_t getEventCount() const { return events.size(); }
    const EditEvent& getEvent(size_t index) const { return events[index]; }

private:
    EditReplayer& editor;
    std::vector<EditEvent> events;  // element 0 is a neutral event, never replayed
    int position = 0;               // index of the last applied event
    int savedPosition = 0;          // -1 when unreachable
};
