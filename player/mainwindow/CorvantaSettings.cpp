// The main window's settings: read when it is created, written when it closes.
#include "player/mainwindow/Corvanta.h"

void Corvanta::loadSettings() {}

void Corvanta::saveSettings() {}

void Corvanta::rememberRecentFile(const std::wstring&) {}

void Corvanta::openRecentFileMenu() {}
