// The drop-down menu of the tool bar's open button: one item per recent file, then
// "Clear History". Built, shown and answered in three steps, so that tests can look at
// the items and answer ids without a modal menu.
#pragma once

#include <windows.h>

#include <string>

class PopupMenu;
class RecentFileManager;

// Entry i gets id i + 1 and its full path as text; "Clear History" gets size + 1.
void buildRecentFilesMenu(PopupMenu& menu, const RecentFileManager& files);
// Acts on a chosen id: the path to open, or empty (dismissed, history cleared, or the
// file vanished, which also drops it from the list).
std::wstring chooseRecentFile(RecentFileManager& files, int id);
// Shows the menu at the mouse cursor; an empty list shows nothing and answers empty.
std::wstring showRecentFilesMenu(HWND owner, RecentFileManager& files);
