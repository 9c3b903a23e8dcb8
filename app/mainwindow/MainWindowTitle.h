// The frame's title while a file is open.
#pragma once

#include <string>

// "<audio path> - <program>", with "* " in front while the sentences are modified. Built
// at its full length: a long path is never cut into a fixed buffer.
std::wstring formatMainWindowTitle(const std::wstring& audioPath, const std::wstring& programName, bool modified);
