#include "toolkit/widgets/TextField.h"

DWORD TextField::getDefaultStyle() const {
    return WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
}

void TextField::setStyle(int style) {
    if (style & ES_NUMBER) style |= ES_RIGHT;
    WinApiWindow::setStyle(style);
}
