// The main window's commands that open the downloader dialogs.
#include "downloaders/news/NHK_NewsDeEigoJutsuDialog.h"
#include "player/app/DateSetting.h"
#include "player/app/Settings.h"
#include "player/mainwindow/Corvanta.h"

void Corvanta::openNewsDeEigoJutsuDialog() {
    NHK_NewsDeEigoJutsuDialog dialog;
    dialog.setDate(parseDate(readIniString(L"NHK", L"Calendar", L"")));
    showModalDialog(m_hWnd, dialog);
}
