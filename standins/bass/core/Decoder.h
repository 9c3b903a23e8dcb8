// A decoder turns an audio file into 16-bit interleaved PCM frames, knows the exact
// frame count and seeks to any frame.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "standins/bass/core/ByteSource.h"

class Decoder {
public:
    virtual ~Decoder() = default;
    // Decodes up to `frames` frames; 0 at the end.
    virtual unsigned read(short* out, unsigned frames) = 0;
    virtual bool seek(std::uint64_t frame) = 0;

    unsigned rate() const { return mRate; }
    unsigned channels() const { return mChannels; }
    std::uint64_t frames() const { return mFrames; }

protected:
    unsigned mRate = 0;
    unsigned mChannels = 0;
    std::uint64_t mFrames = 0;
};

// Each returns null when the bytes are not of its format (the source is then left for
// the next one to try).
std::unique_ptr<Decoder> openWavDecoder(std::unique_ptr<ByteSource>& source);
std::unique_ptr<Decoder> openVorbisDecoder(std::unique_ptr<ByteSource>& source);
std::unique_ptr<Decoder> openMp3Decoder(std::unique_ptr<ByteSource>& source, bool prescan);
