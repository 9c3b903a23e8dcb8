// The commands that open the downloader dialogs. Each dialog lives on the stack for its
// modal run and hands nothing back: its product is a file or text in its own editor.
#include "player/mainwindow/Corvanta.h"

#include "downloaders/captions/YoutubeLyricsDialog.h"
#include "downloaders/news/NHK_NewsDeEigoJutsuDialog.h"
#include "downloaders/table/GogakuruDownloader.h"
#include "downloaders/table/KokokozaDownloader.h"
#include "downloaders/table/WebsiteDownloader.h"
#include "player/app/DateSetting.h"
#include "player/app/Settings.h"

void Corvanta::openYoutubeLyricsDialog() {
    YoutubeLyricsDialog dialog;
    showModalDialog(m_hWnd, dialog);
}

void Corvanta::openNewsDeEigoJutsuDialog() {
    NHK_NewsDeEigoJutsuDialog dialog;
    dialog.setDate(parseDate(readIniString(L"NHK", L"Calendar", L"")));
    showModalDialog(m_hWnd, dialog);
}

// Downloaders still to come: their commands do nothing yet.
void Corvanta::openNewsEnglishDialog() {}

void Corvanta::openNewsSnsEnglishDialog() {}

void Corvanta::openVoaManagerDialog() {}

void Corvanta::openGogakuruDownloader() {
    GogakuruDownloader dialog;
    dialog.setUrl(readIniString(L"NHK", L"GogakuruURL", L""));
    showModalDialog(m_hWnd, dialog);
    writeIniString(L"NHK", L"GogakuruURL", dialog.getUrl());
}

void Corvanta::openKokokozaDownloader() {
    KokokozaDownloader dialog;
    showModalDialog(m_hWnd, dialog);
}

void Corvanta::openPhotoDownloader() {
    WebsiteDownloader dialog;
    showModalDialog(m_hWnd, dialog);
}

