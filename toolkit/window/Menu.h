// A menu handle with one reusable item record. The program shows only context and button
// menus (PopupMenu); this base owns the menu the items go into.
#pragma once

#include <windows.h>

class Menu {
public:
    Menu();
    virtual ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    HMENU getHandle() const { return mItemMenu; }

protected:
    HMENU mItemMenu = nullptr;
    MENUITEMINFOW mItem{};
};
