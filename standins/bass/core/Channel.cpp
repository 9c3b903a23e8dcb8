#include "standins/bass/core/Channel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "standins/bass/core/ErrorState.h"

Channel::Channel(std::unique_ptr<ChannelSource> source, DWORD rate, DWORD channels, DWORD flags)
    : mSource(std::move(source)), mRate(rate), mChannels(channels), mFlags(flags) {}

Channel::~Channel() {
    {
        std::lock_guard<std::mutex> lock(mPlaybackMutex);
        mPlayback.reset();
    }
    detachHook();
    mSource.reset();
}

DWORD Channel::produce(void* buffer, DWORD bytes) {
    bytes -= bytes % (mChannels * 2);
    DWORD got = mSource->read(buffer, bytes);
    if (got < bytes) mEnded = true;
    auto* samples = static_cast<short*>(buffer);
    DWORD count = got / 2;
    if (mVolume != 1.0f) {
        for (DWORD i = 0; i < count; ++i) {
            // Clipped, since a volume above 1 would otherwise wrap loud samples around.
            long scaled = std::lround(samples[i] * mVolume);
            samples[i] = static_cast<short>(std::min(32767L, std::max(-32768L, scaled)));
        }
    }
    int peaks[2] = {0, 0};
    for (DWORD i = 0; i < count; ++i) {
        int& peak = peaks[(i % mChannels) == 0 ? 0 : 1];
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    }
    if (mChannels == 1) peaks[1] = peaks[0];
    mLevel = static_cast<DWORD>(std::min(peaks[0], 32768) | (std::min(peaks[1], 32768) << 16));
    if (mHook && got > 0) mHook(mHookUser, buffer, got);
    return got;
}

DWORD Channel::getData(void* buffer, DWORD bytes) {
    if (!isDecoding()) return fail(BASS_ERROR_NOTAVAIL, static_cast<DWORD>(-1));
    std::lock_guard<std::mutex> lock(mSourceMutex);
    if (mEnded) return fail(BASS_ERROR_ENDED, static_cast<DWORD>(-1));
    DWORD got = produce(buffer, bytes);
    if (got == 0) return fail(BASS_ERROR_ENDED, static_cast<DWORD>(-1));
    setError(BASS_OK);
    return got;
}

Playback::Fill Channel::fillForPlayback(void* buffer, DWORD bytes) {
    std::lock_guard<std::mutex> lock(mSourceMutex);
    Playback::Fill fill;
    fill.sourceStart = mSource->position();
    fill.bytes = produce(buffer, bytes);
    fill.sourceEnd = mSource->position();
    fill.ended = mEnded;
    return fill;
}

bool Channel::startPlayback(UINT device, QWORD from) {
    DWORD rate = mPlaybackRate ? mPlaybackRate : mRate;
    mPlayback = Playback::open(device, rate, mChannels, from,
                               [this](void* buffer, DWORD bytes) { return fillForPlayback(buffer, bytes); });
    if (!mPlayback) return fail(BASS_ERROR_NOTAVAIL, false);
    mDevice = device;
    mPlayback->start();
    return true;
}

void Channel::dropFinishedPlayback() {
    if (mPlayback && mPlayback->finished()) mPlayback.reset();
}

bool Channel::play(bool restart, UINT device) {
    if (isDecoding()) return fail(BASS_ERROR_DECODE, false);
    std::lock_guard<std::mutex> lock(mPlaybackMutex);
    // A channel that played to its end is stopped: it starts again from its position.
    dropFinishedPlayback();
    if (restart) {
        auto rewind = [this] {
            std::lock_guard<std::mutex> sourceLock(mSourceMutex);
            mSource->seek(0);
            mEnded = false;
        };
        if (mPlayback) {
            mPlayback->restartAt(0, rewind);
        } else {
            rewind();
        }
    }
    if (mPlayback) {
        mPlayback->resume();
    } else if (!startPlayback(device, positionLocked())) {
        return false;
    }
    setError(BASS_OK);
    return true;
}

bool Channel::pause() {
    if (isDecoding()) return fail(BASS_ERROR_DECODE, false);
    std::lock_guard<std::mutex> lock(mPlaybackMutex);
    if (!mPlayback || mPlayback->finished()) return fail(BASS_ERROR_NOPLAY, false);
    mPlayback->pause();
    setError(BASS_OK);
    return true;
}

