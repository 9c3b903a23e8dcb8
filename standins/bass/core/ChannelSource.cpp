#include "standins/bass/core/ChannelSource.h"

namespace {

class DecoderSource : public ChannelSource {
public:
    explicit DecoderSource(std::unique_ptr<Decoder> decoder)
        : mDecoder(std::move(decoder)), mFrameBytes(mDecoder->channels() * 2) {}

    DWORD read(void* buffer, DWORD bytes) override {
        unsigned frames = bytes / mFrameBytes;
        unsigned done = 0;
        auto* out = static_cast<short*>(buffer);
        while (done < frames) {
            unsigned got = mDecoder->read(out + done * mDecoder->channels(), frames - done);
            if (got == 0) break;
            done += got;
        }
        mFrame += done;
        return done * mFrameBytes;
    }
    QWORD length() override { return mDecoder->frames() * mFrameBytes; }
    QWORD position() override { return mFrame * mFrameBytes; }
    bool seek(QWORD bytes) override {
        QWORD frame = bytes / mFrameBytes;
        if (frame > mDecoder->frames() || !mDecoder->seek(frame)) return false;
        mFrame = frame;
        return true;
    }

private:
    std::unique_ptr<Decoder> mDecoder;
    unsigned mFrameBytes;
    QWORD mFrame = 0;
};

class ExternalSource : public ChannelSource {
public:
    ExternalSource(const StandinSourceOps& ops, void* user) : mOps(ops), mUser(user) {}
    ~ExternalSource() override { mOps.release(mUser); }

    DWORD read(void* buffer, DWORD bytes) override { return mOps.read(mUser, buffer, bytes); }
    QWORD length() override { return mOps.length(mUser); }
    QWORD position() override { return mOps.position(mUser); }
    bool seek(QWORD bytes) override { return mOps.seek(mUser, bytes) != FALSE; }
    bool setAttribute(DWORD attrib, float value) override {
        return mOps.setAttribute && mOps.setAttribute(mUser, attrib, value) != FALSE;
    }

private:
    StandinSourceOps mOps;
    void* mUser;
};

}  // namespace

std::unique_ptr<ChannelSource> makeDecoderSource(std::unique_ptr<Decoder> decoder) {
    return std::make_unique<DecoderSource>(std::move(decoder));
}

std::unique_ptr<ChannelSource> makeExternalSource(const StandinSourceOps& ops, void* user) {
    return std::make_unique<ExternalSource>(ops, user);
}
