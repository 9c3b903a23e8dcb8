#include "toolkit/window/Menu.h"

Menu::Menu() {
    mItem.cbSize = sizeof mItem;
    mItem.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
    mItem.fType = MFT_STRING;
}

Menu::~Menu() {
    if (mItemMenu) ::DestroyMenu(mItemMenu);
}
