// Turns an FLV file (as a stream recorder saves it) into an MP3 file by copying the
// payload of every audio tag, in file order. Nothing is decoded: the result is a valid
// MP3 stream exactly when the FLV's audio is MP3. Holds no state; make one per use.
#pragma once

#include <windows.h>

#include <string>

class File;

class FlvManager {
public:
    // Creates or truncates mp3Path and fills it with the audio payloads. False when the
    // FLV can't be opened, the output can't be created, the FLV's signature is wrong or
    // the output can't be written; in the last two cases the output is removed. A file
    // cut inside a tag keeps what was copied up to the cut and answers true.
    bool convertToMp3(const std::wstring& flvPath, const std::wstring& mp3Path);

    // GetFileSize of an open file; 0 when its handle isn't valid.
    static DWORD getFileSize(const File& file);
};
