#include "standins/bass/core/ErrorState.h"

#include "player/audio/BassTypes.h"

namespace {
thread_local int tError = BASS_OK;
}

int lastError() { return tError; }
void setError(int code) { tError = code; }
