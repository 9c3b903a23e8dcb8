// The theme popup of the "Menu..." button and the applying of a theme to the text
// editors it styles.
#pragma once

#include <windows.h>

#include <initializer_list>

class PopupMenu;
class TextEditor;
class ThemeList;

// Theme i gets id i + kFirstThemeId, enabled, with its menu text.
constexpr int kFirstThemeId = 10;
void buildThemeMenu(PopupMenu& menu, const ThemeList& themes);
// Shows the themes at the mouse cursor and answers the chosen theme's number, or -1
// (dismissed, or no themes, in which case no menu appears).
int showThemeMenu(HWND owner, const ThemeList& themes);

// Gives each editor, in order, the theme's editor attributes, then posts it WM_SIZE with
// its current size so that it lays itself out again. A number that names no theme
// changes nothing and answers false.
bool applyTheme(const ThemeList& themes, int index, std::initializer_list<TextEditor*> editors);
