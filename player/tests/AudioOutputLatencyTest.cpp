// What the output queues ahead of the device: a volume, tempo or pitch change applies to
// the blocks made after it, so it is heard once the queued ones have played. The queue
// must stay under 100 ms for a change to be heard that soon.
#include <atomic>
#include <vector>

#include "player/audio/BassFunctions.h"
#include "player/tests/AudioTestSupport.h"
#include "standins/bass/common/StandinInterface.h"
#include "testsupport/TestWindows.h"

namespace {

using AudioOutputLatencyTest = AudioPlayerTest;

constexpr QWORD kBytesPerSecond = 176400;

void countProduced(void* user, const void*, DWORD bytes) { *static_cast<std::atomic<QWORD>*>(user) += bytes; }

TEST_F(AudioOutputLatencyTest, LessThanATenthOfASecondIsQueuedAheadOfTheDevice) {
    TempDirectory temp;
    std::wstring path = temp.file(L"tone.wav");
    writeToneWav(path, 3.0, 440.0);
    auto setHook = reinterpret_cast<StandinSetDataHook_t>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"bass.dll"), STANDIN_SET_DATA_HOOK)));
    ASSERT_NE(nullptr, setHook);
    DWORD stream = bass::BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, BASS_UNICODE);
    ASSERT_NE(0u, stream);
    std::atomic<QWORD> produced{0};
    ASSERT_TRUE(setHook(stream, countProduced, nullptr, &produced));
    ASSERT_TRUE(bass::BASS_ChannelPlay(stream, FALSE));
    ::Sleep(300);  // past the start, when the whole queue is filled at once
    // The median over a second: the device clock moves in steps of its own period.
    std::vector<QWORD> ahead;
    for (int i = 0; i < 100; ++i) {
        QWORD played = bass::BASS_ChannelGetPosition(stream, BASS_POS_BYTE);
        QWORD made = produced;
        ahead.push_back(made > played ? made - played : 0);
        ::Sleep(10);
    }
    std::nth_element(ahead.begin(), ahead.begin() + ahead.size() / 2, ahead.end());
    QWORD median = ahead[ahead.size() / 2];
    std::printf("queued ahead: median %.1f ms, max %.1f ms\n", median * 1000.0 / kBytesPerSecond,
                *std::max_element(ahead.begin(), ahead.end()) * 1000.0 / kBytesPerSecond);
    EXPECT_LT(median, kBytesPerSecond / 10);
    bass::BASS_StreamFree(stream);
}

}  // namespace
