// The process's one message loop. Accelerators are translated against the main window,
// so their commands reach it whichever window of the thread has the focus.
#pragma once

#include <windows.h>

// Handles one message: an accelerator goes to the main window, anything else is
// translated and dispatched.
void dispatchWithAccelerators(MSG& msg, HWND mainWindow, HACCEL accelerators);

// Runs until WM_QUIT and returns its exit code.
int runMessageLoop(HWND mainWindow, HACCEL accelerators);
