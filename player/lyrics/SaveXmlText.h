// Saving a converted XML text through a save dialog, as a UTF-16 file.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

// Asks for the path and writes the text there in UTF-16; false (nothing written) when
// the user cancels. The initial file name is the default name without its extension.
bool saveXmlTextAs(HWND owner, const std::wstring& text, const std::wstring& defaultName);

// The dialog, replaceable so that tests answer it: fills record.lpstrFile and answers
// whether the user chose a file. Null restores the common dialog.
using XmlSaveChooser = bool (*)(OPENFILENAMEW& record);
void setXmlSaveChooser(XmlSaveChooser chooser);
