// The one in-memory dialog template every dialog is created from: no items, no menu,
// the standard dialog class, an empty title and the dialog manager's default font.
// Dialogs create their controls in code and set their own title, size and position.
#pragma once

#include <windows.h>

#include <vector>

// WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME and both boxes.
const DWORD kModalDialogStyle = 0x82CF0000;
// The same, shown at creation.
const DWORD kModelessDialogStyle = kModalDialogStyle | WS_VISIBLE;

// The template as DWORD-aligned words, ready for DialogBoxIndirectParamW and
// CreateDialogIndirectParamW.
std::vector<WORD> buildDialogTemplate(bool modeless);
