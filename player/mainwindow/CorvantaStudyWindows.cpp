// The word-study windows that the main window opens: the find-and-replace pane over the
// sentence view, and the word list.
#include "player/mainwindow/Corvanta.h"

void Corvanta::showFindAndReplacePane() {}

void Corvanta::showWordListDialog() {}
