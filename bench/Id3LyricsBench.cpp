// Reading the timed lines of an hour-long MP3 whose SYLT frame holds 1,000 sentences, as
// opening a lesson does: the tag is read from the front of the file and the lines are
// decoded, so the time must not grow with the audio (target under Wine: under 50 ms).
// Also times writing that frame into the hour of audio and walking its frames. The file
// is made once from ten seconds of tone encoded by Plugins/lame.exe, repeated 360 times,
// and kept in the temporary folder. Runs from the run folder.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "foundation/system/MessageBoxes.h"
#include "player/mp3/LyricsFrameFile.h"
#include "player/mp3/MP3File.h"
#include "player/mp3/SyltFrameWriter.h"

namespace {

constexpr unsigned kLines = 1000;
constexpr int kRuns = 20;
constexpr double kReadTargetMs = 50.0;

}  // namespace

int main() {
    setMessageSink([](const MessageBoxRequest& request) {
        std::fwprintf(stderr, L"[message] %ls\n", request.text.c_str());
        return IDOK;
    });
    wchar_t tempRoot[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tempRoot);
    const std::wstring folder = std::wstring(tempRoot) + L"id3-lyrics-bench";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring hour = folder + L"\\hour.mp3";
    if (!makeHourOfMp3(folder, hour)) {
        std::fprintf(stderr, "lame could not make the test MP3 (run from the run folder)\n");
        return 1;
    }

    // A sentence every 3.6 s, of typical lesson length, half of them Japanese.
    std::vector<LyricsLine> sentences;
    for (unsigned i = 0; i < kLines; ++i) {
        sentences.push_back({i * 3600u, i % 2 ? L"これは練習用の文です。番号は " + std::to_wstring(i) + L" です。"
                                              : L"This is sentence number " + std::to_wstring(i) +
                                                    L" of the lesson, read at an easy pace. "});
    }
    const std::wstring lesson = folder + L"\\lesson.mp3";
    ::CopyFileW(hour.c_str(), lesson.c_str(), FALSE);
    MP3_ID3Manager noTag;
    auto start = BenchClock::now();
    const bool written = writeSyltFrame(lesson, sentences, 100, noTag, nullptr);
    std::printf("%-44s %8.1f ms%s\n", "write a 1,000-line SYLT frame into an hour", millisecondsSince(start),
                written ? "" : " (FAILED)");

    std::vector<double> times;
    size_t count = 0;
    for (int i = 0; i < kRuns; ++i) {
        std::vector<LyricsLine> lines;
        start = BenchClock::now();
        readSyltLines(lesson, lines);
        times.push_back(millisecondsSince(start));
        count = lines.size();
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("%-44s %8.2f ms median, %.2f ms worst (%u lines); target < %.0f ms: %s\n",
                "read the SYLT lines of an hour", median, times.back(), static_cast<unsigned>(count), kReadTargetMs,
                median < kReadTargetMs && count == kLines ? "met" : "NOT MET");

    MP3File file;
    start = BenchClock::now();
    file.open(lesson);
    std::printf("%-44s %8.1f ms (%u frames, %u ms)\n", "walk the frames of an hour", millisecondsSince(start),
                static_cast<unsigned>(file.getFrames().size()), file.getPlayingTime());
    ::DeleteFileW(lesson.c_str());
    return median < kReadTargetMs && count == kLines ? 0 : 2;
}
