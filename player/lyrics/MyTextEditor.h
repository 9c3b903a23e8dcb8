// The translation field: a text editor whose context menu adds ruby readings to the
// selected Kanji, or takes them away, through the Japanese input method.
#pragma once

#include "texteditor/editor/TextEditor.h"

class PopupMenu;
class RubyReadings;

class MyTextEditor : public TextEditor {
public:
    enum RubyCommand { kAddRuby = 3000, kRemoveRuby = 3001 };

    MyTextEditor();
    ~MyTextEditor() override;

    // Without the input method: the editor's own menu.
    void showContextMenu() override;
    // The editor's items, a separator and the two ruby items (greyed without a selection).
    void buildRubyMenu(PopupMenu& menu);
    // Carries out a chosen id: the ruby items here, any other id posted to the editor.
    void runRubyCommand(int id, RubyReadings& readings);
};
