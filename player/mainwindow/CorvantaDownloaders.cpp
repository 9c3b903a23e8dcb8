// The downloader dialogs that the main window opens, each modal over it.
#include "player/mainwindow/Corvanta.h"

void Corvanta::openYoutubeLyricsDialog() {}

void Corvanta::openNewsDeEigoJutsuDialog() {}

void Corvanta::openNewsEnglishDialog() {}

void Corvanta::openNewsSnsEnglishDialog() {}

void Corvanta::openVoaManagerDialog() {}

void Corvanta::openGogakuruDownloader() {}

void Corvanta::openKokokozaDownloader() {}

void Corvanta::openPhotoDownloader() {}
