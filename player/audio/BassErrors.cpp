#include "player/audio/BassErrors.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "foundation/system/MessageBoxes.h"
#include "player/audio/BassFunctions.h"


std::string getBassErrorText(int code) {
    switch (code) {
    case BASS_ERROR_UNKNOWN: return "Some other mystery problem!";
    case BASS_ERROR_MEM: return "There is insufficient memory.";
    case BASS_ERROR_BUFLOST:
        return "Should not happen... check that a valid window handle was used with BASS_Init.";
    case BASS_ERROR_HANDLE: return "handle is not a valid channel.";
    case BASS_ERROR_FORMAT:
        return "The requested format is not supported. If using the BASS_SAMPLE_FLOAT flag, it could be that "
               "floating-point recording is not supported.";
    case BASS_ERROR_INIT: return "BASS_RecordInit has not been successfully called.";
    case BASS_ERROR_START: return "The output is paused/stopped, use BASS_Start to start it.";
    case BASS_ERROR_NOPLAY: return "The channel is not playing.";
    case BASS_ERROR_NOHW:
        return "No hardware voices are available (HCHANNEL only). This only occurs if the sample was "
               "loaded/created with the BASS_SAMPLE_VAM flag and BASS_VAM_HARDWARE is set in the sample's VAM "
               "mode, and there are no hardware voices available to play it.";
    case BASS_ERROR_NOTAVAIL:
        return "The recording device is not available. Another application may already be recording with it, or "
               "it could be a half-duplex device that is currently being used for playback.";
    case BASS_ERROR_DECODE: return "The channel is not playable; it is a \"decoding channel\".";
    case BASS_ERROR_ENDED: return "The decoding channel has reached the end.";
    default: return std::string();
    }
}

void showBassError(const std::string& text) {
    std::string message;
    if (bass::BASS_ErrorGetCode) {
        std::vector<char> buffer(text.size() + 64);
        std::snprintf(buffer.data(), buffer.size(), "%s\n\n(error code: %d)", text.c_str(), bass::BASS_ErrorGetCode());
        message = buffer.data();
    } else {
        message = text + " (InitializeError)";
    }
    showMessageBox(nullptr, multiByteToWide(message.c_str(), CP_ACP), L"Error", MB_ICONEXCLAMATION);
}
