// The one listener of a text editor (not owned by it). Every operation does nothing by
// default, so a listener overrides only what it needs.
#pragma once

#include <cstdint>

class TextEditor;
class PopupMenu;

class TextEditorListener {
public:
    virtual ~TextEditorListener() = default;
    // With every EN_UPDATE: the text was replaced somewhere.
    virtual void textUpdated() {}
    virtual void themeApplied() {}
    virtual void modifiedChanged() {}
    // The selection or the file state changed.
    virtual void selectionChanged() {}
    virtual void mousePressed(uint32_t offset) {}
    // The context menu is built; the listener may add items.
    virtual void contextMenuOpening(TextEditor& editor, PopupMenu& menu) {}
    // True when the listener carried out the chosen command itself.
    virtual bool contextMenuCommand(TextEditor& editor, int id) { return false; }
};
