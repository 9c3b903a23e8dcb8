// The one dialog procedure of the toolkit: binds a dialog window to its object at
// WM_INITDIALOG and turns the dialog messages into virtual operations of the object.
#pragma once

#include <windows.h>

class Dialog;

INT_PTR CALLBACK dialogProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The dialog object bound to a window, or null.
Dialog* dialogObjectOf(HWND hwnd);
