#include "player/audio/BassPlayer.h"

#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "foundation/system/MessageBoxes.h"
#include "foundation/system/PathUtils.h"
#include "player/audio/BassErrors.h"
#include "player/audio/BassFunctions.h"
#include "player/audio/BassSystem.h"
#include "player/audio/EncoderOutput.h"
#include "player/audio/SameFile.h"

namespace {

constexpr DWORD kOpenFlags = BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN;
constexpr DWORD kMusicFlags = kOpenFlags | BASS_MUSIC_RAMP | BASS_MUSIC_PRESCAN;
constexpr DWORD kEncodeStep = 20000;

// A handle is of one kind; the call for the other kind refuses it.
void freeChannel(DWORD handle) {
    if (bass::BASS_MusicFree) bass::BASS_MusicFree(handle);
    if (bass::BASS_StreamFree) bass::BASS_StreamFree(handle);
}

// The form of the "in use" box, for a file that can't be written: the system's text of
// the error, then the path.
void showFileError(const std::wstring& path, DWORD error) {
    wchar_t* text = nullptr;
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"Error " + std::to_wstring(error);
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
    showMessageBox(nullptr, message + L"\r\n" + path, path, MB_OK);
}

}  // namespace

BassPlayer::~BassPlayer() {
    close();  // an unfinished export leaves no file of its own behind
    if (bass::BASS_Free) bass::BASS_Free();
}

bool BassPlayer::initialize() { return BassSystem::getInstance().load(); }

bool BassPlayer::open(const std::wstring& path) {
    if (!bass::BASS_StreamCreateFile) return false;
    mPath = path;
    close();
    DWORD source = bass::BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, kOpenFlags);
    if (!source && bass::BASS_MusicLoad) source = bass::BASS_MusicLoad(FALSE, path.c_str(), 0, 0, kMusicFlags, 0);
    if (!source) return false;
    mChannel = bass::BASS_FX_TempoCreate(source, BASS_FX_FREESOURCE);
    if (!mChannel) {
        showBassError("Couldn't create a resampled stream!");
        freeChannel(source);  // it is freed with the tempo stream only once one takes it
        close();
        return false;
    }
    QWORD bytes = bass::BASS_ChannelGetLength ? bass::BASS_ChannelGetLength(mChannel, BASS_POS_BYTE) : 0;
    mLength = bytesToMilliseconds(static_cast<unsigned>(bytes));
    return true;
}

bool BassPlayer::play() {
    if (!mChannel || !bass::BASS_ChannelPlay) return false;
    if (bass::BASS_ChannelPlay(mChannel, FALSE)) return true;
    showBassError(getBassErrorText(bass::BASS_ErrorGetCode ? bass::BASS_ErrorGetCode() : BASS_ERROR_UNKNOWN));
    return false;
}

bool BassPlayer::openAndPlay(const std::wstring& path) {
    if (!open(path) || !bass::BASS_ChannelPlay) return false;
    if (bass::BASS_ChannelPlay(mChannel, TRUE)) return true;
    showBassError("BASS_ChannelPlay");
    return false;
}

void BassPlayer::stop() {
    if (bass::BASS_ChannelStop) bass::BASS_ChannelStop(mChannel);
}

void BassPlayer::pause() {
    if (mChannel && bass::BASS_ChannelPause) bass::BASS_ChannelPause(mChannel);
}

void BassPlayer::resume() {
    if (mChannel && bass::BASS_ChannelPlay) bass::BASS_ChannelPlay(mChannel, FALSE);
}

bool BassPlayer::isPlaying() {
    return bass::BASS_ChannelIsActive && bass::BASS_ChannelIsActive(mChannel) == BASS_ACTIVE_PLAYING;
}

bool BassPlayer::isPaused() {
    return bass::BASS_ChannelIsActive && bass::BASS_ChannelIsActive(mChannel) == BASS_ACTIVE_PAUSED;
}

unsigned BassPlayer::getPosition() {
    if (isPlaying() && bass::BASS_ChannelGetPosition) {
        QWORD bytes = bass::BASS_ChannelGetPosition(mChannel, BASS_POS_BYTE);
        mPosition = bytesToMilliseconds(static_cast<unsigned>(bytes));
    }
    return mPosition;
}

