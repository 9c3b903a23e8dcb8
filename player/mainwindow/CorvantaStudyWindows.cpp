// The study windows the main window opens over the sentence view.
#include "player/mainwindow/Corvanta.h"

void Corvanta::showFindAndReplacePane() {
    if (mFindPane.m_hWnd) return;
    mFindPane.setIniPath(mIniPath);
    mFindPane.setTextEditor(&mSentenceView);
    showModelessDialog(m_hWnd, mFindPane);
}
