// Ogg Vorbis through vorbisfile, which gives exact lengths and sample-accurate seeks.
#include <vorbis/vorbisfile.h>

#include <cstdio>

#include "standins/bass/core/Decoder.h"

namespace {

size_t readCallback(void* buffer, size_t size, size_t count, void* source) {
    if (size == 0) return 0;
    return static_cast<ByteSource*>(source)->read(buffer, size * count) / size;
}

int seekCallback(void* source, ogg_int64_t offset, int whence) {
    auto* bytes = static_cast<ByteSource*>(source);
    std::int64_t base = whence == SEEK_CUR ? bytes->tell() : whence == SEEK_END ? bytes->size() : 0;
    return bytes->seek(base + offset) ? 0 : -1;
}

long tellCallback(void* source) { return static_cast<long>(static_cast<ByteSource*>(source)->tell()); }

class VorbisDecoder : public Decoder {
public:
    explicit VorbisDecoder(std::unique_ptr<ByteSource> source) : mSource(std::move(source)) {}
    ~VorbisDecoder() override {
        if (mOpen) ov_clear(&mFile);
    }

    bool open() {
        ov_callbacks callbacks = {readCallback, seekCallback, nullptr, tellCallback};
        if (ov_open_callbacks(mSource.get(), &mFile, nullptr, 0, callbacks) != 0) return false;
        mOpen = true;
        vorbis_info* info = ov_info(&mFile, -1);
        ogg_int64_t total = ov_pcm_total(&mFile, -1);
        if (!info || info->channels <= 0 || total < 0) return false;
        mRate = static_cast<unsigned>(info->rate);
        mChannels = static_cast<unsigned>(info->channels);
        mFrames = static_cast<std::uint64_t>(total);
        return true;
    }

    unsigned read(short* out, unsigned frames) override {
        unsigned done = 0;
        while (done < frames) {
            int section = 0;
            long bytes = ov_read(&mFile, reinterpret_cast<char*>(out + done * mChannels),
                                 static_cast<int>((frames - done) * mChannels * 2), 0, 2, 1, &section);
            if (bytes == OV_HOLE) continue;  // a gap in the stream: decoding goes on after it
            if (bytes <= 0) break;
            done += static_cast<unsigned>(bytes) / (mChannels * 2);
        }
        return done;
    }

    bool seek(std::uint64_t frame) override {
        return frame <= mFrames && ov_pcm_seek(&mFile, static_cast<ogg_int64_t>(frame)) == 0;
    }

private:
    std::unique_ptr<ByteSource> mSource;
    OggVorbis_File mFile{};
    bool mOpen = false;
};

}  // namespace

std::unique_ptr<Decoder> openVorbisDecoder(std::unique_ptr<ByteSource>& source) {
    char magic[4];
    if (!source->seek(0) || !source->readExact(magic, 4) || std::string(magic, 4) != "OggS") return nullptr;
    source->seek(0);
    auto decoder = std::make_unique<VorbisDecoder>(std::move(source));
    if (!decoder->open()) return nullptr;
    return decoder;
}
