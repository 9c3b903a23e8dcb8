#include "player/audio/BassSystem.h"

#include "foundation/system/MessageBoxes.h"
#include "player/audio/BassErrors.h"
#include "player/audio/BassFunctions.h"

namespace {

template <typename Pointer>
void resolve(HMODULE module, const char* name, Pointer& pointer) {
    pointer = module ? reinterpret_cast<Pointer>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

// A library of another version is reported; loading goes on.
void checkVersion(DWORD version, const wchar_t* text, const wchar_t* caption) {
    if (HIWORD(version) != BASS_VERSION_WORD) showMessageBox(nullptr, text, caption, MB_ICONHAND);
}

}  // namespace

BassSystem& BassSystem::getInstance() {
    static BassSystem instance;
    return instance;
}

BassSystem::~BassSystem() { unload(); }

bool BassSystem::load() {
    if (mLoaded) return true;
    // Without bass and bass_fx the program simply cannot play: no message.
    mBass = ::LoadLibraryW(L"Plugins/bass.dll");
    if (!mBass) return false;
    mBassFx = ::LoadLibraryW(L"Plugins/bass_fx.dll");
    if (!mBassFx) return false;
    mBassEnc = ::LoadLibraryW(L"Plugins/bassenc.dll");
    mBassMix = ::LoadLibraryW(L"Plugins/bassmix.dll");

    resolve(mBass, "BASS_GetVersion", bass::BASS_GetVersion);
    resolve(mBass, "BASS_PluginLoad", bass::BASS_PluginLoad);
    resolve(mBass, "BASS_PluginFree", bass::BASS_PluginFree);
    resolve(mBass, "BASS_RecordInit", bass::BASS_RecordInit);
    resolve(mBass, "BASS_RecordFree", bass::BASS_RecordFree);
    resolve(mBass, "BASS_RecordGetInputName", bass::BASS_RecordGetInputName);
    resolve(mBass, "BASS_RecordGetInput", bass::BASS_RecordGetInput);
    resolve(mBass, "BASS_RecordSetInput", bass::BASS_RecordSetInput);
    resolve(mBass, "BASS_RecordStart", bass::BASS_RecordStart);
    resolve(mBass, "BASS_RecordGetDeviceInfo", bass::BASS_RecordGetDeviceInfo);
    resolve(mBassFx, "BASS_FX_GetVersion", bass::BASS_FX_GetVersion);
    resolve(mBassFx, "BASS_FX_TempoCreate", bass::BASS_FX_TempoCreate);
    resolve(mBassEnc, "BASS_Encode_GetVersion", bass::BASS_Encode_GetVersion);
    resolve(mBassEnc, "BASS_Encode_Start", bass::BASS_Encode_Start);
    resolve(mBassEnc, "BASS_Encode_Stop", bass::BASS_Encode_Stop);
    resolve(mBassMix, "BASS_Mixer_StreamCreate", bass::BASS_Mixer_StreamCreate);
    resolve(mBassMix, "BASS_Mixer_StreamAddChannel", bass::BASS_Mixer_StreamAddChannel);
    if (!bass::BASS_GetVersion || !bass::BASS_FX_GetVersion || !bass::BASS_FX_TempoCreate) return false;

    if (bass::BASS_PluginLoad && bass::BASS_PluginFree) {
        mWmaPlugin = bass::BASS_PluginLoad("Plugins/basswma.dll", 0);
    }
    resolveEntryPoints();
    checkVersions();
    if (!initDevice()) return false;
    if (bass::BASS_GetDevice) mDevice = static_cast<int>(bass::BASS_GetDevice());
    mLoaded = true;
    return true;
}

void BassSystem::resolveEntryPoints() {
#define RESOLVE_CORE(name) resolve(mBass, #name, bass::name);
    RESOLVE_CORE(BASS_Init)
    RESOLVE_CORE(BASS_Free)
    RESOLVE_CORE(BASS_Start)
    RESOLVE_CORE(BASS_Pause)
    RESOLVE_CORE(BASS_Stop)
    RESOLVE_CORE(BASS_GetDevice)
    RESOLVE_CORE(BASS_SetConfig)
    RESOLVE_CORE(BASS_ChannelUpdate)
    RESOLVE_CORE(BASS_ChannelGetLevel)
    RESOLVE_CORE(BASS_FXSetParameters)
    RESOLVE_CORE(BASS_FXGetParameters)
    RESOLVE_CORE(BASS_ChannelSetFX)
    RESOLVE_CORE(BASS_ChannelRemoveFX)
    RESOLVE_CORE(BASS_ErrorGetCode)
    RESOLVE_CORE(BASS_MusicLoad)
    RESOLVE_CORE(BASS_MusicFree)
    RESOLVE_CORE(BASS_StreamCreateFile)
    RESOLVE_CORE(BASS_StreamFree)
    RESOLVE_CORE(BASS_ChannelGetInfo)
    RESOLVE_CORE(BASS_ChannelSetAttribute)
    RESOLVE_CORE(BASS_ChannelIsActive)
    RESOLVE_CORE(BASS_ChannelIsSliding)
    RESOLVE_CORE(BASS_ChannelGetData)
    RESOLVE_CORE(BASS_ChannelPlay)
    RESOLVE_CORE(BASS_ChannelPause)
    RESOLVE_CORE(BASS_ChannelStop)
    RESOLVE_CORE(BASS_ChannelGetLength)
    RESOLVE_CORE(BASS_ChannelGetPosition)
    RESOLVE_CORE(BASS_ChannelSetPosition)
    RESOLVE_CORE(BASS_ChannelSeconds2Bytes)
    RESOLVE_CORE(BASS_ChannelBytes2Seconds)
#undef RESOLVE_CORE
}

void BassSystem::checkVersions() {
    checkVersion(bass::BASS_GetVersion(), L"An incorrect version of BASS.DLL was loaded (2.4 is required)",
                 L"Incorrect BASS.DLL");
    checkVersion(bass::BASS_FX_GetVersion(), L"An incorrect version of BASS_FX.DLL was loaded (2.4 is required)",
                 L"Incorrect BASS_FX.DLL");
    if (mBassEnc && bass::BASS_Encode_GetVersion) {
        checkVersion(bass::BASS_Encode_GetVersion(),
                     L"An incorrect version of BASSENC.DLL was loaded (2.4 is required)", L"Incorrect BASSENC.DLL");
    }
}

bool BassSystem::initDevice() {
    if (!bass::BASS_Init) return false;
    constexpr int kDefaultDevice = -1;
    constexpr DWORD kFrequency = 44100;
    if (bass::BASS_Init(kDefaultDevice, kFrequency, 0, nullptr, nullptr)) return true;
    // A device that is still being released by another program often comes back at once.
    ::Sleep(100);
    if (bass::BASS_Init(kDefaultDevice, kFrequency, 0, nullptr, nullptr)) return true;
    showBassError("Failed BASS_Init\nCan't initialize output device");
    return false;
}

bool BassSystem::setOutputDevice(int index, DWORD frequency) {
    if (!bass::BASS_Init) {
        showBassError("Failed setOutputDevice because of BASS_Init is null.\nMaybe you need to put bass.dll into the "
                      "Plugins folder.");
        return false;
    }
    int device = index + 1;
    if (device == mDevice) return true;
    if (bass::BASS_Free) bass::BASS_Free();
    if (!bass::BASS_Init(device, frequency, 0, nullptr, nullptr)) {
        showBassError("Failed BASS_Init in setOutputDevice()\nCan't initialize device");
        return false;
    }
    mDevice = device;
    return true;
}

void BassSystem::unload() {
    if (mBassEnc) ::FreeLibrary(mBassEnc);
    if (mBassMix) ::FreeLibrary(mBassMix);
    if (mWmaPlugin && bass::BASS_PluginFree) bass::BASS_PluginFree(mWmaPlugin);
    if (mBassFx) ::FreeLibrary(mBassFx);
    if (mBass) ::FreeLibrary(mBass);
    bool ownedEntryPoints = mBass != nullptr;
    mBassEnc = mBassMix = mBassFx = mBass = nullptr;
    mWmaPlugin = 0;
    mLoaded = false;
    if (ownedEntryPoints) bass::clearEntryPoints();
}
