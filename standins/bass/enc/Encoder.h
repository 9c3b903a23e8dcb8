// An encoder: a command-line program started with its standard input on a pipe, fed a
// WAV header and then every block of PCM that its channel produces.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "player/audio/BassTypes.h"

class Encoder {
public:
    // Null when the program cannot be started.
    static Encoder* start(DWORD channel, const BASS_CHANNELINFO& format, const std::string& commandLine, DWORD flags);
    ~Encoder();

    DWORD channel() const { return mChannel; }
    void write(const void* data, DWORD bytes);
    // Closes the pipe and waits for the program; true when it took all the data and
    // exited with code 0.
    bool finish();

private:
    Encoder(DWORD channel, HANDLE process, HANDLE input);
    // Writes out what was gathered.
    void flush();

    DWORD mChannel;
    HANDLE mProcess;
    HANDLE mInput;
    std::vector<char> mPending;  // written to the pipe in large pieces
    bool mBroken = false;
    bool mFinished = false;
    bool mSucceeded = false;
};
