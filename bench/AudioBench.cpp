// Real-time factors of the audio engine on 60 s of MP3: decoding with tempo 125 % and
// pitch +2 semitones (target: at least 200 times real time on one core), and a whole
// saveAsMp3 export at tempo 125 % through lame (target: at least 20 times real time).
// The export is also timed against the same work done by outside programs
// (bench/Mp3ExportPeers.h), in alternating rounds of the same run (target: the export
// takes at most 1.3 times as long as the shell pipeline). Runs from the run folder
// (Plugins/) with an output device (tools/bench.sh starts one). An argument sets the
// number of rounds (default 7).
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/Mp3ExportPeers.h"
#include "foundation/system/MessageBoxes.h"
#include "player/audio/BassFunctions.h"
#include "player/audio/BassPlayer.h"

namespace {

constexpr unsigned kRate = 44100;
constexpr unsigned kSeconds = 60;
constexpr int kExportTempo = 125;
constexpr double kPipelineRatioGoal = 1.3;

double now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double threadCpuSeconds() {
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// A minute of changing material: two drifting tones under a slow swell, with a little
// noise, so that the time-stretcher has real work to do.
void writeMaterial(const std::wstring& path) {
    const double pi = 3.14159265358979323846;
    std::vector<short> samples(static_cast<size_t>(kRate) * kSeconds * 2);
    unsigned noise = 12345;
    for (size_t i = 0; i < samples.size() / 2; ++i) {
        double t = static_cast<double>(i) / kRate;
        double swell = 0.5 + 0.5 * std::sin(2 * pi * 0.7 * t);
        double value = 0.3 * std::sin(2 * pi * (220 + 40 * std::sin(t)) * t) +
                       0.2 * swell * std::sin(2 * pi * 660 * t);
        noise = noise * 1103515245u + 12345u;
        value += 0.02 * (static_cast<double>((noise >> 16) & 0x7FFF) / 16384.0 - 1.0);
        short s = static_cast<short>(std::lround(value * 32767.0));
        samples[i * 2] = s;
        samples[i * 2 + 1] = s;
    }
    writeWav(path, samples, kRate, 2);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void report(const char* what, double wall, double cpu, double target) {
    std::printf("%-42s wall %6.3f s (%6.1fx real time), cpu %6.3f s (%6.1fx); target %.0fx: %s\n", what, wall,
                kSeconds / wall, cpu, kSeconds / cpu, target, kSeconds / wall >= target ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    setMessageSink([](const MessageBoxRequest& request) {
        std::fwprintf(stderr, L"[message] %ls\n", request.text.c_str());
        return IDOK;
    });
    wchar_t tempRoot[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tempRoot);
    std::wstring folder = std::wstring(tempRoot) + L"audio-bench-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring wav = folder + L"\\material.wav";
    std::wstring mp3 = folder + L"\\material.mp3";
    std::wstring exported = folder + L"\\exported.mp3";
    std::wstring decoded = folder + L"\\decoded.wav";
    std::wstring piped = folder + L"\\piped.mp3";
    writeMaterial(wav);
    if (!runProgram(L"Plugins/lame.exe --quiet -b 128 \"" + wav + L"\" \"" + mp3 + L"\"")) {
        std::fprintf(stderr, "lame could not make the test MP3\n");
        return 1;
    }

    int result = 0;
    {
        BassPlayer player;
        if (!player.initialize()) {
            std::fprintf(stderr, "the BASS libraries did not load (no output device?)\n");
            return 1;
        }
        // Decoding alone, for comparison.
        double wall = now(), cpu = threadCpuSeconds();
        {
            DWORD plain = bass::BASS_StreamCreateFile(FALSE, mp3.c_str(), 0, 0,
                                                      BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN);
            std::vector<char> block(20000);
            while (true) {
                DWORD got = bass::BASS_ChannelGetData(plain, block.data(), static_cast<DWORD>(block.size()));
                if (got == static_cast<DWORD>(-1) || got == 0) break;
            }
            bass::BASS_StreamFree(plain);
        }
        report("decode 60 s MP3 alone", now() - wall, threadCpuSeconds() - cpu, 0);

        // Decoding with tempo and pitch, as the player's tempo stream does it.
        wall = now();
        cpu = threadCpuSeconds();
        DWORD source = bass::BASS_StreamCreateFile(FALSE, mp3.c_str(), 0, 0,
                                                   BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN);
        DWORD tempo = bass::BASS_FX_TempoCreate(source, BASS_FX_FREESOURCE | BASS_STREAM_DECODE);
        bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_TEMPO, 25.0f);
        bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_TEMPO_PITCH, 2.0f);
        std::vector<char> buffer(20000);
        QWORD total = 0;
        while (true) {
            DWORD got = bass::BASS_ChannelGetData(tempo, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (got == static_cast<DWORD>(-1) || got == 0) break;
            total += got;
        }
        bass::BASS_StreamFree(tempo);
        wall = now() - wall;
        cpu = threadCpuSeconds() - cpu;
        report("decode 60 s MP3, tempo 125 %, pitch +2", wall, cpu, 200);
        if (kSeconds / wall < 200) result = 2;
        std::printf("  (%.2f s of output)\n", static_cast<double>(total) / (kRate * 4));

        // The whole export at tempo 125 %, pumped as the converting dialog does, in
        // rounds that alternate with the outside pipeline doing the same work.
        std::vector<double> exportWalls, exportCpus, windowsWalls, shellWalls;
        mp3peers::Job job{mp3, decoded, piped, kExportTempo - 100};
        mp3peers::ShellPipeline shell;
        bool haveShell = shell.prepare(folder, job);
        bool ok = true;
        for (int round = 0; round < rounds && ok; ++round) {
            if (!player.open(mp3)) return 1;
            player.setTempo(kExportTempo);
            wall = now();
            cpu = threadCpuSeconds();
            if (!player.saveAsMp3(exported)) return 1;
            while (player.encodeStep()) {
            }
            ok = player.stopEncoding();
            exportWalls.push_back(now() - wall);
            exportCpus.push_back(threadCpuSeconds() - cpu);

            wall = now();
            if (!mp3peers::runWindowsPipeline(job)) {
                std::fprintf(stderr, "the outside programs failed\n");
                return 1;
            }
            windowsWalls.push_back(now() - wall);
            if (haveShell) {
                double shellWall = shell.run();
                if (shellWall < 0) {
                    std::fprintf(stderr, "the shell pipeline failed\n");
                    return 1;
                }
                shellWalls.push_back(shellWall);
            }
        }
        if (!ok) std::printf("  ENCODER FAILED\n");
        wall = median(exportWalls);
        report("saveAsMp3 of 60 s at tempo 125 % (median)", wall, median(exportCpus), 20);
        std::printf("  (cpu is this thread only; lame runs in its own process)\n");
        double windowsWall = median(windowsWalls);
        std::printf("%-42s wall %6.3f s; export / it: %.2f\n", "peer, Win32 pipe (median)", windowsWall,
                    wall / windowsWall);
        // The goal is against the shell pipeline; outside Wine the Windows one stands in.
        double peerWall = windowsWall;
        if (haveShell) {
            peerWall = median(shellWalls);
            std::printf("%-42s wall %6.3f s; export / it: %.2f\n", "peer, shell pipeline (median)", peerWall,
                        wall / peerWall);
        }
        // Each round's export against the pipeline right after it, which shares its load.
        const std::vector<double>& peerWalls = haveShell ? shellWalls : windowsWalls;
        std::vector<double> ratios;
        for (size_t i = 0; i < exportWalls.size() && i < peerWalls.size(); ++i) {
            ratios.push_back(exportWalls[i] / peerWalls[i]);
        }
        double ratio = median(ratios);
        std::printf("ratio export / pipeline, median of %d paired rounds: %.2f (of the medians: %.2f); goal at most "
                    "%.1f: %s\n",
                    static_cast<int>(ratios.size()), ratio, wall / peerWall, kPipelineRatioGoal,
                    ratio <= kPipelineRatioGoal ? "met" : "NOT MET");
        if (!ok || kSeconds / wall < 20 || ratio > kPipelineRatioGoal) result = 2;
    }
    ::DeleteFileW(decoded.c_str());
    ::DeleteFileW(piped.c_str());
    ::DeleteFileW((folder + L"\\pipeline.sh").c_str());
    ::DeleteFileW((folder + L"\\pipeline.result").c_str());
    ::DeleteFileW(wav.c_str());
    ::DeleteFileW(mp3.c_str());
    ::DeleteFileW(exported.c_str());
    ::RemoveDirectoryW(folder.c_str());
    return result;
}
