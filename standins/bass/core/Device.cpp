#include "standins/bass/core/Device.h"

#include <mmsystem.h>

#include "player/audio/BassTypes.h"
#include "standins/bass/core/ErrorState.h"

namespace {
bool gInitialised = false;
int gDevice = -1;
UINT gWaveOutId = WAVE_MAPPER;
}  // namespace

bool initDevice(int device, DWORD freq) {
    if (device == kNoSoundDevice) {
        // Needs no sound card: decoding channels work, nothing is played.
        gInitialised = true;
        gDevice = kNoSoundDevice;
        gWaveOutId = WAVE_MAPPER;
        setError(BASS_OK);
        return true;
    }
    UINT count = ::waveOutGetNumDevs();
    if (device < -1 || count == 0 || (device > 0 && static_cast<UINT>(device) > count)) {
        return fail(BASS_ERROR_NOTAVAIL, false);
    }
    UINT id = device == -1 ? WAVE_MAPPER : static_cast<UINT>(device - 1);
    // Open the device once to be sure it takes 16-bit stereo at the rate asked for.
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = freq ? freq : 44100;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 4;
    format.nAvgBytesPerSec = format.nSamplesPerSec * 4;
    HWAVEOUT probe = nullptr;
    if (::waveOutOpen(&probe, id, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        return fail(BASS_ERROR_NOTAVAIL, false);
    }
    ::waveOutClose(probe);
    gInitialised = true;
    gDevice = device == -1 ? 1 : device;
    gWaveOutId = id;
    setError(BASS_OK);
    return true;
}

void freeDevice() {
    gInitialised = false;
    gDevice = -1;
    gWaveOutId = WAVE_MAPPER;
}

bool isDeviceInitialised() { return gInitialised; }
bool canPlay() { return gInitialised && gDevice != kNoSoundDevice; }
int currentDevice() { return gDevice; }
UINT currentWaveOutId() { return gWaveOutId; }
