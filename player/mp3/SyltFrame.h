// The synchronised-lyrics frame (SYLT; "SLT" in version 2.2 tags): timed lines of text.
// Reading takes every text encoding; writing uses UTF-16 with millisecond time stamps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct LyricsLine {
    uint32_t time = 0;  // milliseconds
    std::wstring text;
};

// The lines of a SYLT payload, appended in frame order. Time stamps are taken as
// milliseconds whatever the frame's time-stamp format says. A last line cut off by the
// end of the frame is dropped. False when the payload is shorter than its header fields.
bool parseSyltPayload(const uint8_t* data, size_t size, std::vector<LyricsLine>& lines);

// A SYLT payload: encoding 1 (UTF-16), language "eng", milliseconds, content type lyrics,
// an empty descriptor, then each line as UTF-16 little-endian with its byte-order mark
// and terminator, followed by its 4-byte big-endian time stamp.
std::string buildSyltPayload(const std::vector<LyricsLine>& lines);

// The time stamp written for a sentence that starts at `startMs` in the original audio,
// when the file is played back at `tempoPercent`: start * (100 / tempo), truncated and
// kept within 32 bits. A tempo of 0 or less leaves the time as it is.
uint32_t scaleTimeForTempo(uint32_t startMs, int tempoPercent);
