// Timing and memory readings, test media and outside programs shared by the benchmarks.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

using BenchClock = std::chrono::steady_clock;

inline double millisecondsSince(BenchClock::time_point start) {
    return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

// The process's committed private memory in bytes.
inline size_t privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters);
    // Wine reports the committed private memory as the page-file usage.
    return std::max<size_t>(counters.PrivateUsage, counters.PagefileUsage);
}

// What the window system alone spends drawing a window's vertical scroll bar at a new
// position (SetScrollInfo with redraw), averaged over `times`; the bar is put back as it
// was. Every scroll of a view pays this once, whichever control owns the bar, so the
// reports show it beside the times that include it.
inline double scrollBarRedrawMs(HWND window, int times = 40) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!::GetScrollInfo(window, SB_VERT, &info)) return 0;
    const int original = info.nPos;
    const int other = original > info.nMin ? original - 1 : original + 1;
    double total = 0;
    for (int i = 0; i < times; ++i) {
        info.fMask = SIF_POS;
        info.nPos = i % 2 == 0 ? other : original;
        const BenchClock::time_point start = BenchClock::now();
        ::SetScrollInfo(window, SB_VERT, &info, TRUE);
        total += millisecondsSince(start);
    }
    info.fMask = SIF_POS;
    info.nPos = original;
    ::SetScrollInfo(window, SB_VERT, &info, TRUE);
    return total / times;
}

// Writes interleaved 16-bit samples as a PCM WAV file.
inline void writeWav(const std::wstring& path, const std::vector<short>& samples, unsigned rate,
                     unsigned channels) {
    std::ofstream out(path.c_str(), std::ios::binary);
    auto put32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    const std::uint32_t bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(36 + bytes);
    out.write("WAVEfmt ", 8);
    put32(16);
    put16(1);
    put16(static_cast<std::uint16_t>(channels));
    put32(rate);
    put32(rate * 2 * channels);
    put16(static_cast<std::uint16_t>(2 * channels));
    put16(16);
    out.write("data", 4);
    put32(bytes);
    out.write(reinterpret_cast<const char*>(samples.data()), bytes);
}

// Runs a command line to its end; true when it exited with 0.
inline bool runProgram(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                          &process)) {
        return false;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return code == 0;
}

// Ten seconds of a 330 Hz tone, mono 16-bit at 44.1 kHz.
inline void writeLoopToneWav(const std::wstring& path) {
    constexpr unsigned kRate = 44100;
    constexpr unsigned kSeconds = 10;
    std::vector<short> samples(static_cast<size_t>(kRate) * kSeconds);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<short>(std::lround(9000.0 * std::sin(2 * 3.14159265358979 * 330.0 * i / kRate)));
    }
    writeWav(path, samples, kRate, 1);
}

// An hour of MPEG 1 layer III frames without a tag: ten seconds encoded by
// Plugins/lame.exe, repeated 360 times. Made once; kept when it exists. Runs from the
// run folder.
inline bool makeHourOfMp3(const std::wstring& folder, const std::wstring& mp3) {
    if (::GetFileAttributesW(mp3.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    std::printf("making an hour of MP3 with lame (once)...\n");
    const std::wstring wav = folder + L"\\loop.wav";
    const std::wstring loop = folder + L"\\loop.mp3";
    writeLoopToneWav(wav);
    const bool encoded = runProgram(L"Plugins\\lame.exe --quiet -t -b 64 \"" + wav + L"\" \"" + loop + L"\"");
    ::DeleteFileW(wav.c_str());
    if (!encoded) return false;
    std::ifstream in(loop.c_str(), std::ios::binary);
    const std::string piece((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    ::DeleteFileW(loop.c_str());
    std::ofstream out(mp3.c_str(), std::ios::binary);
    for (unsigned i = 0; i < 360; ++i) out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    return !piece.empty() && out.good();
}
