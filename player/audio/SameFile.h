// Whether two paths name one file. Spellings can differ in many ways (case, relative
// parts, 8.3 short names, a second hard link), so an existing file is known by its
// identity on its volume, not by its name.
#pragma once

#include <string>

// The absolute form of a path, as the system resolves it; the path itself when it can't.
std::wstring getFullPath(const std::wstring& path);

// True when both paths reach the same existing file (same volume serial number and file
// index). A path that names no file is not the other one; where a file exists but can't
// be examined, the full paths are compared without regard to case instead.
bool isSameFile(const std::wstring& first, const std::wstring& second);
