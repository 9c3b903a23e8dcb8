// An MP3 file walked frame by frame: its ID3v2 tag is skipped (and kept), every MPEG
// audio frame after it is decoded, and the frames give the playing time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "player/mp3/ByteSource.h"
#include "player/mp3/MP3Frame.h"
#include "player/mp3/MP3StreamFile.h"
#include "player/mp3/MP3_ID3Manager.h"

class MP3File {
public:
    MP3File() = default;
    ~MP3File();
    MP3File(const MP3File&) = delete;
    MP3File& operator=(const MP3File&) = delete;

    // Opens and scans the file. False when it can't be opened. A header that can't be
    // decoded ends the scan with its message shown; the frames before it stay.
    bool open(const std::wstring& path);
    void close();

    // The scan on any bytes (the file's own, in open). Answers the failure message, or an
    // empty text when the scan reached the end of the data.
    std::string scan(ByteSource& source);

    const MP3_ID3Manager& getTag() const { return mTag; }
    const std::vector<MP3::Frame>& getFrames() const { return mFrames; }
    // Total playing time in ms: with the first frame's parameters when the scan reached
    // the end, else the running total of the frames read.
    uint32_t getPlayingTime() const { return mPlayingTime; }
    uint32_t getSamplingRate() const { return mSamplingRate; }
    uint32_t getSamplesPerFrame() const { return mSamplesPerFrame; }

private:
    MP3_ID3Manager mTag;
    MP3::File mFile;
    std::vector<MP3::Frame> mFrames;
    uint32_t mPlayingTime = 0;
    uint32_t mSamplingRate = 0;
    uint32_t mSamplesPerFrame = 0;
};
