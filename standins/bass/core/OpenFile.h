// Opens an audio file (or a file held in memory) with the first decoder that takes it.
#pragma once

#include <memory>

#include "player/audio/BassTypes.h"
#include "standins/bass/core/Decoder.h"

// Null with the error code set when nothing can decode it.
std::unique_ptr<Decoder> openAudio(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags);
