// Plays one channel through the Windows waveOut interface on a thread of its own. The
// thread keeps a few blocks queued, filling each through the channel's fill function,
// and remembers which source bytes each block holds, so that the position reported is
// what the device has actually played (at any tempo, since a block's source range need
// not match its length).
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "player/audio/BassTypes.h"

class Playback {
public:
    struct Fill {
        DWORD bytes = 0;       // bytes written into the block
        QWORD sourceStart = 0;  // source position of the block's first byte
        QWORD sourceEnd = 0;    // source position after its last byte
        bool ended = false;     // the source has no more data
    };
    using FillFunction = std::function<Fill(void* buffer, DWORD bytes)>;

    // Opens the device (WAVE_MAPPER for -1) for 16-bit PCM; null when it cannot be opened.
    static std::unique_ptr<Playback> open(UINT device, DWORD rate, DWORD channels, QWORD startPosition,
                                          FillFunction fill);
    ~Playback();

    void start();
    void pause();
    void resume();
    bool isPaused() const { return mPaused; }
    // Every queued block has been played and the source has ended.
    bool finished();
    // The source position of what the device has played so far.
    QWORD playedPosition();
    // Drops what is queued and goes on from `position`, after `reposition` moved the source.
    void restartAt(QWORD position, const std::function<void()>& reposition);

private:
    struct Block {
        WAVEHDR header{};
        std::vector<char> data;
        bool queued = false;
    };
    struct Segment {
        QWORD deviceStart;
        QWORD deviceEnd;
        QWORD sourceStart;
        QWORD sourceEnd;
    };

    Playback(HWAVEOUT device, HANDLE event, DWORD blockBytes, DWORD frameBytes, QWORD startPosition, FillFunction fill);
    void run();
    void reclaimPlayedBlocks();
    void queueFreeBlocks();
    QWORD devicePosition();
    void dropQueuedBlocks();

    HWAVEOUT mDevice;
    HANDLE mEvent;
    DWORD mFrameBytes;
    FillFunction mFill;
    std::vector<Block> mBlocks;
    std::deque<Segment> mSegments;
    std::mutex mMutex;
    std::thread mThread;
    std::atomic<bool> mQuit{false};
    std::atomic<bool> mPaused{false};
    bool mStarted = false;
    bool mEnded = false;
    QWORD mDeviceWritten = 0;   // device bytes written since the last reset, in device counts
    QWORD mPositionAtReset = 0;  // source position where the current run of blocks starts
};
