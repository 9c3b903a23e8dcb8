// A history of search or replacement texts: a combo box of which only the drop-down
// button shows beside its field, whose list opens under the field, and whose right-click
// menu clears it. The newest entry stands on top; at most ten are kept.
#pragma once

#include <string>

#include "toolkit/widgets/ComboBox.h"

class PopupMenu;

class FindListComboBox : public ComboBox {
public:
    static constexpr int kMaxEntries = 10;
    enum MenuId { kClearHistory = 1 };

    // Puts a text at index (0 top, -1 end) and selects it; an entry equal to it (letter
    // case aside) goes first. Empty texts and texts with CR, LF or TAB are not kept.
    void addHistory(const std::wstring& text, int index);
    void clearHistory();
    // The entry's text; empty for an index that names none.
    std::wstring getItemText(int index) const;
    std::wstring getSelectedText() const;
    // Every entry, top to bottom, joined with ",".
    std::wstring joinItems() const;

    bool onRButtonUp() override;
    void fitDropDownWidth(HWND list) override;

    // Shows the history menu and answers the chosen id (0: none); tests replace it.
    using MenuRunner = int (*)(PopupMenu& menu, HWND owner);
    static void setMenuRunner(MenuRunner runner);

private:
    static constexpr int kListOffset = 256;  // the list starts this far left of the button
    static constexpr int kButtonWidth = 20;
};
