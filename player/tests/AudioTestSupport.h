// Shared pieces of the audio tests: test media, PCM analysis, and a player loaded from
// the run folder's Plugins/ (the tests run with the run folder as current directory,
// under a private PulseAudio server that gives Wine an output device).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/audio/BassPlayer.h"
#include "player/audio/BassTypes.h"
#include "testsupport/TestFiles.h"

// 3 s of a 440 Hz tone at half scale, stereo, 44.1 kHz, in each format.
std::wstring audioFixture(const wchar_t* name);
constexpr unsigned kToneFrames = 132300;
constexpr unsigned kToneMilliseconds = 3000;

// Writes a 16-bit WAV file of a sine tone.
void writeToneWav(const std::wstring& path, double seconds, double frequency, unsigned rate = 44100,
                  unsigned channels = 2, double amplitude = 0.5);

// Decodes a whole file through the BASS libraries as 16-bit PCM.
struct DecodedAudio {
    unsigned rate = 0;
    unsigned channels = 0;
    std::vector<short> samples;
    size_t frames() const { return channels ? samples.size() / channels : 0; }
};
DecodedAudio decodeFile(const std::wstring& path);
// Reads a decoding channel to its end.
std::vector<short> readAll(DWORD channel);

// Frequency of the first channel from its rising zero crossings.
double measureFrequency(const std::vector<short>& samples, unsigned channels, unsigned rate);
// Root mean square of the first channel, skipping `skipFrames` at each end.
double measureRms(const std::vector<short>& samples, unsigned channels, size_t skipFrames = 0);

// Puts another function in an entry point's place for the life of the object, to make
// the library answer as a failing one would.
template <typename Pointer>
class ScopedEntryPoint {
public:
    ScopedEntryPoint(Pointer& slot, Pointer replacement) : mSlot(slot), mSaved(slot) { mSlot = replacement; }
    ~ScopedEntryPoint() { mSlot = mSaved; }
    ScopedEntryPoint(const ScopedEntryPoint&) = delete;
    ScopedEntryPoint& operator=(const ScopedEntryPoint&) = delete;

private:
    Pointer& mSlot;
    Pointer mSaved;
};

// The names in a folder, sorted, without "." and "..".
std::vector<std::wstring> listFolder(const std::wstring& folder);

// A player whose libraries are loaded; unloaded again afterwards, since the player's
// destructor releases the device (there is one player per process in the program).
class AudioPlayerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    BassPlayer* mPlayer = nullptr;
};

// Runs one test of this program in a child process of its own (with its own current
// directory and environment) and returns its exit code. The child's copy of the test
// sees isIsolatedChild() true.
int runIsolated(const std::wstring& testName, const std::wstring& currentDirectory,
                const std::vector<std::pair<std::wstring, std::wstring>>& environment = {});
bool isIsolatedChild();
