// Reading back the files that code under test wrote.
#pragma once

#include <string>

// The whole file as bytes; empty when it can't be opened.
std::string readFileBytes(const std::wstring& path);
// Whether any file in `folder` matches the wildcard `pattern` (such as "*.tmp").
bool anyFileMatches(const std::wstring& folder, const std::wstring& pattern);
