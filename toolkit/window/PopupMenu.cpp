#include "toolkit/window/PopupMenu.h"

#include <string>

PopupMenu::PopupMenu() {
    mItemMenu = ::CreateMenu();
    mRootMenu = ::CreateMenu();
    if (!mItemMenu || !mRootMenu) return;
    MENUITEMINFOW holder{};
    holder.cbSize = sizeof holder;
    holder.fMask = MIIM_SUBMENU | MIIM_TYPE;
    holder.fType = MFT_STRING;
    holder.hSubMenu = mItemMenu;
    wchar_t name[] = L"Null";
    holder.dwTypeData = name;
    ::InsertMenuItemW(mRootMenu, 0, TRUE, &holder);
}

PopupMenu::~PopupMenu() {
    if (mRootMenu && ::GetSubMenu(mRootMenu, 0) == mItemMenu) {
        // Destroying the root menu destroys the item menu with it: once is enough.
        ::DestroyMenu(mRootMenu);
        mItemMenu = nullptr;
    } else if (mRootMenu) {
        ::DestroyMenu(mRootMenu);
    }
    mRootMenu = nullptr;
}

HMENU PopupMenu::addItem(const wchar_t* text, int id, bool enabled) {
    if (!text || !*text) {
        addSeparator();
        return nullptr;
    }
    // The menu shows what follows the first tab in its shortcut column and draws any further
    // tab as a glyph: a run of tabs ("Undo\t\tCtrl+Z") becomes one.
    std::wstring shown(text);
    for (size_t tab = shown.find(L'\t'); tab != std::wstring::npos; tab = shown.find(L'\t', tab + 1)) {
        const size_t end = shown.find_first_not_of(L'\t', tab);
        shown.erase(tab + 1, (end == std::wstring::npos ? shown.size() : end) - tab - 1);
    }
    mItem.fMask = MIIM_ID | MIIM_TYPE;
    mItem.fType = MFT_STRING;
    mItem.wID = static_cast<UINT>(id);
    mItem.dwTypeData = shown.data();
    ::InsertMenuItemW(mItemMenu, static_cast<UINT>(id), FALSE, &mItem);
    if (!enabled) ::EnableMenuItem(mItemMenu, static_cast<UINT>(id), MF_BYCOMMAND | MF_GRAYED);
    return mItemMenu;
}

void PopupMenu::addSeparator() {
    mItem.fMask = MIIM_TYPE;
    mItem.fType = MFT_SEPARATOR;
    mItem.dwTypeData = nullptr;
    ::InsertMenuItemW(mItemMenu, static_cast<UINT>(-1), TRUE, &mItem);
}

void PopupMenu::checkItem(int id, bool checked) {
    ::CheckMenuItem(mItemMenu, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

int PopupMenu::track(HWND owner, int x, int y, UINT flags) {
    if (!mRootMenu) return 0;
    return static_cast<int>(::TrackPopupMenu(::GetSubMenu(mRootMenu, 0), flags | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0,
                                             owner, nullptr));
}

int PopupMenu::show(HWND owner, UINT flags) {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    return track(owner, cursor.x, cursor.y, flags);
}
