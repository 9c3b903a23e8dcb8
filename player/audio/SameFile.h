// Whether two spellings name the same file: full paths, normalised by the system,
// compared without regard to case (as the file system compares names).
#pragma once

#include <string>

std::wstring getFullPath(const std::wstring& path);
bool isSamePath(const std::wstring& first, const std::wstring& second);
