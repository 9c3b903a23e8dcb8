// Extracting the audio of an hour-long FLV to MP3: an hour of MP3 (made once by
// Plugins/lame.exe) cut into audio tags of one frame's size, with a video tag of 1500
// bytes between every two audio tags, as a recorded lecture has them (about 140 MB).
// Target: at least 200 MB of FLV per second, and the output equal to the MP3 it was made
// from. Runs from the run folder; the files are kept in the temporary folder.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "bench/BenchSupport.h"
#include "downloaders/flv/FlvManager.h"

namespace {

constexpr size_t kAudioTagPayload = 209;  // a 64 kbit/s frame is 208-209 bytes
constexpr size_t kVideoTagPayload = 1500;
constexpr double kTargetMegabytesPerSecond = 200.0;

void putBigEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void appendTag(std::string& out, int type, uint8_t first, const char* payload, size_t size, uint32_t time) {
    out += static_cast<char>(type);
    putBigEndian(out, static_cast<uint32_t>(size + 1), 3);
    putBigEndian(out, time & 0xFFFFFF, 3);
    out += static_cast<char>(time >> 24);
    putBigEndian(out, 0, 3);
    out += static_cast<char>(first);
    out.append(payload, size);
    putBigEndian(out, static_cast<uint32_t>(11 + size + 1), 4);
}

std::string readAll(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool makeHourOfFlv(const std::wstring& mp3Path, const std::wstring& flvPath) {
    if (::GetFileAttributesW(flvPath.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    std::printf("making an hour of FLV (once)...\n");
    std::string mp3 = readAll(mp3Path);
    std::string video(kVideoTagPayload, '\0');
    for (size_t i = 0; i < video.size(); ++i) video[i] = static_cast<char>(i * 7 + 3);
    std::ofstream out(flvPath.c_str(), std::ios::binary);
    std::string block("FLV\x01\x05\x00\x00\x00\x09\x00\x00\x00\x00", 13);
    uint32_t time = 0;
    for (size_t at = 0, tag = 0; at < mp3.size(); at += kAudioTagPayload, ++tag) {
        size_t size = std::min(kAudioTagPayload, mp3.size() - at);
        appendTag(block, 8, 0x22, mp3.data() + at, size, time);
        if (tag % 2 == 1) appendTag(block, 9, 0x27, video.data(), video.size(), time);
        time += 26;
        if (block.size() > (1 << 20)) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            block.clear();
        }
    }
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
    return out.good();
}

}  // namespace

int main() {
    wchar_t tempRoot[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tempRoot);
    std::wstring folder = std::wstring(tempRoot) + L"flv-extract-bench";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring mp3 = folder + L"\\hour.mp3";
    std::wstring flv = folder + L"\\hour.flv";
    std::wstring out = folder + L"\\extracted.mp3";
    if (!makeHourOfMp3(folder, mp3) || !makeHourOfFlv(mp3, flv)) {
        std::fprintf(stderr, "could not make the test media (run from the run folder with Plugins/lame.exe)\n");
        return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    ::GetFileAttributesExW(flv.c_str(), GetFileExInfoStandard, &attributes);
    double megabytes = (static_cast<double>(attributes.nFileSizeHigh) * 4294967296.0 + attributes.nFileSizeLow) / 1e6;

    double best = 1e30;
    for (int run = 0; run < 3; ++run) {
        auto start = BenchClock::now();
        FlvManager manager;
        if (!manager.convertToMp3(flv, out)) {
            std::fprintf(stderr, "the extraction failed\n");
            return 1;
        }
        best = std::min(best, millisecondsSince(start));
    }
    bool same = readAll(out) == readAll(mp3);
    double rate = megabytes / (best / 1000.0);
    std::printf("FLV of %.1f MB extracted in %.0f ms (best of 3): %.0f MB/s (target %.0f), output %s the source MP3\n",
                megabytes, best, rate, kTargetMegabytesPerSecond, same ? "equals" : "DIFFERS FROM");
    ::DeleteFileW(out.c_str());
    return same && rate >= kTargetMegabytesPerSecond ? 0 : 1;
}
