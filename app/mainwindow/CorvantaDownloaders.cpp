// The commands that open the downloader dialogs. Each dialog lives on the stack for its
// modal run and hands nothing back: its product is a file or text in its own editor.
#include "app/mainwindow/Corvanta.h"

#include "downloaders/captions/YoutubeLyricsDialog.h"
#include "downloaders/news/NHK_NewsDeEigoJutsuDialog.h"
#include "downloaders/news/NHK_NewsEnglishDialog.h"
#include "downloaders/news/NHK_NewsSnsEnglishDialog.h"
#include "downloaders/table/GogakuruDownloader.h"
#include "downloaders/table/KokokozaDownloader.h"
#include "downloaders/table/WebsiteDownloader.h"
#include "downloaders/voa/VoaManagerDialog.h"
#include "player/settings/DateSetting.h"
#include "player/settings/Settings.h"

void Corvanta::openYoutubeLyricsDialog() {
    YoutubeLyricsDialog dialog;
    showModalDialog(m_hWnd, dialog);
}

void Corvanta::openNewsDeEigoJutsuDialog() {
    NHK_NewsDeEigoJutsuDialog dialog;
    dialog.setDate(parseDate(readIniString(L"NHK", L"Calendar", L"")));
    showModalDialog(m_hWnd, dialog);
}

void Corvanta::openVoaManagerDialog() {
    VoaManagerDialog dialog;
    showModalDialog(m_hWnd, dialog);
}

void Corvanta::openNewsEnglishDialog() {
    NHK_NewsEnglishDialog dialog;
    dialog.getKeyWordsCheckBox().setSelected(readIniInt(L"NHK", L"DownloadWithKeyWords", 0) != 0);
    dialog.getRenameCheckBox().setSelected(readIniInt(L"NHK", L"RenameMP3", 0) != 0);
    dialog.setDate(parseDate(readIniString(L"NHK", L"Calendar", L"2009/04/01")));
    showModalDialog(m_hWnd, dialog);
    writeIniInt(L"NHK", L"DownloadWithKeyWords", dialog.getKeyWordsCheckBox().isSelected() ? 1 : 0);
    writeIniInt(L"NHK", L"RenameMP3", dialog.getRenameCheckBox().isSelected() ? 1 : 0);
    // An unset date (a setting that was not a date) is not written over the setting.
    if (dialog.getDate().isSet()) writeIniString(L"NHK", L"Calendar", formatDate(dialog.getDate()));
}

void Corvanta::openNewsSnsEnglishDialog() {
    NHK_NewsSnsEnglishDialog dialog;
    dialog.getKeyWordsCheckBox().setSelected(readIniInt(L"NHK", L"DownloadWithKeyWords", 0) != 0);
    showModalDialog(m_hWnd, dialog);
    writeIniInt(L"NHK", L"DownloadWithKeyWords", dialog.getKeyWordsCheckBox().isSelected() ? 1 : 0);
}

// The table-based downloaders; the phrase site's start page is kept in the settings.
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
