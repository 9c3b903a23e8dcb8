// Paths seen from a folder: the current folder of any length, and a path made relative
// to another file. (Full paths: getFullPath in player/audio/SameFile.h.)
#pragma once

#include <string>

// The current folder, however long.
std::wstring getCurrentDirectory();
// The path of `toFile` as seen from the folder of `fromFile` (both taken as files), as the
// shell writes it: ".\name", "..\folder\name", ...; empty when there is none (another
// drive) or a path is too long for the shell's function.
std::wstring getRelativePath(const std::wstring& fromFile, const std::wstring& toFile);

// Makes a folder current for the life of the object and then restores the previous one.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::wstring& folder);
    ~CurrentDirectoryScope();
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
    std::wstring mPrevious;
};
