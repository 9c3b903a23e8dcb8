// The basswma plug-in: Windows Media Audio in ASF files through a minimal
// libavformat/libavcodec. Opening reads the packets without decoding them: for WMA 1 and
// 2 the frame count of each packet follows from its bytes (WmaFrameCounter), which gives
// the exact length and, for each packet, the frame its output ends at. Decoding happens
// as the data is read. Output is placed by where its packet ends, so a seek starts at an
// earlier packet and drops what comes before the target. The other codecs (Pro, Lossless
// and Voice) take their length from the stream's duration and are placed by time stamps.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "standins/bass/common/StandinInterface.h"
#include "standins/bass/wma/WmaFrameCounter.h"

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

constexpr AVCodecID kDecoders[] = {AV_CODEC_ID_WMAV1, AV_CODEC_ID_WMAV2, AV_CODEC_ID_WMAPRO, AV_CODEC_ID_WMALOSSLESS,
                                   AV_CODEC_ID_WMAVOICE};

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
        // The stream header says all that is needed; probing would decode packets.
        const AVCodec* codec = nullptr;
        for (unsigned i = 0; i < mFormat->nb_streams && !codec; ++i) {
            AVCodecID id = mFormat->streams[i]->codecpar->codec_id;
            if (std::find(std::begin(kDecoders), std::end(kDecoders), id) == std::end(kDecoders)) continue;
            codec = avcodec_find_decoder(id);
            mStream = static_cast<int>(i);
        }
        if (!codec) return false;
        AVStream* stream = mFormat->streams[mStream];
        mCodec = avcodec_alloc_context3(codec);
        if (!mCodec || avcodec_parameters_to_context(mCodec, stream->codecpar) < 0) return false;
        if (avcodec_open2(mCodec, codec, nullptr) < 0) return false;
        mPacket = av_packet_alloc();
        mFrame = av_frame_alloc();
        mChannels = static_cast<DWORD>(mCodec->ch_layout.nb_channels);
        mRate = static_cast<DWORD>(mCodec->sample_rate);
        if (!mPacket || !mFrame || mChannels == 0 || mRate == 0) return false;
        bool measured = codec->id == AV_CODEC_ID_WMAV1 || codec->id == AV_CODEC_ID_WMAV2 ? countFrames()
                                                                                          : lengthFromDuration();
        return measured && mTotalFrames > 0 && seek(0);
    }

    DWORD read(short* out, DWORD frames) {
        DWORD done = 0;
        while (done < frames && mPosition < mTotalFrames) {
            QWORD pendingFrames = mPending.size() / mChannels;
            QWORD wanted = std::min<QWORD>(frames - done, mTotalFrames - mPosition);
            QWORD take = 0;
            if (mPendingStart <= mPosition && mPosition < mPendingStart + pendingFrames) {
                take = std::min(wanted, mPendingStart + pendingFrames - mPosition);
                std::memcpy(out + static_cast<size_t>(done) * mChannels,
                            mPending.data() + static_cast<size_t>(mPosition - mPendingStart) * mChannels,
                            static_cast<size_t>(take) * mChannels * sizeof(short));
            } else if (mPendingStart > mPosition || mEnded) {
                // Output the decoder did not give (a damaged packet, or less at the end
                // than the length promised) is silence, so that the length holds.
                QWORD gap = mPendingStart > mPosition ? mPendingStart - mPosition : wanted;
                take = std::min(wanted, gap);
                std::fill(out + static_cast<size_t>(done) * mChannels,
                          out + static_cast<size_t>(done + take) * mChannels, 0);
            } else {
                decodeNext();
                continue;
            }
            done += static_cast<DWORD>(take);
            mPosition += take;
        }
        return done;
    }

    bool seek(QWORD frame) {
        if (frame > mTotalFrames) return false;
        bool placed = mPackets.empty() ? seekByTime(frame) : seekToPacket(frame);
        if (!placed) return false;
        mPosition = frame;
        return true;
    }

    DWORD rate() const { return mRate; }
    DWORD channels() const { return mChannels; }
    QWORD frames() const { return mTotalFrames; }