bool BassPlayer::setPosition(unsigned milliseconds) {
    mPosition = milliseconds;
    return bass::BASS_ChannelSetPosition &&
           bass::BASS_ChannelSetPosition(mChannel, millisecondsToBytes(milliseconds), BASS_POS_BYTE);
}

bool BassPlayer::setPositionBytes(unsigned bytes) {
    mPosition = bytesToMilliseconds(bytes);
    return bass::BASS_ChannelSetPosition && bass::BASS_ChannelSetPosition(mChannel, bytes, BASS_POS_BYTE);
}

void BassPlayer::setTempo(int percent) {
    mTempo = percent;
    if (mChannel && bass::BASS_ChannelSetAttribute) {
        bass::BASS_ChannelSetAttribute(mChannel, BASS_ATTRIB_TEMPO, static_cast<float>(getTempo()) - 100.0f);
    }
}

void BassPlayer::setVolume(int volume) {
    mChannelVolume = volume;
    if (mChannel && bass::BASS_ChannelSetAttribute) {
        bass::BASS_ChannelSetAttribute(mChannel, BASS_ATTRIB_VOL, volume * 0.01f);
    }
}

void BassPlayer::setPitch(int pitch) {
    mPitch = pitch;
    if (mChannel && bass::BASS_ChannelSetAttribute) {
        bass::BASS_ChannelSetAttribute(mChannel, BASS_ATTRIB_TEMPO_PITCH, pitch * 15.0f * 0.01f - 15.0f);
    }
}

void BassPlayer::setFrequency(int hertz) {
    mFrequency = hertz;
    if (mChannel && bass::BASS_ChannelSetAttribute) {
        bass::BASS_ChannelSetAttribute(mChannel, BASS_ATTRIB_FREQ, static_cast<float>(hertz));
    }
}

bool BassPlayer::setOutputDevice(int index) { return BassSystem::getInstance().setOutputDevice(index, 44100); }

void BassPlayer::close() {
    if (!mChannel) return;
    freeChannel(mChannel);
    mChannel = 0;
    // An encoder ends with its channel and leaves its file as it finished it. A file of
    // its own, not yet moved onto the chosen path, is an export given up: it goes.
    if (mEncodingOutput != mEncodingTarget) ::DeleteFileW(mEncodingOutput.c_str());
    mEncodingOutput.clear();
    mEncodingTarget.clear();
}

unsigned BassPlayer::bytesToMilliseconds(unsigned bytes) const {
    if (!mChannel || !bass::BASS_ChannelSeconds2Bytes) return 0;
    unsigned bps = static_cast<unsigned>(bass::BASS_ChannelSeconds2Bytes(mChannel, 1.0));
    if (bps == 0) return 0;
    // Whole seconds and the rest apart, so that no intermediate value overflows.
    return (bytes / bps) * 1000 + static_cast<unsigned>((static_cast<QWORD>(bytes % bps) * 1000) / bps);
}

QWORD BassPlayer::millisecondsToBytes(unsigned milliseconds) const {
    if (!mChannel || !bass::BASS_ChannelSeconds2Bytes) return 0;
    unsigned bps = static_cast<unsigned>(bass::BASS_ChannelSeconds2Bytes(mChannel, 1.0));
    // Whole seconds through BASS (aligned to whole frames), the rest at bytes per millisecond.
    return bass::BASS_ChannelSeconds2Bytes(mChannel, milliseconds / 1000) + (milliseconds % 1000) * (bps / 1000);
}

