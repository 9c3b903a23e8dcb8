// Paths and files. Paths of any length work where the system allows them.
#pragma once

#include <string>

// The folder part with a trailing backslash ("C:\a\b.txt" -> "C:\a\"); empty for a bare
// file name.
std::wstring getDirectory(const std::wstring& path);
// The path without its extension.
std::wstring removeExtension(const std::wstring& path);
// The last component of a path or URL.
std::wstring getFileName(const std::wstring& path);
// True when something exists at the path; otherwise the thread's last error is cleared.
bool fileExists(const std::wstring& path);
// True at once for equal paths, else whether the file now has the new path.
bool moveFile(const std::wstring& from, const std::wstring& to);
// Makes sure the folder of a path exists, creating every missing parent ("/" and "\"
// both separate). A file path gives its folder; a folder path must end with a separator
// to be created itself. True only when the folder exists afterwards.
bool createDirectory(const std::wstring& path);
