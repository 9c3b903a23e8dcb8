// The items of the "Menu..." popup and the state that enables them.
#pragma once

#include <windows.h>

class PopupMenu;

enum MainMenuItem {
    kAlwaysOnTopItem = 50,
    kReloadLyricsItem = 1,
    kSaveAsMp3Item = 6,
    kSaveAsLrcItem = 8,
    kSaveAsPlayListItem = 9,
    kWordListItem = 12,
    kId3EditorItem = 11,
    kYoutubeLyricsItem = 2,
    kNewsDeEigoJutsuItem = 17,
    kWexcombeItem = 30,
    kThemeItem = 3,
};

struct MainMenuState {
    bool fileOpen = false;
    bool playing = false;
    bool fileTableHasRows = false;
    bool alwaysOnTop = false;
    // The thread locale: the news-lesson downloader is offered only to Japanese and
    // Taiwanese users.
    LCID locale = 0;
};

// Whether the locale gets the news-lesson downloader item.
bool offersNewsLessons(LCID locale);
// Adds the items, with their separators, enabled and checked as the state says.
void buildMainMenu(PopupMenu& menu, const MainMenuState& state);
