#include "standins/bass/core/Playback.h"

#include <algorithm>

namespace {

// Four blocks of 20 ms: 80 ms queued ahead of what the device has played. Volume, tempo
// and pitch apply as blocks are made, so a change is heard after what is queued; the
// output thread refills a block as soon as the device returns one.
constexpr int kBlockCount = 4;
constexpr DWORD kBlockMilliseconds = 20;
// Segments remembered for mapping device bytes to source bytes: more than are queued.
constexpr size_t kSegmentsKept = 64;

}  // namespace

std::unique_ptr<Playback> Playback::open(UINT device, DWORD rate, DWORD channels, QWORD startPosition,
                                         FillFunction fill) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(channels);
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<WORD>(channels * 2);
    format.nAvgBytesPerSec = rate * format.nBlockAlign;
    HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HWAVEOUT handle = nullptr;
    if (::waveOutOpen(&handle, device, &format, reinterpret_cast<DWORD_PTR>(event), 0, CALLBACK_EVENT) !=
        MMSYSERR_NOERROR) {
        ::CloseHandle(event);
        return nullptr;
    }
    DWORD blockBytes = std::max<DWORD>(1, rate * kBlockMilliseconds / 1000) * format.nBlockAlign;
    return std::unique_ptr<Playback>(
        new Playback(handle, event, blockBytes, format.nBlockAlign, startPosition, std::move(fill)));
}

Playback::Playback(HWAVEOUT device, HANDLE event, DWORD blockBytes, DWORD frameBytes, QWORD startPosition,
                   FillFunction fill)
    : mDevice(device), mEvent(event), mFrameBytes(frameBytes), mFill(std::move(fill)), mBlocks(kBlockCount),
      mPositionAtReset(startPosition) {
    for (Block& block : mBlocks) block.data.resize(blockBytes);
}

Playback::~Playback() {
    mQuit = true;
    ::SetEvent(mEvent);
    if (mThread.joinable()) mThread.join();
    ::waveOutReset(mDevice);
    dropQueuedBlocks();
    ::waveOutClose(mDevice);
    ::CloseHandle(mEvent);
}

void Playback::start() {
    std::lock_guard<std::mutex> lock(mMutex);
    if (mStarted) return;
    mStarted = true;
    mThread = std::thread([this] { run(); });
}

void Playback::pause() {
    std::lock_guard<std::mutex> lock(mMutex);
    ::waveOutPause(mDevice);
    mPaused = true;
}

void Playback::resume() {
    std::lock_guard<std::mutex> lock(mMutex);
    mPaused = false;
    ::waveOutRestart(mDevice);
    ::SetEvent(mEvent);
}

bool Playback::finished() {
    std::lock_guard<std::mutex> lock(mMutex);
    reclaimPlayedBlocks();
    return mEnded && std::none_of(mBlocks.begin(), mBlocks.end(), [](const Block& b) { return b.queued; });
}

QWORD Playback::devicePosition() {
    MMTIME time{};
    time.wType = TIME_BYTES;
    if (::waveOutGetPosition(mDevice, &time, sizeof time) != MMSYSERR_NOERROR) return 0;
    if (time.wType == TIME_SAMPLES) return static_cast<QWORD>(time.u.sample) * mFrameBytes;
    return time.u.cb;
}

QWORD Playback::playedPosition() {
    std::lock_guard<std::mutex> lock(mMutex);
    if (mSegments.empty()) return mPositionAtReset;
    QWORD played = devicePosition();
    for (const Segment& segment : mSegments) {
        if (played < segment.deviceStart) return segment.sourceStart;
        if (played < segment.deviceEnd) {
            // Within a block: interpolate, since its source range may be longer or shorter.
            QWORD into = played - segment.deviceStart;
            QWORD span = segment.deviceEnd - segment.deviceStart;
            QWORD source = segment.sourceStart + (segment.sourceEnd - segment.sourceStart) * into / span;
            return source - source % mFrameBytes;
        }
    }
    return mSegments.back().sourceEnd;
}

void Playback::restartAt(QWORD position, const std::function<void()>& reposition) {
    std::lock_guard<std::mutex> lock(mMutex);
    ::waveOutReset(mDevice);
    dropQueuedBlocks();
    // The device count may or may not return to 0 after a reset; new blocks follow it.
    mDeviceWritten = devicePosition();
    mSegments.clear();
    mEnded = false;
    reposition();
    mPositionAtReset = position;
    if (mPaused) ::waveOutPause(mDevice);
    ::SetEvent(mEvent);
}

void Playback::run() {
    // With only 80 ms queued, a refill that waits behind busy threads is heard as a gap:
    // the output thread runs ahead of them, as audio libraries' mixing threads do.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    while (!mQuit) {
        {
            std::lock_guard<std::mutex> lock(mMutex);
            reclaimPlayedBlocks();
            if (!mPaused && !mEnded) queueFreeBlocks();
        }
        ::WaitForSingleObject(mEvent, 20);
    }
}

void Playback::reclaimPlayedBlocks() {
    for (Block& block : mBlocks) {
        if (block.queued && (block.header.dwFlags & WHDR_DONE)) {
            ::waveOutUnprepareHeader(mDevice, &block.header, sizeof block.header);
            block.queued = false;
        }
    }
}

void Playback::queueFreeBlocks() {
    for (Block& block : mBlocks) {
        if (block.queued) continue;
        Fill fill = mFill(block.data.data(), static_cast<DWORD>(block.data.size()));
        if (fill.ended) mEnded = true;
        if (fill.bytes > 0) {
            block.header = WAVEHDR{};
            block.header.lpData = block.data.data();
            block.header.dwBufferLength = fill.bytes;
            ::waveOutPrepareHeader(mDevice, &block.header, sizeof block.header);
            if (::waveOutWrite(mDevice, &block.header, sizeof block.header) == MMSYSERR_NOERROR) {
                block.queued = true;
                mSegments.push_back({mDeviceWritten, mDeviceWritten + fill.bytes, fill.sourceStart, fill.sourceEnd});
                if (mSegments.size() > kSegmentsKept) mSegments.pop_front();
                mDeviceWritten += fill.bytes;
            } else {
                ::waveOutUnprepareHeader(mDevice, &block.header, sizeof block.header);
            }
        }
        if (mEnded) break;
    }
}

void Playback::dropQueuedBlocks() {
    for (Block& block : mBlocks) {
        if (block.queued) {
            ::waveOutUnprepareHeader(mDevice, &block.header, sizeof block.header);
            block.queued = false;
        }
    }
}
