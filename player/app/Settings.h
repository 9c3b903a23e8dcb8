// The settings file (the program's name + ".ini", beside the executable) and the four
// helpers through which every part of the program reads and writes it.
#pragma once

#include <string>

// The program's base name: the started program's name without folder and extension.
std::wstring getProgramBaseName();
// getModuleDirectory() + getProgramBaseName() + ".ini"; computed once per process.
const std::wstring& getIniFilePath();

std::wstring readIniString(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue);
bool writeIniString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
int readIniInt(const std::wstring& section, const std::wstring& key, int defaultValue);
bool writeIniInt(const std::wstring& section, const std::wstring& key, int value);

// The same helpers on an explicit file, for the parts that keep their own file path.
std::wstring readIniString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                           const std::wstring& defaultValue);
bool writeIniString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value);
int readIniInt(const std::wstring& path, const std::wstring& section, const std::wstring& key, int defaultValue);
bool writeIniInt(const std::wstring& path, const std::wstring& section, const std::wstring& key, int value);
