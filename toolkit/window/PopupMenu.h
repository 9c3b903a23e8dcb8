// A context or button menu answered synchronously: build it, add items with command ids,
// show it, and act on the id it returns (0 when dismissed). No WM_COMMAND is sent.
#pragma once

#include <windows.h>

#include "toolkit/window/Menu.h"

class PopupMenu : public Menu {
public:
    PopupMenu();
    ~PopupMenu() override;

    // Adds an item, greyed when not enabled; an empty text adds a separator and answers null.
    HMENU addItem(const wchar_t* text, int id, bool enabled = true);
    void addSeparator();
    void checkItem(int id, bool checked);
    // Shows the menu at the screen position and answers the chosen id, 0 for none.
    int track(HWND owner, int x, int y, UINT flags = 0);
    // The same at the mouse cursor.
    int show(HWND owner, UINT flags = 0);

private:
    HMENU mRootMenu = nullptr;
};
