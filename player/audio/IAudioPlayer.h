// The audio player as the main window sees it: the one door from the window to the
// audio engine. The defaults do nothing (or keep the value) so that a player without an
// engine is harmless.
#pragma once

#include <string>

class IAudioPlayer {
public:
    virtual ~IAudioPlayer() = default;

    virtual bool open(const std::wstring& path) { return false; }
    virtual bool play() { return false; }
    virtual void stop() {}
    virtual void pause() {}
    virtual void resume() {}
    virtual bool isPlaying() { return false; }
    virtual bool isPaused() { return false; }
    virtual bool initialize() { return false; }
    // Percent of normal speed.
    virtual void setTempo(int percent) { mTempo = percent; }
    virtual void setVolume(int volume) { mVolume = volume; }
    virtual void setPitch(int pitch) {}
    virtual void setFrequency(int hertz) {}
    virtual bool setOutputDevice(int index) {
        mOutputDevice = index;
        return true;
    }
    virtual bool setPosition(unsigned milliseconds) { return false; }
    virtual unsigned getPosition() { return 0; }
    virtual int getTempo() { return mTempo; }

protected:
    int mTempo = 100;
    std::wstring mPath;  // the file last given to open
    int mOutputDevice = 0;
    int mVolume = 100;
};
