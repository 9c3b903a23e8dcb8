// Real-time factors of the audio engine on 60 s of MP3: decoding with tempo 125 % and
// pitch +2 semitones (target: at least 200 times real time on one core), and a whole
// saveAsMp3 export through lame (target: at least 20 times real time). Runs from the
// run folder (Plugins/) with an output device (tools/bench.sh starts one).
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
constexpr unsigned kSeconds = 60;

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
    writeStereoWav(path, samples, kRate);
}

void report(const char* what, double wall, double cpu, double target) {
    std::printf("%-42s wall %6.3f s (%6.1fx real time), cpu %6.3f s (%6.1fx); target %.0fx: %s\n", what, wall,
                kSeconds / wall, cpu, kSeconds / cpu, target, kSeconds / wall >= target ? "met" : "NOT MET");
}

}  // namespace

int main() {
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

        // The whole export, pumped as the converting dialog does.
        if (!player.open(mp3)) return 1;
        wall = now();
        cpu = threadCpuSeconds();
        if (!player.saveAsMp3(exported)) return 1;
        while (player.encodeStep()) {
        }
        bool ok = player.stopEncoding();
        wall = now() - wall;
        cpu = threadCpuSeconds() - cpu;
        report("saveAsMp3 of 60 s (decode + lame)", wall, cpu, 20);
        std::printf("  (cpu is this thread only; lame runs in its own process)%s\n", ok ? "" : " ENCODER FAILED");
        if (!ok || kSeconds / wall < 20) result = 2;
    }
    ::DeleteFileW(wav.c_str());
    ::DeleteFileW(mp3.c_str());
    ::DeleteFileW(exported.c_str());
    ::RemoveDirectoryW(folder.c_str());
    return result;
}
