// Checks for text that comes from web pages and ends up on a command line, in a batch
// log or in a file name: a page must not be able to add arguments or commands, nor
// make the program write outside the folder it chose.
#pragma once

#include <string>

// False for a value that could break out of its quotes or be expanded by the command
// interpreter: a double quote, a control character, or one of % ^ & | < >.
bool isSafeCommandArgument(const std::wstring& value);

// A name for a file inside a chosen folder: path separators, drive colons, wildcards,
// quotes, the characters refused on command lines and control characters become "_",
// ".." becomes "_", blanks and dots at either end go, and a device name such as "nul.jpg"
// or "COM1" gets "_" in front. Never empty.
std::wstring safeFileName(const std::wstring& name);
