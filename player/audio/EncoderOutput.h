// The file an outside encoder writes. Its output name reaches it through an ANSI command
// line, where a character outside the code page is replaced ("é" by "e", Hangul by "?")
// and the name would then point at another file or at none. So the encoder writes a new
// file whose whole path passes that conversion unchanged, and only a finished result is
// moved onto the chosen path.
#pragma once

#include <string>

// Whether the text converts to the ANSI code page and back unchanged.
bool survivesAnsiCodePage(const std::wstring& text);

// Creates an empty file with a name of its own for the encoder to write instead of
// `target`: in the target's folder, or in that folder's short (8.3) form, or else in the
// temporary folder, whichever path first survives the ANSI code page. Empty, with the
// thread's last error set, when none can be made.
std::wstring reserveEncoderOutput(const std::wstring& target);

// Moves the finished output onto the target, replacing a file already there.
bool moveOutputIntoPlace(const std::wstring& output, const std::wstring& target);
