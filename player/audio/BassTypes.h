// The BASS 2.4 family as this program uses it: handle types, flags, attribute numbers,
// channel states, error codes and the signature of every entry point that BassSystem
// resolves by name. The player and the project's own BASS libraries share this header,
// so both sides agree on every call.
#pragma once

#include <windows.h>

#include <cstdint>

using QWORD = std::uint64_t;
using HSTREAM = DWORD;
using HMUSIC = DWORD;
using HPLUGIN = DWORD;
using HFX = DWORD;
using HENCODE = DWORD;
using HRECORD = DWORD;

// Flags of stream creation and of the add-ons.
constexpr DWORD BASS_MUSIC_RAMP = 0x200;
constexpr DWORD BASS_STREAM_PRESCAN = 0x20000;
constexpr DWORD BASS_MUSIC_PRESCAN = 0x20000;
constexpr DWORD BASS_STREAM_DECODE = 0x200000;
constexpr DWORD BASS_UNICODE = 0x80000000;
constexpr DWORD BASS_FX_FREESOURCE = 0x10000;
constexpr DWORD BASS_ENCODE_AUTOFREE = 0x40000;

// Position and length units.
constexpr DWORD BASS_POS_BYTE = 0;

// Channel attributes.
constexpr DWORD BASS_ATTRIB_FREQ = 1;
constexpr DWORD BASS_ATTRIB_VOL = 2;
constexpr DWORD BASS_ATTRIB_TEMPO = 0x10000;
constexpr DWORD BASS_ATTRIB_TEMPO_PITCH = 0x10001;

// Answers of BASS_ChannelIsActive.
constexpr DWORD BASS_ACTIVE_STOPPED = 0;
constexpr DWORD BASS_ACTIVE_PLAYING = 1;
constexpr DWORD BASS_ACTIVE_STALLED = 2;
constexpr DWORD BASS_ACTIVE_PAUSED = 3;

// Error codes of BASS_ErrorGetCode.
constexpr int BASS_OK = 0;
constexpr int BASS_ERROR_UNKNOWN = -1;
constexpr int BASS_ERROR_MEM = 1;
constexpr int BASS_ERROR_BUFLOST = 4;
constexpr int BASS_ERROR_HANDLE = 5;
constexpr int BASS_ERROR_FORMAT = 6;
constexpr int BASS_ERROR_INIT = 8;
constexpr int BASS_ERROR_START = 9;
constexpr int BASS_ERROR_NOPLAY = 24;
constexpr int BASS_ERROR_NOHW = 29;
constexpr int BASS_ERROR_NOTAVAIL = 37;
constexpr int BASS_ERROR_DECODE = 38;
constexpr int BASS_ERROR_ENDED = 45;

// Version words: the high word is the major and minor version.
constexpr DWORD BASS_VERSION_WORD = 0x0204;

// What BASS_ChannelGetInfo reports about a channel.
struct BASS_CHANNELINFO {
    DWORD freq;   // sample rate
    DWORD chans;  // channel count
    DWORD flags;  // the flags the channel was created with
};

