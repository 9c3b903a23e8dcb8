// The exports of the open lesson (an MP3 file at the chosen tempo with its sentences, an
// .lrc file) and of the file table (a play list).
#include "player/mainwindow/Corvanta.h"

bool Corvanta::saveAsMp3WithLyrics() { return false; }

void Corvanta::saveAsLrc() {}

void Corvanta::saveFileTableAsPlayList() {}
