// The basswma plug-in: Windows Media Audio (wmav1/wmav2 in ASF files) through a minimal
// libavformat/libavcodec. A scan at open decodes the whole file once, which gives the
// exact frame count and an index from each packet's time stamp to its first frame, so
// that a seek goes to the packet before the target and decodes only from there.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <type_traits>
#include <vector>

#include "standins/bass/common/StandinInterface.h"

namespace {

constexpr int kIoBufferSize = 32768;

int readFile(void* opaque, uint8_t* buffer, int size) {
    DWORD got = 0;
    if (!::ReadFile(static_cast<HANDLE>(opaque), buffer, static_cast<DWORD>(size), &got, nullptr) || got == 0) {
        return AVERROR_EOF;
    }
    return static_cast<int>(got);
}

int64_t seekFile(void* opaque, int64_t offset, int whence) {
    HANDLE file = static_cast<HANDLE>(opaque);
    if (whence == AVSEEK_SIZE) {
        LARGE_INTEGER size;
        return ::GetFileSizeEx(file, &size) ? size.QuadPart : -1;
    }
    LARGE_INTEGER distance, result;
    distance.QuadPart = offset;
    DWORD method = (whence & 3) == SEEK_CUR ? FILE_CURRENT : (whence & 3) == SEEK_END ? FILE_END : FILE_BEGIN;
    if (!::SetFilePointerEx(file, distance, &result, method)) return -1;
    return result.QuadPart;
}

short toShort(float value) {
    float scaled = value * 32768.0f;
    if (scaled >= 32767.0f) return 32767;
    if (scaled <= -32768.0f) return -32768;
    return static_cast<short>(scaled >= 0 ? scaled + 0.5f : scaled - 0.5f);
}

class WmaDecoder {
public:
    ~WmaDecoder() {
        av_frame_free(&mFrame);
        av_packet_free(&mPacket);
        avcodec_free_context(&mCodec);
        avformat_close_input(&mFormat);
        if (mIo) {
            av_freep(&mIo->buffer);
            avio_context_free(&mIo);
        }
        if (mFile != INVALID_HANDLE_VALUE) ::CloseHandle(mFile);
    }

