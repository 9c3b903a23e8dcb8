// Handing the sentence list of the open lesson to the separate study program, whose path
// the settings file keeps (section "Wexcombe", key "Path").
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The program to start: the stored path when a file is there (a relative path counts
// from the current folder), else what the chooser answers, which replaces the stored
// path. A cancelled choice stores an empty path, so that the next use asks again.
std::wstring locateWexcombe(const std::wstring& iniPath, const std::function<std::wstring()>& choose);
// The open dialog for the program, starting in the executable's folder.
std::wstring chooseWexcombe(HWND owner);
// Starts the program with the sentence-list path in double quotes as its parameter. An
// empty program path starts nothing; a program that cannot start is not reported.
void startWexcombe(HWND owner, const std::wstring& exe, const std::wstring& sentenceListPath);
