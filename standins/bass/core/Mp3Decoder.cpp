// MPEG audio through libmpg123: gapless decoding (encoder delay and padding removed) with
// exact lengths after a scan of the whole file, and sample-accurate seeking.
#include <mpg123.h>

#include <cstdio>
#include <mutex>
#include <vector>

#include "standins/bass/core/Decoder.h"
#include "standins/bass/core/MpegSync.h"

namespace {

ssize_t readCallback(void* source, void* buffer, size_t size) {
    return static_cast<ssize_t>(static_cast<ByteSource*>(source)->read(buffer, size));
}

off_t seekCallback(void* source, off_t offset, int whence) {
    auto* bytes = static_cast<ByteSource*>(source);
    std::int64_t base = whence == SEEK_CUR ? bytes->tell() : whence == SEEK_END ? bytes->size() : 0;
    if (!bytes->seek(base + offset)) return -1;
    return static_cast<off_t>(bytes->tell());
}

// Where the decoder is to start: the file's start when it begins with a frame sync or an
// ID3v2 tag that a frame follows at once (the decoder reads the tag itself), else the
// first confirmed frame within the junk allowed after the tag. Other files are not tried
// as MP3, since the decoder would otherwise hunt for frames in any data.
bool findDecoderStart(ByteSource& source, std::int64_t& start) {
    unsigned char head[10] = {};
    if (!source.seek(0)) return false;
    size_t got = source.read(head, sizeof head);
    if (got >= 2 && head[0] == 0xFF && (head[1] & 0xE0) == 0xE0) {
        start = 0;
        return true;
    }
    std::int64_t tag = static_cast<std::int64_t>(id3v2TagLength(head, got));
    std::vector<unsigned char> window(kMpegSearchBytes);
    if (!source.seek(tag)) return false;
    size_t size = source.read(window.data(), window.size());
    size_t frame = findFirstMpegFrame(window.data(), size, tag + static_cast<std::int64_t>(size) == source.size());
    if (frame == kNoMpegFrame) {
        start = 0;
        return tag > 0;  // a tag without frames in reach: the decoder may still find them
    }
    start = frame == 0 ? 0 : tag + static_cast<std::int64_t>(frame);
    return true;
}

class Mp3Decoder : public Decoder {
public:
    explicit Mp3Decoder(std::unique_ptr<ByteSource> source) : mSource(std::move(source)) {}
    ~Mp3Decoder() override {
        if (mHandle) {
            mpg123_close(mHandle);
            mpg123_delete(mHandle);
        }
    }

    bool open(bool prescan) {
        static std::once_flag initialised;
        std::call_once(initialised, [] { mpg123_init(); });
        mHandle = mpg123_new(nullptr, nullptr);
        if (!mHandle) return false;
        mpg123_param(mHandle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
        // Every rate and channel count, always as 16-bit samples.
        mpg123_format_none(mHandle);
        const long* rates = nullptr;
        size_t rateCount = 0;
        mpg123_rates(&rates, &rateCount);
        for (size_t i = 0; i < rateCount; ++i) {
            mpg123_format(mHandle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
        }
        if (mpg123_replace_reader_handle(mHandle, readCallback, seekCallback, nullptr) != MPG123_OK) return false;
        if (mpg123_open_handle(mHandle, mSource.get()) != MPG123_OK) return false;
        long rate = 0;
        int channels = 0, encoding = 0;
        if (mpg123_getformat(mHandle, &rate, &channels, &encoding) != MPG123_OK) return false;
        // The format stays fixed for the whole stream.
        mpg123_format_none(mHandle);
        mpg123_format(mHandle, rate, channels, MPG123_ENC_SIGNED_16);
        if (prescan && mpg123_scan(mHandle) != MPG123_OK) return false;
        off_t length = mpg123_length(mHandle);
        if (length <= 0) return false;
        mRate = static_cast<unsigned>(rate);
        mChannels = static_cast<unsigned>(channels);
        mFrames = static_cast<std::uint64_t>(length);
        return mpg123_seek(mHandle, 0, SEEK_SET) >= 0;
    }

    unsigned read(short* out, unsigned frames) override {
        size_t wanted = static_cast<size_t>(frames) * mChannels * 2;
        size_t total = 0;
        while (total < wanted) {
            size_t done = 0;
            int result = mpg123_read(mHandle, reinterpret_cast<unsigned char*>(out) + total, wanted - total, &done);
            total += done;
            if (result == MPG123_NEW_FORMAT || result == MPG123_OK) {
                if (done == 0 && result == MPG123_OK) break;
                continue;
            }
            break;  // the end, or a stream the decoder cannot go on with
        }
        return static_cast<unsigned>(total / (mChannels * 2));
    }

    bool seek(std::uint64_t frame) override {
        return frame <= mFrames && mpg123_seek(mHandle, static_cast<off_t>(frame), SEEK_SET) >= 0;
    }

private:
    std::unique_ptr<ByteSource> mSource;
    mpg123_handle* mHandle = nullptr;
};

}  // namespace

std::unique_ptr<Decoder> openMp3Decoder(std::unique_ptr<ByteSource>& source, bool prescan) {
    std::int64_t start = 0;
    if (!findDecoderStart(*source, start)) return nullptr;
    source->seek(0);
    std::unique_ptr<ByteSource> bytes = start > 0 ? openTail(std::move(source), start) : std::move(source);
    if (!bytes) return nullptr;
    auto decoder = std::make_unique<Mp3Decoder>(std::move(bytes));
    if (!decoder->open(prescan)) return nullptr;
    return decoder;
}
