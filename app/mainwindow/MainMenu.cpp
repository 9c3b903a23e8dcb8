#include "app/mainwindow/MainMenu.h"

#include "toolkit/window/PopupMenu.h"

bool offersNewsLessons(LCID locale) { return locale == 0x411 || locale == 0x404; }

void buildMainMenu(PopupMenu& menu, const MainMenuState& state) {
    const bool exportable = state.fileOpen && !state.playing;
    menu.addItem(L"Always on Top", kAlwaysOnTopItem);
    menu.checkItem(kAlwaysOnTopItem, state.alwaysOnTop);
    menu.addSeparator();
    menu.addItem(L"Reload Lyrics...\tCtrl+L", kReloadLyricsItem, state.fileOpen);
    menu.addSeparator();
    menu.addItem(L"Save &As MP3 File (with Lyrics)...", kSaveAsMp3Item, exportable);
    menu.addItem(L"Save As .lrc File...", kSaveAsLrcItem, exportable);
    menu.addItem(L"Save As PlayList...", kSaveAsPlayListItem, state.fileTableHasRows);
    menu.addSeparator();
    menu.addItem(L"Open Word List...\tCtrl+W", kWordListItem);
    menu.addItem(L"Open ID3 Editor...", kId3EditorItem, state.fileOpen);
    menu.addSeparator();
    menu.addItem(L"Open Youtube Lyrics Downloader...", kYoutubeLyricsItem);
    if (offersNewsLessons(state.locale)) {
        menu.addItem(L"Open NHK News de Eigo-jutsu Downloader...", kNewsDeEigoJutsuItem);
    }
    menu.addSeparator();
    menu.addItem(L"Send xml to Wexcombe...", kWexcombeItem, state.fileOpen);
    menu.addSeparator();
    menu.addItem(L"Theme...", kThemeItem);
}