private:
    struct Packet {
        int64_t timestamp;
        QWORD end;  // the output frame after the packet's last, counted before the start skip
    };

    bool looksLikeAsf() {
        static const unsigned char kHeaderGuid[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                                      0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
        unsigned char head[16] = {};
        DWORD got = 0;
        bool match = ::ReadFile(mFile, head, 16, &got, nullptr) && got == 16 && std::memcmp(head, kHeaderGuid, 16) == 0;
        ::SetFilePointer(mFile, 0, nullptr, FILE_BEGIN);
        return match;
    }

    static int64_t timestampOf(const AVPacket* packet) {
        return packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    }

    // Reads every packet once, without decoding: each one's time stamp and end frame.
    bool countFrames() {
        const AVCodecParameters* parameters = mFormat->streams[mStream]->codecpar;
        WmaFrameCounter counter(parameters->codec_id == AV_CODEC_ID_WMAV1 ? 1 : 2, mRate, parameters->extradata,
                                static_cast<size_t>(std::max(0, parameters->extradata_size)),
                                static_cast<unsigned>(std::max(0, parameters->block_align)));
        QWORD end = 0;
        while (av_read_frame(mFormat, mPacket) >= 0) {
            if (mPacket->stream_index == mStream) {
                end += counter.packetFrames(mPacket->data, static_cast<size_t>(mPacket->size));
                mPackets.push_back({timestampOf(mPacket), end});
            }
            av_packet_unref(mPacket);
        }
        mStartSkip = counter.startSkip();
        QWORD produced = end + counter.endFrames();
        mTotalFrames = produced > mStartSkip ? produced - mStartSkip : 0;
        return !mPackets.empty();
    }

    bool lengthFromDuration() {
        const AVStream* stream = mFormat->streams[mStream];
        int64_t duration = stream->duration;
        AVRational base = stream->time_base;
        if (duration == AV_NOPTS_VALUE || duration <= 0) {
            duration = mFormat->duration;
            base = AVRational{1, AV_TIME_BASE};
        }
        if (duration == AV_NOPTS_VALUE || duration <= 0) return false;
        mTotalFrames = static_cast<QWORD>(av_rescale_q(duration, base, AVRational{1, static_cast<int>(mRate)}));
        return true;
    }

    void restartDecoder() {
        avcodec_flush_buffers(mCodec);
        mPending.clear();
        mPendingStart = 0;
        mEnded = false;
    }

    // Starts decoding at the packet from which the target frame can be decoded: the
    // decoder needs the packet before the one it is in, and drops two frames after a
    // flush, so the packet's output must end at or before the target.
    bool seekToPacket(QWORD frame) {
        auto after = std::upper_bound(mPackets.begin(), mPackets.end(), frame,
                                      [](QWORD target, const Packet& packet) { return target < packet.end; });
        size_t wanted = after == mPackets.begin() ? 0 : static_cast<size_t>(after - mPackets.begin() - 1);
        if (wanted > 0 && goToPacket(wanted)) return true;
        return goToPacket(0);
    }

    // Moves the demuxer to a packet at or before `wanted` and learns which one it is.
    bool goToPacket(size_t wanted) {
        if (av_seek_frame(mFormat, mStream, mPackets[wanted].timestamp, AVSEEK_FLAG_BACKWARD) < 0) return false;
        restartDecoder();
        if (!readStreamPacket()) return false;
        int64_t timestamp = timestampOf(mPacket);
        auto found = std::find_if(mPackets.begin(), mPackets.end(),
                                  [&](const Packet& packet) { return packet.timestamp == timestamp; });
        size_t ordinal = static_cast<size_t>(found - mPackets.begin());
        if (found == mPackets.end() || ordinal > wanted) {
            av_packet_unref(mPacket);
            return false;
        }
        mNextPacket = ordinal;
        mHeldPacket = true;
        return true;
    }

    bool seekByTime(QWORD frame) {
        int64_t target = av_rescale_q(static_cast<int64_t>(frame), AVRational{1, static_cast<int>(mRate)},
                                      mFormat->streams[mStream]->time_base);
        int64_t first = mFormat->streams[mStream]->start_time;
        if (first == AV_NOPTS_VALUE) first = 0;
        if (av_seek_frame(mFormat, mStream, std::max(first, target), AVSEEK_FLAG_BACKWARD) < 0) return false;
        restartDecoder();
        mTimedStart = true;
        return true;
    }

    bool readStreamPacket() {
        while (av_read_frame(mFormat, mPacket) >= 0) {
            if (mPacket->stream_index == mStream) return true;
            av_packet_unref(mPacket);
        }
        return false;
    }

    // Decodes the next packet (or, at the end, what the decoder still holds) into the
    // pending frames and places them on the output timeline.
    void decodeNext() {
        bool havePacket = mHeldPacket || readStreamPacket();
        mHeldPacket = false;
        mPending.clear();
        QWORD packetEnd = 0;
        if (havePacket) {
            if (mNextPacket < mPackets.size()) packetEnd = mPackets[mNextPacket].end;
            ++mNextPacket;
            if (avcodec_send_packet(mCodec, mPacket) >= 0) receiveFrames();
            av_packet_unref(mPacket);
        } else {
            mEnded = true;
            avcodec_send_packet(mCodec, nullptr);
            receiveFrames();
            packetEnd = (mPackets.empty() ? 0 : mPackets.back().end) + (mPending.size() / mChannels);
        }
        QWORD frames = mPending.size() / mChannels;
        if (frames == 0) {
            mPendingStart = 0;  // nothing to place: the next read decodes on (or pads at the end)
        } else if (!mPackets.empty()) {
            // Counted before the start skip; what the decoder gives ends with its packet.
            QWORD end = packetEnd > mStartSkip ? packetEnd - mStartSkip : 0;
            if (end < frames) {
                mPending.erase(mPending.begin(), mPending.begin() + static_cast<size_t>((frames - end) * mChannels));
                frames = end;
            }
            mPendingStart = end - frames;
        } else {
            mPendingStart = mTimedStart ? mPendingTimedStart : mNextTimedStart;
            mTimedStart = false;
            mNextTimedStart = mPendingStart + frames;
        }
    }

    void receiveFrames() {
        while (avcodec_receive_frame(mCodec, mFrame) == 0) {
            if (mTimedStart && mPending.empty()) {
                int64_t when = mFrame->best_effort_timestamp;
                mPendingTimedStart = when == AV_NOPTS_VALUE ? mPosition
                                                            : static_cast<QWORD>(std::max<int64_t>(0, av_rescale_q(
                                                                  when, mFormat->streams[mStream]->time_base,
                                                                  AVRational{1, static_cast<int>(mRate)})));
            }
            appendFrame();
            av_frame_unref(mFrame);
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
                } else if (format == AV_SAMPLE_FMT_S32P) {
                    value = static_cast<float>(reinterpret_cast<const int32_t*>(mFrame->extended_data[c])[i] / 2147483648.0);
                } else if (format == AV_SAMPLE_FMT_S32) {
                    value = static_cast<float>(
                        reinterpret_cast<const int32_t*>(mFrame->extended_data[0])[i * mChannels + c] / 2147483648.0);
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
    std::vector<Packet> mPackets;  // WMA 1 and 2: every packet in file order
    QWORD mStartSkip = 0;
    size_t mNextPacket = 0;        // the ordinal of the next packet decoded
    bool mHeldPacket = false;      // mPacket holds that packet already (read while seeking)
    bool mTimedStart = false;      // the other codecs: the next output is placed by its time stamp
    QWORD mPendingTimedStart = 0;  // where the first frame after a timed start goes
    QWORD mNextTimedStart = 0;     // where the next frames go when decoding on
    std::vector<short> mPending;   // decoded frames not yet handed out
    QWORD mPendingStart = 0;       // the output frame of the first of them
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

// The names of the WMA decoders this plug-in was built with, separated by spaces: the
// build's configuration decides, and a test can see it.
extern "C" __declspec(dllexport) const char* WINAPI BassStandin_WmaDecoders() {
    static const std::string names = [] {
        std::string all;
        for (AVCodecID id : kDecoders) {
            const AVCodec* codec = avcodec_find_decoder(id);
            if (!codec) continue;
            if (!all.empty()) all += ' ';
            all += codec->name;
        }
        return all;
    }();
    return names.c_str();
}

static_assert(std::is_same<decltype(&BassStandin_OpenDecoder), StandinOpenDecoder_t>::value, "");
