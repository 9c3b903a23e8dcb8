// Where a channel's PCM comes from: a decoder of a file, or a source that another of
// the project's BASS libraries implements (the tempo stream). Positions and lengths are
// bytes of 16-bit interleaved PCM.
#pragma once

#include <memory>

#include "player/audio/BassTypes.h"
#include "standins/bass/common/StandinInterface.h"
#include "standins/bass/core/Decoder.h"

class ChannelSource {
public:
    virtual ~ChannelSource() = default;
    // Fills up to `bytes` bytes (whole frames); fewer than asked means the end.
    virtual DWORD read(void* buffer, DWORD bytes) = 0;
    virtual QWORD length() = 0;
    virtual QWORD position() = 0;
    virtual bool seek(QWORD bytes) = 0;
    virtual bool setAttribute(DWORD attrib, float value) { return false; }
};

std::unique_ptr<ChannelSource> makeDecoderSource(std::unique_ptr<Decoder> decoder);
std::unique_ptr<ChannelSource> makeExternalSource(const StandinSourceOps& ops, void* user);
