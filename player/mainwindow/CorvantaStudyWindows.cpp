// The study windows the main window opens beside itself: the word list.
#include "player/mainwindow/Corvanta.h"

void Corvanta::showWordListDialog() {
    if (mWordListDialog.m_hWnd && mWordListDialog.isVisible()) {
        mWordListDialog.moveNearCursor();
        return;
    }
    showModelessDialog(m_hWnd, mWordListDialog);
}
