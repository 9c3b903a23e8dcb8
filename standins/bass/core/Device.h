// The output device that BASS_Init opened: the default waveOut device for -1, the
// waveOut device number minus one for the BASS device numbers from 1, or device 0, which
// outputs nothing and serves decoding channels without a sound card.
#pragma once

#include <windows.h>

constexpr int kNoSoundDevice = 0;

bool initDevice(int device, DWORD freq);
void freeDevice();
bool isDeviceInitialised();
// A device that can play is initialised (not the no-sound device).
bool canPlay();
// The BASS device number in use; -1 when none is initialised.
int currentDevice();
// The waveOut id that channels play on.
UINT currentWaveOutId();
