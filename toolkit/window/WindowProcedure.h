// The one window procedure of the toolkit. It binds a window to its object at the
// first creation message and turns each message into a virtual operation of the object.
#pragma once

#include <windows.h>

class BaseWindow;

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The object bound to a window of the toolkit, or null.
BaseWindow* windowObjectOf(HWND hwnd);

// Puts a standard control created by the object onto the toolkit's procedure, keeping
// the control's own procedure for everything the object does not handle.
void subclassControl(BaseWindow& window);

// Tab traversal among the tab stops around `from` (the window's own handle when null).
bool moveFocus(BaseWindow& window, bool forward, HWND from);
