// Making FLV files for the tests, and running the outside programs of the run folder's
// Plugins/ (the stand-in recorder and ffmpeg) as the downloaders do.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "testsupport/TestFiles.h"

// The 9-byte header with its given version and claimed size, padded to that size, then
// the first previous-tag size (0).
std::string flvHeader(uint8_t version = 1, uint32_t headerSize = 9);
// One tag: type, 24-bit data size, timestamp, stream id, the first data byte and the
// payload, then the previous-tag size that closes it.
std::string flvTag(int type, uint8_t firstDataByte, const std::string& payload, uint32_t timestamp = 0);

void writeFileBytes(const std::wstring& path, const std::string& bytes);

// A mono 16-bit WAV of a tone, `samples` long at 22050 Hz.
void writeToneWav(const std::wstring& path, int samples);

struct ToolRun {
    bool started = false;
    DWORD exitCode = 0;
    std::wstring errorOutput;  // everything the program wrote to its standard error
};
// Runs a command line through CommandLine, polling it as the downloaders do, until it ends.
ToolRun runTool(const std::wstring& commandLine);

// ffmpeg.exe of Plugins/ makes an FLV with MP3 audio (libmp3lame) from a WAV.
bool makeMp3Flv(const std::wstring& wavPath, const std::wstring& flvPath);
// A tone of `samples` made into `base` + ".wav" and then `base` + ".flv" with MP3 audio;
// the FLV's bytes, empty when ffmpeg failed.
std::string makeToneFlv(const std::wstring& base, int samples);
// The number of PCM bytes ffmpeg decodes from a file; -1 when it can't.
long long decodedPcmBytes(const std::wstring& mediaPath);
