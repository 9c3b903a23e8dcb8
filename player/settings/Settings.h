// The settings file (the program's name + ".ini", beside the executable) and the four
// helpers through which every part of the program reads and writes it.
#pragma once

#include <string>

// The program's base name: the started program's name without folder and extension.
std::wstring getProgramBaseName();
// The same rule on a given program path: the part after the last "\" or "/", without
// the extension, which is searched only in that part ("C:\a.b\prog" gives "prog").
std::wstring programBaseNameOf(const std::wstring& programPath);
// getModuleDirectory() + getProgramBaseName() + ".ini"; computed once per process.
const std::wstring& getIniFilePath();

std::wstring readIniString(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue);
bool writeIniString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
int readIniInt(const std::wstring& section, const std::wstring& key, int defaultValue);
bool writeIniInt(const std::wstring& section, const std::wstring& key, int value);

// Makes the file a UTF-16 ini file, so that every later write keeps any text: a missing
// or empty file gets the byte-order mark, and a file without one is converted from the
// ANSI code page. Paths outside that code page would otherwise be stored as "?". True
// when the file is Unicode afterwards. The write helpers below call it.
bool makeIniFileUnicode(const std::wstring& path);

// The same helpers on an explicit file, for the parts that keep their own file path.
std::wstring readIniString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                           const std::wstring& defaultValue);
bool writeIniString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value);
int readIniInt(const std::wstring& path, const std::wstring& section, const std::wstring& key, int defaultValue);
bool writeIniInt(const std::wstring& path, const std::wstring& section, const std::wstring& key, int value);
