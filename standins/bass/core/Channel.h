// A channel: PCM from a source, with volume and playback rate, either pulled by the
// caller (a decoding channel) or played on the output device.
#pragma once

#include <memory>
#include <mutex>

#include "player/audio/BassTypes.h"
#include "standins/bass/common/StandinInterface.h"
#include "standins/bass/core/ChannelSource.h"
#include "standins/bass/core/Playback.h"

class Channel {
public:
    Channel(std::unique_ptr<ChannelSource> source, DWORD rate, DWORD channels, DWORD flags);
    ~Channel();

    DWORD rate() const { return mRate; }
    DWORD channels() const { return mChannels; }
    DWORD flags() const { return mFlags; }
    bool isDecoding() const { return (mFlags & BASS_STREAM_DECODE) != 0; }

    // Decoding channels only: the next bytes; -1 with BASS_ERROR_ENDED at the end.
    DWORD getData(void* buffer, DWORD bytes);

    bool play(bool restart, UINT device);
    bool pause();
    bool stop();
    DWORD activity();

    QWORD length();
    QWORD position();
    bool setPosition(QWORD bytes);
    bool setAttribute(DWORD attrib, float value);
    // Peak levels of the last block: left in the low word, right in the high word.
    DWORD level() const { return mLevel; }
    void setDataHook(StandinDataHook hook, StandinHookDetached detached, void* user);

private:
    // Reads from the source and applies the volume; the data hook sees the result.
    DWORD produce(void* buffer, DWORD bytes);
    Playback::Fill fillForPlayback(void* buffer, DWORD bytes);
    bool startPlayback(UINT device, QWORD from);
    QWORD positionLocked();  // with mPlaybackMutex held
    // Forgets a playback that has played everything (with mPlaybackMutex held).
    void dropFinishedPlayback();
    void detachHook();

    std::unique_ptr<ChannelSource> mSource;
    DWORD mRate;
    DWORD mChannels;
    DWORD mFlags;
    std::mutex mSourceMutex;  // the source, volume, level and hook
    float mVolume = 1.0f;
    DWORD mPlaybackRate = 0;  // 0: the source's own rate
    DWORD mLevel = 0;
    bool mEnded = false;
    StandinDataHook mHook = nullptr;
    StandinHookDetached mHookDetached = nullptr;
    void* mHookUser = nullptr;

    std::mutex mPlaybackMutex;  // the playback object and the device it plays on
    std::unique_ptr<Playback> mPlayback;
    UINT mDevice = WAVE_MAPPER;
};
