// Where the main window gets the sentences of an audio file and writes them back: the
// sentence list beside the audio file, else its SYLT frame, else its USLT text.
#include "app/mainwindow/Corvanta.h"

bool Corvanta::loadLyrics(const std::wstring& audioPath) {
    const bool loaded = mLyrics.loadLyrics(audioPath);
    showLoadedWords();
    return loaded;
}

bool Corvanta::readXmlLyrics(const std::wstring& xmlPath) {
    if (!mLyrics.readXmlLyrics(xmlPath)) return false;
    // An open word list showing the previous file's words would write them into this
    // file's list on OK.
    showLoadedWords();
    return true;
}

void Corvanta::showLoadedWords() {
    // A hidden word list fills its table when its window is next made.
    if (mWordListDialog.m_hWnd && mWordListDialog.isVisible()) mWordListDialog.loadWords();
}

bool Corvanta::writeXmlLyrics() { return mLyrics.writeXmlLyrics(); }
