#include "standins/bass/fx/TempoStream.h"

#include <algorithm>
#include <cmath>

#include "standins/bass/common/CoreLink.h"
#include "standins/bass/fx/SampleConversion.h"

namespace {

// Frames read from the source per feed: about 0.1 s at 44.1 kHz.
constexpr DWORD kFeedFrames = 4096;
// The tempo range that keeps SoundTouch's ratio positive and its buffers bounded.
constexpr float kMinTempoChange = -95.0f;
constexpr float kMaxTempoChange = 5000.0f;
constexpr float kMaxPitch = 60.0f;

}  // namespace

TempoStream::TempoStream(DWORD source, DWORD rate, DWORD channels, bool ownsSource)
    : mSource(source), mChannels(channels), mFrameBytes(channels * 2), mOwnsSource(ownsSource) {
    mStretch.setSampleRate(rate);
    mStretch.setChannels(channels);
    // The quick search for the best overlap costs a fraction of the full search and is
    // not heard on speech and music at study tempos.
    mStretch.setSetting(SETTING_USE_QUICKSEEK, 1);
    // A shorter anti-alias filter for pitch changes: half the cost of the default.
    mStretch.setSetting(SETTING_AA_FILTER_LENGTH, 32);
    QWORD position = coreLink().BASS_ChannelGetPosition(source, BASS_POS_BYTE);
    mFed = position == static_cast<QWORD>(-1) ? 0 : position / mFrameBytes;
}

TempoStream::~TempoStream() {
    if (mOwnsSource) coreLink().BASS_StreamFree(mSource);
}

QWORD TempoStream::length() const {
    QWORD length = coreLink().BASS_ChannelGetLength(mSource, BASS_POS_BYTE);
    return length == static_cast<QWORD>(-1) ? 0 : length;
}

QWORD TempoStream::position() const {
    if (unchanged() && mStretch.numSamples() == 0 && mStretch.numUnprocessedSamples() == 0) {
        return mFed * mFrameBytes;
    }
    // What is still inside SoundTouch has not been heard yet: the input not yet
    // processed, and the output ready, which stands for tempo times as many input frames.
    double pending = mStretch.numUnprocessedSamples() + mStretch.numSamples() * tempoRatio();
    double frame = std::max(0.0, static_cast<double>(mFed) - pending);
    if (mFlushed && mStretch.numSamples() == 0) frame = static_cast<double>(mFed);
    return std::min(static_cast<QWORD>(frame) * mFrameBytes, length());
}

bool TempoStream::seek(QWORD bytes) {
    if (!coreLink().BASS_ChannelSetPosition(mSource, bytes, BASS_POS_BYTE)) return false;
    mStretch.clear();
    mFed = bytes / mFrameBytes;
    mSourceEnded = false;
    mFlushed = false;
    mOwedFrames = 0.0;
    mProducedFrames = 0;
    return true;
}

bool TempoStream::setAttribute(DWORD attrib, float value) {
    bool wasUnchanged = unchanged();
    // Where the listener is, measured before the change alters the pending frames' worth.
    QWORD heard = position();
    if (attrib == BASS_ATTRIB_TEMPO) {
        mTempoChange = std::min(std::max(value, kMinTempoChange), kMaxTempoChange);
        mStretch.setTempoChange(mTempoChange);
    } else if (attrib == BASS_ATTRIB_TEMPO_PITCH) {
        mPitch = std::min(std::max(value, -kMaxPitch), kMaxPitch);
        mStretch.setPitchSemiTones(mPitch);
    } else {
        return false;
    }
    // Back to the original sound: what SoundTouch holds is dropped and the source is
    // read again from the position being heard, so nothing is skipped or repeated.
    if (unchanged() && !wasUnchanged && !seek(heard)) mStretch.clear();
    return true;
}

bool TempoStream::feed() {
    mInput.resize(static_cast<size_t>(kFeedFrames) * mChannels);
    DWORD got = coreLink().BASS_ChannelGetData(mSource, mInput.data(), kFeedFrames * mFrameBytes);
    if (got == static_cast<DWORD>(-1) || got == 0) return false;
    DWORD frames = got / mFrameBytes;
    mInputFloat.resize(static_cast<size_t>(frames) * mChannels);
    for (size_t i = 0; i < mInputFloat.size(); ++i) mInputFloat[i] = mInput[i] / 32768.0f;
    mStretch.putSamples(mInputFloat.data(), frames);
    mFed += frames;
    mOwedFrames += frames / tempoRatio();
    return true;
}

DWORD TempoStream::readUnchanged(short* out, DWORD frames) {
    DWORD got = coreLink().BASS_ChannelGetData(mSource, out, frames * mFrameBytes);
    if (got == static_cast<DWORD>(-1)) {
        mSourceEnded = true;
        return 0;
    }
    DWORD done = got / mFrameBytes;
    mFed += done;
    mOwedFrames += done;
    mProducedFrames += done;
    if (done < frames) mSourceEnded = true;
    return done;
}

DWORD TempoStream::readStretched(short* out, DWORD frames) {
    DWORD done = 0;
    while (done < frames) {
        QWORD owed = static_cast<QWORD>(std::llround(mOwedFrames));
        if (mFlushed && mProducedFrames >= owed) break;
        if (mStretch.numSamples() > 0) {
            DWORD want = frames - done;
            if (mFlushed) want = static_cast<DWORD>(std::min<QWORD>(want, owed - mProducedFrames));
            mOutputFloat.resize(static_cast<size_t>(want) * mChannels);
            DWORD got = mStretch.receiveSamples(mOutputFloat.data(), want);
            floatsToShorts(mOutputFloat.data(), out + done * mChannels, static_cast<size_t>(got) * mChannels);
            done += got;
            mProducedFrames += got;
            continue;
        }
        if (mFlushed) {
            // SoundTouch gave less than the input is worth: silence makes up the length.
            DWORD pad = static_cast<DWORD>(std::min<QWORD>(frames - done, owed - mProducedFrames));
            std::fill(out + done * mChannels, out + (done + pad) * mChannels, 0);
            done += pad;
            mProducedFrames += pad;
            continue;
        }
        if (!mSourceEnded && feed()) continue;
        mSourceEnded = true;
        mStretch.flush();
        mFlushed = true;
    }
    return done;
}

DWORD TempoStream::read(void* buffer, DWORD bytes) {
    DWORD frames = bytes / mFrameBytes;
    auto* out = static_cast<short*>(buffer);
    bool idle = mStretch.numSamples() == 0 && mStretch.numUnprocessedSamples() == 0 && !mFlushed;
    DWORD done = unchanged() && idle ? readUnchanged(out, frames) : readStretched(out, frames);
    return done * mFrameBytes;
}
