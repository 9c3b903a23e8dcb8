// The audio player on one BASS channel: a tempo stream over a decoding stream of the
// opened file, played on the output device, or pulled through the MP3 encoder.
#pragma once

#include "player/audio/BassTypes.h"
#include "player/audio/IAudioPlayer.h"

class BassPlayer : public IAudioPlayer {
public:
    BassPlayer() = default;
    ~BassPlayer() override;
    BassPlayer(const BassPlayer&) = delete;
    BassPlayer& operator=(const BassPlayer&) = delete;

    bool open(const std::wstring& path) override;
    bool play() override;
    void stop() override;
    void pause() override;
    void resume() override;
    bool isPlaying() override;
    bool isPaused() override;
    bool initialize() override;
    void setTempo(int percent) override;
    void setVolume(int volume) override;
    // 100 leaves the pitch; each step of 1 is 0.15 semitones (0 is -15, 200 is +15).
    void setPitch(int pitch) override;
    void setFrequency(int hertz) override;
    bool setOutputDevice(int index) override;
    bool setPosition(unsigned milliseconds) override;
    unsigned getPosition() override;

    virtual bool openAndPlay(const std::wstring& path);
    virtual bool setPositionBytes(unsigned bytes);
    virtual void close();

    // Length of the opened file in milliseconds.
    long long getLength() const { return mLength; }

    // Re-encodes the opened file as 128 kbit/s MP3 through Plugins/lame.exe at the
    // current tempo, pitch and volume; the caller then pumps encodeStep.
    bool saveAsMp3(const std::wstring& outputPath);
    // Starts the encoder given by the command line, which writes outputPath itself.
    bool encode(const std::wstring& outputPath, const std::wstring& commandLine, DWORD flags);
    // Decodes the next block into the encoder; false once the source is exhausted.
    bool encodeStep();
    // Ends the encoder and puts its MP3 in place; false (with the encoder's file removed
    // and a file that was at the output path kept) when it failed.
    bool stopEncoding();

private:
    unsigned bytesToMilliseconds(unsigned bytes) const;
    QWORD millisecondsToBytes(unsigned milliseconds) const;
    bool startEncoder(const std::wstring& target, const std::wstring& working, const std::wstring& commandLine,
                      DWORD flags);
    bool finishOutput();
    void discardFailedOutput();

    DWORD mChannel = 0;
    long long mLength = 0;
    unsigned mPosition = 0;
    int mChannelVolume = 100;
    int mPitch = 100;
    int mFrequency = 0;
    std::wstring mEncodingOutput;  // the file the running encoder writes
    std::wstring mEncodingTarget;  // where that file goes once the encoder has finished
};
