#include "player/lyrics/MyTextEditor.h"

#include "player/lyrics/RubyReadings.h"
#include "toolkit/window/PopupMenu.h"

MyTextEditor::MyTextEditor() = default;
MyTextEditor::~MyTextEditor() = default;

void MyTextEditor::buildRubyMenu(PopupMenu& menu) {
    createContextMenu(menu);
    menu.addSeparator();
    const bool selected = !getSelection().isEmpty();
    menu.addItem(L"Add Ruby to the selected Kanji text", kAddRuby, selected);
    menu.addItem(L"Remove Aozora Ruby in the selected Kanji text", kRemoveRuby, selected);
}

void MyTextEditor::showContextMenu() {
    RubyReadings readings;
    if (!readings.open(L"MSIME.Japan")) {
        TextEditor::showContextMenu();
        return;
    }
    PopupMenu menu;
    buildRubyMenu(menu);
    runRubyCommand(menu.show(m_hWnd), readings);
}

void MyTextEditor::runRubyCommand(int id, RubyReadings& readings) {
    const TextRange range = getSelection();
    switch (id) {
        case 0: break;
        case kAddRuby:
            replaceRange(readings.makeRubyText(RubyReadings::withoutRubyMarks(getSelectedText())), range, true);
            break;
        case kRemoveRuby: replaceRange(RubyReadings::withoutRubyMarks(getSelectedText()), range, true); break;
        default: ::PostMessageW(m_hWnd, WM_COMMAND, static_cast<WPARAM>(id), 0); break;
    }
}
