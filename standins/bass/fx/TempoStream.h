// The tempo stream: PCM of a decoding source channel, changed in tempo (percent) and in
// pitch (semitones) independently through SoundTouch. Positions and the length are on
// the source's timeline, so times stay those of the original audio at any tempo; the
// output of a whole pass is exactly the source length divided by the tempo.
#pragma once

#include <SoundTouch.h>

#include <vector>

#include "player/audio/BassTypes.h"

class TempoStream {
public:
    TempoStream(DWORD source, DWORD rate, DWORD channels, bool ownsSource);
    ~TempoStream();

    // Fills up to `bytes` bytes of 16-bit PCM; fewer at the end.
    DWORD read(void* buffer, DWORD bytes);
    QWORD length() const;
    QWORD position() const;
    bool seek(QWORD bytes);
    bool setAttribute(DWORD attrib, float value);

    void disownSource() { mOwnsSource = false; }

private:
    bool unchanged() const { return mTempoChange == 0.0f && mPitch == 0.0f; }
    double tempoRatio() const { return 1.0 + mTempoChange / 100.0; }
    DWORD readUnchanged(short* out, DWORD frames);
    DWORD readStretched(short* out, DWORD frames);
    // Feeds one block of the source; false when the source has ended.
    bool feed();

    DWORD mSource;
    DWORD mChannels;
    DWORD mFrameBytes;
    bool mOwnsSource;
    soundtouch::SoundTouch mStretch;
    float mTempoChange = 0.0f;
    float mPitch = 0.0f;
    QWORD mFed = 0;                 // source frame after the last one read
    bool mSourceEnded = false;
    bool mFlushed = false;
    double mOwedFrames = 0.0;       // output frames the input read so far is worth
    QWORD mProducedFrames = 0;      // output frames given out since the last seek
    std::vector<short> mInput;
    std::vector<float> mInputFloat;
    std::vector<float> mOutputFloat;
};
