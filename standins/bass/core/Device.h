// The output device that BASS_Init opened: the default waveOut device for -1, or the
// waveOut device number minus one for the BASS device numbers from 1.
#pragma once

#include <windows.h>

bool initDevice(int device, DWORD freq);
void freeDevice();
bool isDeviceInitialised();
// The BASS device number in use; -1 when none is initialised.
int currentDevice();
// The waveOut id that channels play on.
UINT currentWaveOutId();
