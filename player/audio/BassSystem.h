// Loads the BASS libraries at run time from the Plugins folder, resolves their entry
// points by name (BassFunctions.h), checks their versions and opens the output device.
// One per process: getInstance creates it on first use; it unloads at process exit.
#pragma once

#include <windows.h>

#include "player/audio/BassTypes.h"

class BassSystem {
public:
    static BassSystem& getInstance();

    // Separate instances exist for tests only; the program uses getInstance.
    BassSystem() = default;
    ~BassSystem();
    BassSystem(const BassSystem&) = delete;
    BassSystem& operator=(const BassSystem&) = delete;

    // True when bass and bass_fx are loaded and the default device is initialised; a
    // second call after success answers true at once.
    bool load();
    void unload();
    // Switches output to the BASS device `index + 1` at `frequency`.
    bool setOutputDevice(int index, DWORD frequency);

    bool isLoaded() const { return mLoaded; }
    int getDevice() const { return mDevice; }
    HPLUGIN getWmaPlugin() const { return mWmaPlugin; }

private:
    void resolveEntryPoints();
    void checkVersions();
    bool initDevice();

    HMODULE mBass = nullptr;
    HMODULE mBassFx = nullptr;
    HMODULE mBassEnc = nullptr;
    HMODULE mBassMix = nullptr;
    HPLUGIN mWmaPlugin = 0;
    int mDevice = -1;
    bool mLoaded = false;
};
