// Saving the sentences, and the question asked before modified sentences would be lost.
#include "app/mainwindow/Corvanta.h"

#include "foundation/system/MessageBoxes.h"
#include "foundation/system/PathUtils.h"

bool Corvanta::saveLyrics() {
    const bool saved = mLyrics.saveLyrics(m_hWnd);
    updateTitle();
    return saved;
}

bool Corvanta::askToSaveChanges() {
    // Without an open file there is nowhere to save to, as for the save command.
    if (!isModified() || mAudioPath.empty()) return true;
    const std::wstring question = L"歌詞が変更されています。" + getFileName(mLyricsPath) + L" に保存しますか？";
    switch (showMessageBox(m_hWnd, question, L"Save as XML file", MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            if (!mLyrics.confirmSentenceListPath(m_hWnd) || !writeXmlLyrics()) return false;
            setModified(false);
            return true;
        case IDNO:
            return true;
        default:
            return false;
    }
}

void Corvanta::setModified(bool modified) {
    mLyrics.setModified(modified);
    // The view's flag goes with the lesson's, so that its next edit reports itself again.
    if (!modified) mSentenceView.setModified(false);
    updateTitle();
}
