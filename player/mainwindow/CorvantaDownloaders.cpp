// The commands that open the downloader dialogs. Each dialog lives on the stack for its
// modal run and hands nothing back: its product is a file or text in its own editor.
#include "player/mainwindow/Corvanta.h"

#include "downloaders/captions/YoutubeLyricsDialog.h"
#include "downloaders/voa/VoaManagerDialog.h"

void Corvanta::openYoutubeLyricsDialog() {
    YoutubeLyricsDialog dialog;
    showModalDialog(m_hWnd, dialog);
}

void Corvanta::openVoaManagerDialog() {
    VoaManagerDialog dialog;
    showModalDialog(m_hWnd, dialog);
}
