// RIFF/WAVE files with integer PCM of 8 to 32 bits or 32-bit float samples.
#include <algorithm>
#include <cstring>
#include <vector>

#include "standins/bass/core/Decoder.h"

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

short clampToShort(float value) {
    float scaled = value * 32768.0f;
    if (scaled > 32767.0f) return 32767;
    if (scaled < -32768.0f) return -32768;
    return static_cast<short>(scaled);
}

class WavDecoder : public Decoder {
public:
    WavDecoder(std::unique_ptr<ByteSource> source, unsigned rate, unsigned channels, unsigned bits, bool isFloat,
               std::int64_t dataStart, std::int64_t dataSize)
        : mSource(std::move(source)), mBits(bits), mFloat(isFloat), mDataStart(dataStart) {
        mRate = rate;
        mChannels = channels;
        mFrameBytes = channels * (bits / 8);
        mFrames = static_cast<std::uint64_t>(dataSize) / mFrameBytes;
        mSource->seek(mDataStart);
    }

    unsigned read(short* out, unsigned frames) override {
        unsigned count = static_cast<unsigned>(std::min<std::uint64_t>(frames, mFrames - mPosition));
        if (count == 0) return 0;
        mRaw.resize(static_cast<size_t>(count) * mFrameBytes);
        size_t got = mSource->read(mRaw.data(), mRaw.size());
        count = static_cast<unsigned>(got / mFrameBytes);
        convert(mRaw.data(), out, count * mChannels);
        mPosition += count;
        return count;
    }

    bool seek(std::uint64_t frame) override {
        if (frame > mFrames) return false;
        if (!mSource->seek(mDataStart + static_cast<std::int64_t>(frame * mFrameBytes))) return false;
        mPosition = frame;
        return true;
    }

private:
    void convert(const unsigned char* in, short* out, unsigned samples) const {
        unsigned step = mBits / 8;
        for (unsigned i = 0; i < samples; ++i, in += step) {
            if (mFloat) {
                float value = 0;
                std::memcpy(&value, in, sizeof value);
                out[i] = clampToShort(value);
            } else if (mBits == 8) {
                out[i] = static_cast<short>((in[0] - 128) << 8);
            } else {
                // The two most significant bytes of a little-endian sample.
                out[i] = static_cast<short>(in[step - 2] | (in[step - 1] << 8));
            }
        }
    }

    std::unique_ptr<ByteSource> mSource;
    unsigned mBits;
    bool mFloat;
    std::int64_t mDataStart;
    unsigned mFrameBytes = 0;
    std::uint64_t mPosition = 0;
    std::vector<unsigned char> mRaw;
};

}  // namespace

std::unique_ptr<Decoder> openWavDecoder(std::unique_ptr<ByteSource>& source) {
    unsigned char header[12];
    if (!source->seek(0) || !source->readExact(header, sizeof header)) return nullptr;
    if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) return nullptr;

    bool haveFormat = false;
    std::uint16_t tag = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
    while (true) {
        unsigned char chunk[8];
        if (!source->readExact(chunk, sizeof chunk)) return nullptr;
        std::uint32_t size = le32(chunk + 4);
        std::int64_t next = source->tell() + size + (size & 1);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            unsigned char format[40] = {};
            if (size < 16 || !source->readExact(format, std::min<std::uint32_t>(size, sizeof format))) return nullptr;
            tag = le16(format);
            channels = le16(format + 2);
            rate = le32(format + 4);
            bits = le16(format + 14);
            if (tag == kFormatExtensible && size >= 26) tag = le16(format + 24);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat || channels == 0 || rate == 0) return nullptr;
            bool isFloat = tag == kFormatFloat && bits == 32;
            bool isPcm = tag == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
            if (!isFloat && !isPcm) return nullptr;
            std::int64_t start = source->tell();
            // Writers that stream leave the size unset (0 or all bits): the data runs to the end.
            std::int64_t available = source->size() - start;
            std::int64_t dataSize = (size == 0 || size == 0xFFFFFFFFu) ? available : std::min<std::int64_t>(size, available);
            return std::make_unique<WavDecoder>(std::move(source), rate, channels, bits, isFloat, start, dataSize);
        }
        if (!source->seek(next)) return nullptr;
    }
}