bool Channel::stop() {
    std::lock_guard<std::mutex> lock(mPlaybackMutex);
    if (mPlayback) {
        // Go on later from what was heard, not from what was queued ahead of it.
        QWORD played = mPlayback->playedPosition();
        bool finished = mPlayback->finished();
        mPlayback.reset();
        std::lock_guard<std::mutex> sourceLock(mSourceMutex);
        if (!finished) {
            mSource->seek(played);
            mEnded = false;
        }
    }
    setError(BASS_OK);
    return true;
}

DWORD Channel::activity() {
    if (isDecoding()) {
        std::lock_guard<std::mutex> lock(mSourceMutex);
        return mEnded ? BASS_ACTIVE_STOPPED : BASS_ACTIVE_PLAYING;
    }
    std::lock_guard<std::mutex> lock(mPlaybackMutex);
    if (!mPlayback || mPlayback->finished()) return BASS_ACTIVE_STOPPED;
    return mPlayback->isPaused() ? BASS_ACTIVE_PAUSED : BASS_ACTIVE_PLAYING;
}

QWORD Channel::length() {
    std::lock_guard<std::mutex> lock(mSourceMutex);
    return mSource->length();
}

QWORD Channel::position() {
    std::lock_guard<std::mutex> lock(mPlaybackMutex);
    return positionLocked();
}

QWORD Channel::positionLocked() {
    if (mPlayback) return mPlayback->playedPosition();
    std::lock_guard<std::mutex> lock(mSourceMutex);
    return mSource->position();
}

bool Channel::setPosition(QWORD bytes) {
    bytes -= bytes % (mChannels * 2);
    std::lock_guard<std::mutex> lock(mPlaybackMutex);
    // After the end the channel is stopped and stays so at the new position.
    dropFinishedPlayback();
    bool accepted = false;
    auto move = [&] {
        std::lock_guard<std::mutex> sourceLock(mSourceMutex);
        accepted = bytes <= mSource->length() && mSource->seek(bytes);
        if (accepted) mEnded = false;
    };
    if (mPlayback) {
        mPlayback->restartAt(bytes, move);
    } else {
        move();
    }
    return accepted ? (setError(BASS_OK), true) : fail(BASS_ERROR_NOTAVAIL, false);
}

bool Channel::setAttribute(DWORD attrib, float value) {
    if (attrib == BASS_ATTRIB_VOL) {
        std::lock_guard<std::mutex> lock(mSourceMutex);
        mVolume = std::max(0.0f, value);
        return true;
    }
    if (attrib == BASS_ATTRIB_FREQ) {
        // A new playback rate: a playing channel goes on at it from where it is.
        std::lock_guard<std::mutex> lock(mPlaybackMutex);
        mPlaybackRate = value <= 0.0f ? 0 : static_cast<DWORD>(value);
        dropFinishedPlayback();
        if (mPlayback) {
            bool paused = mPlayback->isPaused();
            QWORD played = mPlayback->playedPosition();
            mPlayback.reset();
            {
                std::lock_guard<std::mutex> sourceLock(mSourceMutex);
                mSource->seek(played);
                mEnded = false;
            }
            if (!startPlayback(mDevice, played)) return false;
            if (paused) mPlayback->pause();
        }
        return true;
    }
    std::lock_guard<std::mutex> lock(mSourceMutex);
    return mSource->setAttribute(attrib, value) ? (setError(BASS_OK), true) : fail(BASS_ERROR_NOTAVAIL, false);
}

void Channel::setDataHook(StandinDataHook hook, StandinHookDetached detached, void* user) {
    detachHook();
    std::lock_guard<std::mutex> lock(mSourceMutex);
    mHook = hook;
    mHookDetached = detached;
    mHookUser = user;
}

void Channel::detachHook() {
    StandinHookDetached detached = nullptr;
    void* user = nullptr;
    {
        std::lock_guard<std::mutex> lock(mSourceMutex);
        detached = mHookDetached;
        user = mHookUser;
        mHook = nullptr;
        mHookDetached = nullptr;
        mHookUser = nullptr;
    }
    if (detached) detached(user);
}
