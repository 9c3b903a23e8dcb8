// Opening an hour of WMA (128 kbit/s, 44.1 kHz stereo) through the player: the plug-in
// reads the packets without decoding them, so the open must take less than 200 ms on the
// UI thread. Also times a seek to the middle with the second of audio after it. The file
// is made once with the cross-built ffmpeg.exe (from a ten-second WAV played over and
// over) and kept in the temporary folder for later runs. Runs from the run folder
// (Plugins/) with an output device (tools/bench.sh starts one).
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "foundation/system/MessageBoxes.h"
#include "player/audio/BassFunctions.h"
#include "player/audio/BassPlayer.h"

namespace {

constexpr unsigned kRate = 44100;
constexpr unsigned kLoopSeconds = 10;
constexpr unsigned kHourLoops = 360;
constexpr double kOpenTargetMs = 200.0;

// Ten seconds of a drifting tone with a little noise.
void writeLoop(const std::wstring& path) {
    const double pi = 3.14159265358979323846;
    std::vector<short> samples(static_cast<size_t>(kRate) * kLoopSeconds * 2);
    unsigned noise = 99;
    for (size_t i = 0; i < samples.size() / 2; ++i) {
        double t = static_cast<double>(i) / kRate;
        noise = noise * 1103515245u + 12345u;
        double value = 0.3 * std::sin(2 * pi * (330 + 30 * std::sin(t)) * t) +
                       0.02 * (static_cast<double>((noise >> 16) & 0x7FFF) / 16384.0 - 1.0);
        samples[i * 2] = samples[i * 2 + 1] = static_cast<short>(std::lround(value * 32767.0));
    }
    writeWav(path, samples, kRate, 2);
}

bool makeHourOfWma(const std::wstring& folder, const std::wstring& wma) {
    if (::GetFileAttributesW(wma.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    std::wstring wav = folder + L"\\loop.wav";
    writeLoop(wav);
    std::printf("making an hour of WMA with ffmpeg (once)...\n");
    std::wstring partial = wma + L".part.wma";
    bool made = runProgram(L"\"" FFMPEG_EXE L"\" -loglevel error -y -stream_loop " + std::to_wstring(kHourLoops - 1) +
                    L" -i \"" + wav + L"\" -c:a wmav2 -b:a 128k \"" + partial + L"\"") &&
                ::MoveFileW(partial.c_str(), wma.c_str());
    ::DeleteFileW(wav.c_str());
    return made;
}

}  // namespace

int main() {
    setMessageSink([](const MessageBoxRequest& request) {
        std::fwprintf(stderr, L"[message] %ls\n", request.text.c_str());
        return IDOK;
    });
    wchar_t tempRoot[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tempRoot);
    std::wstring folder = std::wstring(tempRoot) + L"wma-open-bench";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring wma = folder + L"\\hour.wma";
    if (!makeHourOfWma(folder, wma)) {
        std::fprintf(stderr, "ffmpeg could not make the test WMA\n");
        return 1;
    }
    BassPlayer player;
    if (!player.initialize()) {
        std::fprintf(stderr, "the BASS libraries did not load (no output device?)\n");
        return 1;
    }
    auto start = BenchClock::now();
    bool opened = player.open(wma);
    double openMs = millisecondsSince(start);
    if (!opened) {
        std::fprintf(stderr, "the WMA did not open\n");
        return 1;
    }
    std::printf("%-42s %8.1f ms (length %lld ms); target < %.0f ms: %s\n", "open an hour of WMA", openMs,
                static_cast<long long>(player.getLength()), kOpenTargetMs, openMs < kOpenTargetMs ? "met" : "NOT MET");

    DWORD stream = bass::BASS_StreamCreateFile(FALSE, wma.c_str(), 0, 0,
                                               BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN);
    start = BenchClock::now();
    QWORD middle = bass::BASS_ChannelGetLength(stream, BASS_POS_BYTE) / 2;
    bool sought = bass::BASS_ChannelSetPosition(stream, middle - middle % 4, BASS_POS_BYTE);
    std::vector<char> second(kRate * 4);
    DWORD got = bass::BASS_ChannelGetData(stream, second.data(), static_cast<DWORD>(second.size()));
    std::printf("%-42s %8.1f ms%s\n", "seek to the middle and read 1 s", millisecondsSince(start),
                sought && got == second.size() ? "" : " (FAILED)");
    bass::BASS_StreamFree(stream);
    return openMs < kOpenTargetMs ? 0 : 2;
}