// Every entry point: X(name, result type, parameter list).
#define BASS_CORE_ENTRY_POINTS(X)                                                             \
    X(BASS_GetVersion, DWORD, (void))                                                         \
    X(BASS_PluginLoad, HPLUGIN, (const char* file, DWORD flags))                              \
    X(BASS_PluginFree, BOOL, (HPLUGIN handle))                                                \
    X(BASS_RecordInit, BOOL, (int device))                                                    \
    X(BASS_RecordFree, BOOL, (void))                                                          \
    X(BASS_RecordGetInputName, const char*, (int input))                                      \
    X(BASS_RecordGetInput, DWORD, (int input, float* volume))                                 \
    X(BASS_RecordSetInput, BOOL, (int input, DWORD flags, float volume))                      \
    X(BASS_RecordStart, HRECORD, (DWORD freq, DWORD chans, DWORD flags, void* proc, void* user)) \
    X(BASS_RecordGetDeviceInfo, BOOL, (DWORD device, void* info))                             \
    X(BASS_Init, BOOL, (int device, DWORD freq, DWORD flags, HWND win, const void* clsid))    \
    X(BASS_Free, BOOL, (void))                                                                \
    X(BASS_Start, BOOL, (void))                                                               \
    X(BASS_Pause, BOOL, (void))                                                               \
    X(BASS_Stop, BOOL, (void))                                                                \
    X(BASS_GetDevice, DWORD, (void))                                                          \
    X(BASS_SetConfig, BOOL, (DWORD option, DWORD value))                                      \
    X(BASS_ChannelUpdate, BOOL, (DWORD handle, DWORD length))                                 \
    X(BASS_ChannelGetLevel, DWORD, (DWORD handle))                                            \
    X(BASS_FXSetParameters, BOOL, (HFX handle, const void* params))                           \
    X(BASS_FXGetParameters, BOOL, (HFX handle, void* params))                                 \
    X(BASS_ChannelSetFX, HFX, (DWORD handle, DWORD type, int priority))                       \
    X(BASS_ChannelRemoveFX, BOOL, (DWORD handle, HFX fx))                                     \
    X(BASS_ErrorGetCode, int, (void))                                                         \
    X(BASS_MusicLoad, HMUSIC, (BOOL mem, const void* file, QWORD offset, DWORD length, DWORD flags, DWORD freq)) \
    X(BASS_MusicFree, BOOL, (HMUSIC handle))                                                  \
    X(BASS_StreamCreateFile, HSTREAM, (BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags)) \
    X(BASS_StreamFree, BOOL, (HSTREAM handle))                                                \
    X(BASS_ChannelGetInfo, BOOL, (DWORD handle, BASS_CHANNELINFO* info))                      \
    X(BASS_ChannelSetAttribute, BOOL, (DWORD handle, DWORD attrib, float value))              \
    X(BASS_ChannelIsActive, DWORD, (DWORD handle))                                            \
    X(BASS_ChannelIsSliding, BOOL, (DWORD handle, DWORD attrib))                              \
    X(BASS_ChannelGetData, DWORD, (DWORD handle, void* buffer, DWORD length))                 \
    X(BASS_ChannelPlay, BOOL, (DWORD handle, BOOL restart))                                   \
    X(BASS_ChannelPause, BOOL, (DWORD handle))                                                \
    X(BASS_ChannelStop, BOOL, (DWORD handle))                                                 \
    X(BASS_ChannelGetLength, QWORD, (DWORD handle, DWORD mode))                               \
    X(BASS_ChannelGetPosition, QWORD, (DWORD handle, DWORD mode))                             \
    X(BASS_ChannelSetPosition, BOOL, (DWORD handle, QWORD pos, DWORD mode))                   \
    X(BASS_ChannelSeconds2Bytes, QWORD, (DWORD handle, double seconds))                       \
    X(BASS_ChannelBytes2Seconds, double, (DWORD handle, QWORD bytes))

#define BASS_FX_ENTRY_POINTS(X)                 \
    X(BASS_FX_GetVersion, DWORD, (void))        \
    X(BASS_FX_TempoCreate, HSTREAM, (DWORD chan, DWORD flags))

#define BASS_ENC_ENTRY_POINTS(X)                                                                  \
    X(BASS_Encode_GetVersion, DWORD, (void))                                                      \
    X(BASS_Encode_Start, HENCODE, (DWORD handle, const char* cmdline, DWORD flags, void* proc, void* user)) \
    X(BASS_Encode_Stop, BOOL, (DWORD handle))

#define BASS_MIX_ENTRY_POINTS(X)                                                      \
    X(BASS_Mixer_StreamCreate, HSTREAM, (DWORD freq, DWORD chans, DWORD flags))       \
    X(BASS_Mixer_StreamAddChannel, BOOL, (HSTREAM handle, DWORD channel, DWORD flags))

// Pointer types: BASS_ChannelPlay_t and so on.
#define BASS_DECLARE_POINTER_TYPE(name, result, params) using name##_t = result(WINAPI*) params;
BASS_CORE_ENTRY_POINTS(BASS_DECLARE_POINTER_TYPE)
BASS_FX_ENTRY_POINTS(BASS_DECLARE_POINTER_TYPE)
BASS_ENC_ENTRY_POINTS(BASS_DECLARE_POINTER_TYPE)
BASS_MIX_ENTRY_POINTS(BASS_DECLARE_POINTER_TYPE)
#undef BASS_DECLARE_POINTER_TYPE
