// The shared open and save dialogs. Both are modal and leave the current folder as it
// was; both answer the chosen path, or an empty text when the user cancels.
#pragma once

#include <windows.h>

#include <string>

// A filter is either a full filter list with its pieces separated by "|" or by NULs
// ("Text files|*.txt|All files|*.*"), or a bare name, which is paired with "*" + the
// default extension ("*.*" for the open dialog).
std::wstring showOpenFileDialog(HWND owner, const std::wstring& filter, const std::wstring& initialPath);
std::wstring showSaveFileDialog(HWND owner, const std::wstring& title, const std::wstring& filter,
                                const std::wstring& initialName, const std::wstring& defaultExtension);