    bool open(const wchar_t* path) {
        mFile = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (mFile == INVALID_HANDLE_VALUE || !looksLikeAsf()) return false;
        auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
        mIo = avio_alloc_context(buffer, kIoBufferSize, 0, mFile, readFile, nullptr, seekFile);
        mFormat = avformat_alloc_context();
        if (!mIo || !mFormat) return false;
        mFormat->pb = mIo;
        mFormat->flags |= AVFMT_FLAG_CUSTOM_IO;
        if (avformat_open_input(&mFormat, nullptr, nullptr, nullptr) < 0) return false;
        if (avformat_find_stream_info(mFormat, nullptr) < 0) return false;
        const AVCodec* codec = nullptr;
        mStream = av_find_best_stream(mFormat, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
        if (mStream < 0 || !codec) return false;
        mCodec = avcodec_alloc_context3(codec);
        if (!mCodec || avcodec_parameters_to_context(mCodec, mFormat->streams[mStream]->codecpar) < 0) return false;
        if (avcodec_open2(mCodec, codec, nullptr) < 0) return false;
        mPacket = av_packet_alloc();
        mFrame = av_frame_alloc();
        mChannels = static_cast<DWORD>(mCodec->ch_layout.nb_channels);
        mRate = static_cast<DWORD>(mCodec->sample_rate);
        if (!mPacket || !mFrame || mChannels == 0 || mRate == 0) return false;
        return scan() && seek(0);
    }

    DWORD read(short* out, DWORD frames) {
        DWORD done = 0;
        while (done < frames) {
            if (mPendingFrame < mPending.size() / mChannels) {
                size_t available = mPending.size() / mChannels - mPendingFrame;
                DWORD take = static_cast<DWORD>(std::min<size_t>(available, frames - done));
                if (mPosition + take > mTotalFrames) take = static_cast<DWORD>(mTotalFrames - mPosition);
                if (take == 0) break;
                std::memcpy(out + done * mChannels, mPending.data() + mPendingFrame * mChannels,
                            take * mChannels * sizeof(short));
                mPendingFrame += take;
                done += take;
                mPosition += take;
                continue;
            }
            if (!decodeNext(nullptr)) break;
        }
        return done;
    }

    bool seek(QWORD frame) {
        if (frame > mTotalFrames) return false;
        // The last indexed packet that starts at or before the frame.
        auto best = mIndex.end();
        for (auto it = mIndex.begin(); it != mIndex.end(); ++it) {
            if (it->second <= frame && (best == mIndex.end() || it->second >= best->second)) best = it;
        }
        int64_t timestamp = best == mIndex.end() ? 0 : best->first;
        if (av_seek_frame(mFormat, mStream, timestamp, AVSEEK_FLAG_BACKWARD) < 0) return false;
        avcodec_flush_buffers(mCodec);
        mPending.clear();
        mPendingFrame = 0;
        mEnded = false;
        // Decode to the packet that holds the frame, then drop the frames before it.
        QWORD blockStart = 0;
        if (!decodeNext(&blockStart)) {
            mPosition = frame;
            return frame == mTotalFrames;
        }
        if (blockStart > frame) return false;
        QWORD skip = frame - blockStart;
        while (skip >= mPending.size() / mChannels) {
            skip -= mPending.size() / mChannels;
            if (!decodeNext(nullptr)) {
                mPosition = frame;
                return true;
            }
        }
        mPendingFrame = static_cast<size_t>(skip);
        mPosition = frame;
        return true;
    }

    DWORD rate() const { return mRate; }
    DWORD channels() const { return mChannels; }
    QWORD frames() const { return mTotalFrames; }

private:
    bool looksLikeAsf() {
        static const unsigned char kHeaderGuid[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                                      0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
        unsigned char head[16] = {};
        DWORD got = 0;
        bool match = ::ReadFile(mFile, head, 16, &got, nullptr) && got == 16 && std::memcmp(head, kHeaderGuid, 16) == 0;
        ::SetFilePointer(mFile, 0, nullptr, FILE_BEGIN);
        return match;
    }

    // Decodes the whole file once: the exact frame count and where each packet starts.
    bool scan() {
        QWORD total = 0;
        while (true) {
            int64_t timestamp = 0;
            QWORD frames = 0;
            if (!decodePacket(&timestamp, &frames)) break;
            mIndex.emplace(timestamp, total);
            total += frames;
        }
        mTotalFrames = total;
        mPending.clear();
        return total > 0;
    }

    // Reads packets up to the next one that decodes to frames; those frames replace the
    // pending ones. `blockStart` receives the packet's first frame from the index.
    bool decodeNext(QWORD* blockStart) {
        int64_t timestamp = 0;
        QWORD frames = 0;
        if (!decodePacket(&timestamp, &frames)) return false;
        if (blockStart) {
            auto found = mIndex.find(timestamp);
            *blockStart = found == mIndex.end() ? 0 : found->second;
        }
        mPendingFrame = 0;
        return true;
    }

    bool decodePacket(int64_t* timestamp, QWORD* frames) {
        if (mEnded) return false;
        while (true) {
            int result = av_read_frame(mFormat, mPacket);
            if (result < 0) {
                // The end: the decoder still holds the tail of the last block.
                mEnded = true;
                *timestamp = mLastTimestamp + 1;
                avcodec_send_packet(mCodec, nullptr);
                mPending.clear();
                while (avcodec_receive_frame(mCodec, mFrame) == 0) {
                    appendFrame();
                    av_frame_unref(mFrame);
                }
                *frames = mPending.size() / mChannels;
                return *frames > 0;
            }
            if (mPacket->stream_index != mStream) {
                av_packet_unref(mPacket);
                continue;
            }
            *timestamp = mPacket->pts != AV_NOPTS_VALUE ? mPacket->pts : mPacket->dts;
            mLastTimestamp = *timestamp;
            result = avcodec_send_packet(mCodec, mPacket);
            av_packet_unref(mPacket);
            if (result < 0) continue;  // a damaged packet: go on with the next
            mPending.clear();
            while (avcodec_receive_frame(mCodec, mFrame) == 0) {
                appendFrame();
                av_frame_unref(mFrame);
            }
            if (!mPending.empty()) {
                *frames = mPending.size() / mChannels;
                return true;
            }
        }
    }

    void appendFrame() {
        int count = mFrame->nb_samples;
        size_t base = mPending.size();
        mPending.resize(base + static_cast<size_t>(count) * mChannels);
        short* out = mPending.data() + base;
        auto format = static_cast<AVSampleFormat>(mFrame->format);
        for (int i = 0; i < count; ++i) {
            for (DWORD c = 0; c < mChannels; ++c) {
                float value = 0.0f;
                if (format == AV_SAMPLE_FMT_FLTP) {
                    value = reinterpret_cast<const float*>(mFrame->extended_data[c])[i];
                } else if (format == AV_SAMPLE_FMT_FLT) {
                    value = reinterpret_cast<const float*>(mFrame->extended_data[0])[i * mChannels + c];
                } else if (format == AV_SAMPLE_FMT_S16P) {
                    value = reinterpret_cast<const short*>(mFrame->extended_data[c])[i] / 32768.0f;
                } else if (format == AV_SAMPLE_FMT_S16) {
                    value = reinterpret_cast<const short*>(mFrame->extended_data[0])[i * mChannels + c] / 32768.0f;
                }
                out[static_cast<size_t>(i) * mChannels + c] = toShort(value);
            }
        }
    }

    HANDLE mFile = INVALID_HANDLE_VALUE;
    AVIOContext* mIo = nullptr;
    AVFormatContext* mFormat = nullptr;
    AVCodecContext* mCodec = nullptr;
    AVPacket* mPacket = nullptr;
    AVFrame* mFrame = nullptr;
    int mStream = -1;
    DWORD mRate = 0;
    DWORD mChannels = 0;
    QWORD mTotalFrames = 0;
    QWORD mPosition = 0;
    bool mEnded = false;
    int64_t mLastTimestamp = 0;
    std::map<int64_t, QWORD> mIndex;  // packet time stamp -> first frame
    std::vector<short> mPending;      // the frames of the last decoded packet
    size_t mPendingFrame = 0;         // the next of them to hand out
};

WmaDecoder* decoder(void* handle) { return static_cast<WmaDecoder*>(handle); }

const StandinDecoderOps kOps = {
    [](void* handle, short* out, DWORD frames) { return decoder(handle)->read(out, frames); },
    [](void* handle, QWORD frame) -> BOOL { return decoder(handle)->seek(frame); },
    [](void* handle) { delete decoder(handle); },
};

}  // namespace

extern "C" __declspec(dllexport) void* WINAPI BassStandin_OpenDecoder(const wchar_t* path, StandinDecoderFormat* format,
                                                                    const StandinDecoderOps** ops) {
    if (!path || !format || !ops) return nullptr;
    av_log_set_level(AV_LOG_QUIET);
    auto* wma = new WmaDecoder;
    if (!wma->open(path)) {
        delete wma;
        return nullptr;
    }
    format->rate = wma->rate();
    format->channels = wma->channels();
    format->frames = wma->frames();
    *ops = &kOps;
    return wma;
}

static_assert(std::is_same<decltype(&BassStandin_OpenDecoder), StandinOpenDecoder_t>::value, "");
