// The study windows the main window opens beside itself: the find pane over the sentence
// view and the word list.
#include "app/mainwindow/Corvanta.h"

void Corvanta::showFindAndReplacePane() {
    if (mFindPane.m_hWnd) return;
    mFindPane.setIniPath(mIniPath);
    mFindPane.setTextEditor(&mSentenceView);
    showModelessDialog(m_hWnd, mFindPane);
}

void Corvanta::showWordListDialog() {
    if (mWordListDialog.m_hWnd && mWordListDialog.isVisible()) {
        mWordListDialog.moveNearCursor();
        return;
    }
    showModelessDialog(m_hWnd, mWordListDialog);
}