bool BassPlayer::saveAsMp3(const std::wstring& outputPath) {
    if (!fileExists(L"Plugins/lame.exe")) {
        showMessageBox(nullptr, L"Plugins フォルダーに lame.exe ファイルを入れてください。",
                       L"lame.exe was not found in the plugins folder", MB_OK);
        return false;
    }
    // lame writes a name of ours that its ANSI command line carries unchanged; the
    // finished MP3 is moved onto the chosen path by stopEncoding.
    std::wstring working = reserveEncoderOutput(outputPath);
    if (working.empty()) {
        showFileError(outputPath, ::GetLastError());
        return false;
    }
    std::wstring commandLine = L"Plugins/lame --alt-preset cbr 128 - \"" + working + L"\"";
    if (startEncoder(outputPath, working, commandLine, BASS_ENCODE_AUTOFREE)) return true;
    ::DeleteFileW(working.c_str());
    return false;
}

bool BassPlayer::encode(const std::wstring& outputPath, const std::wstring& commandLine, DWORD flags) {
    return startEncoder(outputPath, outputPath, commandLine, flags);
}

bool BassPlayer::startEncoder(const std::wstring& target, const std::wstring& working, const std::wstring& commandLine,
                              DWORD flags) {
    if (!bass::BASS_Encode_Start) return false;
    if (!fileExists(mPath)) return false;
    // However it is spelt, the file being played is never a target.
    if (isSameFile(target, mPath)) {
        showMessageBox(nullptr, L"現在このファイルは使用中です。\r\n" + target, target, MB_OK);
        return false;
    }
    // A command line that the ANSI code page changes would name another file.
    if (!survivesAnsiCodePage(commandLine)) {
        showFileError(target, ERROR_NO_UNICODE_TRANSLATION);
        return false;
    }
    close();
    DWORD source = bass::BASS_StreamCreateFile(FALSE, mPath.c_str(), 0, 0, kOpenFlags);
    if (!source) {
        showBassError("BASS_StreamCreateFile");
        return false;
    }
    mChannel = bass::BASS_FX_TempoCreate(source, BASS_FX_FREESOURCE | BASS_STREAM_DECODE);
    if (!mChannel) {
        showBassError("BASS_FX_TempoCreate");
        bass::BASS_StreamFree(source);
        return false;
    }
    setTempo(getTempo());
    setPitch(mPitch);
    setVolume(mChannelVolume);
    mEncodingTarget = target;
    mEncodingOutput = working;
    std::string ansiCommandLine = wideToMultiByte(commandLine.c_str(), CP_ACP);
    if (bass::BASS_Encode_Start(mChannel, ansiCommandLine.c_str(), flags, nullptr, nullptr)) return true;
    showBassError("BASS_Encode_Start");
    discardFailedOutput();
    close();
    return false;
}

bool BassPlayer::encodeStep() {
    if (!mChannel || !bass::BASS_ChannelIsActive || !bass::BASS_ChannelGetData) return false;
    if (bass::BASS_ChannelIsActive(mChannel) == BASS_ACTIVE_STOPPED) return false;
    char buffer[kEncodeStep];
    // The data itself is not needed: reading it drives the decoder and the encoder.
    bass::BASS_ChannelGetData(mChannel, buffer, kEncodeStep);
    return true;
}

bool BassPlayer::stopEncoding() {
    if (!mChannel || !bass::BASS_Encode_Stop) return false;
    bool encoding = !mEncodingOutput.empty();
    if (bass::BASS_Encode_Stop(mChannel)) return !encoding || finishOutput();
    if (!encoding) return false;  // nothing was encoding: nothing to report
    showBassError("BASS_Encode_Stop");
    discardFailedOutput();
    return false;
}

bool BassPlayer::finishOutput() {
    std::wstring output = mEncodingOutput;
    std::wstring target = mEncodingTarget;
    mEncodingOutput.clear();
    mEncodingTarget.clear();
    if (output == target || moveOutputIntoPlace(output, target)) return true;
    DWORD error = ::GetLastError();
    ::DeleteFileW(output.c_str());
    showFileError(target, error);
    return false;
}

void BassPlayer::discardFailedOutput() {
    // What a failed encoder left is not the requested MP3. Its own file goes; a target
    // it wrote directly holds a broken MP3 (or what was there before) and goes as well.
    // A target that the encoder never wrote keeps what it had.
    if (!mEncodingOutput.empty()) ::DeleteFileW(mEncodingOutput.c_str());
    mEncodingOutput.clear();
    mEncodingTarget.clear();
}
