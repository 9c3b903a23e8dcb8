// The lyrics frames of an audio file's ID3v2 tag, read from the file: the timed lines of
// its SYLT frame and the text of its USLT frame. The sentence model is built from these
// by its own code.
#pragma once

#include <string>
#include <vector>

#include "player/mp3/MP3_ID3Manager.h"
#include "player/mp3/SyltFrame.h"

// Appends the SYLT ("SLT") lines of the file. True when the file has such a frame
// (possibly without lines); false when it can't be opened or has no tag or frame.
bool readSyltLines(const std::wstring& path, std::vector<LyricsLine>& lines);
// The USLT ("ULT") text of the file; empty when there is none.
std::wstring readUsltText(const std::wstring& path);
// Reads the tag of an ".mp3", ".ogg" or ".wma" file (in any letter case) into the
// manager. False for other extensions or a file that can't be opened; a file without a
// tag still answers true, with the manager cleared.
bool readId3(const std::wstring& path, MP3_ID3Manager& manager);
