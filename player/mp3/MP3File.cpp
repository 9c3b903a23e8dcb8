#include "player/mp3/MP3File.h"

#include "foundation/system/MessageBoxes.h"

namespace {
// Room for about 13 minutes of 44.1 kHz frames before the list grows.
constexpr size_t kReservedFrames = 30000;
}  // namespace

MP3File::~MP3File() { close(); }

void MP3File::close() {
    mFrames.clear();
    mFile.close();
    mTag.clear();
    mPlayingTime = 0;
    mSamplingRate = 0;
    mSamplesPerFrame = 0;
}

bool MP3File::open(const std::wstring& path) {
    close();
    if (!mFile.open(path)) return false;
    const std::string failure = scan(mFile);
    if (!failure.empty()) showMessageA(failure);
    return true;
}

std::string MP3File::scan(ByteSource& source) {
    mFrames.clear();
    mFrames.reserve(kReservedFrames);
    mPlayingTime = 0;
    mSamplingRate = 0;
    mSamplesPerFrame = 0;
    mTag.read(source);
    uint64_t position = mTag.getAudioOffset();
    double runningTotal = 0;
    uint8_t header[4];
    while (source.readAt(position, header, 4) == 4) {
        MP3::Frame frame;
        frame.offset = static_cast<int64_t>(position);
        try {
            frame.init(header);
        } catch (const MP3::FrameException& e) {
            mPlayingTime = runningTotal >= 4294967295.0 ? 0xFFFFFFFFu : static_cast<uint32_t>(runningTotal);
            return e.getMessage();
        }
        runningTotal += frame.samplesPerFrame * (1000.0 / frame.samplingRate);
        position += frame.frameLength;
        mFrames.push_back(frame);
    }
    if (!mFrames.empty()) {
        mSamplingRate = mFrames.front().samplingRate;
        mSamplesPerFrame = mFrames.front().samplesPerFrame;
        mPlayingTime = MP3::framesDuration(mFrames.size(), mSamplesPerFrame, mSamplingRate);
    }
    return std::string();
}
