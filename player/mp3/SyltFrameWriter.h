// Embedding timed sentences into an MP3 file as its SYLT frame, keeping the file's other
// frames and its audio. The new file is written beside the old one and takes its place
// only when complete: on any failure the file stays as it was.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "player/mp3/MP3_ID3Manager.h"
#include "player/mp3/SyltFrame.h"

// `sentences`: start times in the original audio and texts, in row order; the times are
// scaled for `tempoPercent` (the tempo the file was made at). A file without a tag takes
// the frames of `fallbackTag` (the tag of the audio file it was made from). Failures
// show their message (owner `owner`) and answer false; an empty file answers false
// without a message.
bool writeSyltFrame(const std::wstring& mp3Path, const std::vector<LyricsLine>& sentences, int tempoPercent,
                    const MP3_ID3Manager& fallbackTag, HWND owner);
