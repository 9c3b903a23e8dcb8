#include "player/tests/AudioTestSupport.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "player/audio/BassFunctions.h"
#include "player/audio/BassSystem.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestWindows.h"

std::wstring audioFixture(const wchar_t* name) { return std::wstring(TEST_FIXTURES_DIR) + L"\\audio\\" + name; }

void writeToneWav(const std::wstring& path, double seconds, double frequency, unsigned rate, unsigned channels,
                  double amplitude) {
    const double pi = 3.14159265358979323846;
    unsigned frames = static_cast<unsigned>(seconds * rate);
    std::vector<short> samples(static_cast<size_t>(frames) * channels);
    for (unsigned i = 0; i < frames; ++i) {
        short value = static_cast<short>(std::lround(amplitude * 32767.0 * std::sin(2.0 * pi * frequency * i / rate)));
        for (unsigned c = 0; c < channels; ++c) samples[static_cast<size_t>(i) * channels + c] = value;
    }
    auto put32 = [](std::ofstream& out, std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [](std::ofstream& out, std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(channels));
    put32(out, rate);
    put32(out, rate * channels * 2);
    put16(out, static_cast<std::uint16_t>(channels * 2));
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    out.write(reinterpret_cast<const char*>(samples.data()), dataBytes);
}

std::vector<short> readAll(DWORD channel) {
    std::vector<short> all;
    std::vector<short> block(16384);
    while (true) {
        DWORD got = bass::BASS_ChannelGetData(channel, block.data(), static_cast<DWORD>(block.size() * 2));
        if (got == static_cast<DWORD>(-1) || got == 0) break;
        all.insert(all.end(), block.begin(), block.begin() + got / 2);
    }
    return all;
}

DecodedAudio decodeFile(const std::wstring& path) {
    DecodedAudio audio;
    DWORD stream = bass::BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0,
                                               BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN);
    if (!stream) return audio;
    BASS_CHANNELINFO info{};
    bass::BASS_ChannelGetInfo(stream, &info);
    audio.rate = info.freq;
    audio.channels = info.chans;
    audio.samples = readAll(stream);
    bass::BASS_StreamFree(stream);
    return audio;
}

double measureFrequency(const std::vector<short>& samples, unsigned channels, unsigned rate) {
    size_t frames = samples.size() / channels;
    size_t first = 0, last = 0, crossings = 0;
    for (size_t i = 1; i < frames; ++i) {
        if (samples[(i - 1) * channels] < 0 && samples[i * channels] >= 0) {
            if (crossings == 0) first = i;
            last = i;
            ++crossings;
        }
    }
    if (crossings < 2) return 0.0;
    return (crossings - 1) * static_cast<double>(rate) / static_cast<double>(last - first);
}

double measureRms(const std::vector<short>& samples, unsigned channels, size_t skipFrames) {
    size_t frames = samples.size() / channels;
    if (frames <= 2 * skipFrames) return 0.0;
    double sum = 0.0;
    for (size_t i = skipFrames; i < frames - skipFrames; ++i) {
        double v = samples[i * channels];
        sum += v * v;
    }
    return std::sqrt(sum / static_cast<double>(frames - 2 * skipFrames));
}

std::vector<std::wstring> listFolder(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void AudioPlayerTest::SetUp() {
    takeShownMessages();
    mPlayer = new BassPlayer;
    ASSERT_TRUE(mPlayer->initialize()) << "no output device: run through tools/run-tests.sh";
}

void AudioPlayerTest::TearDown() {
    delete mPlayer;
    mPlayer = nullptr;
    BassSystem::getInstance().unload();
}

bool isIsolatedChild() {
    wchar_t value[8] = {};
    return ::GetEnvironmentVariableW(L"CORVANTA_ISOLATED_TEST", value, 8) > 0;
}

int runIsolated(const std::wstring& testName, const std::wstring& currentDirectory,
                const std::vector<std::pair<std::wstring, std::wstring>>& environment) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --gtest_filter=" + testName;
    // The child inherits this process's environment with the additions, which are then
    // put back as they were.
    std::vector<std::pair<std::wstring, std::wstring>> changes = environment;
    changes.emplace_back(L"CORVANTA_ISOLATED_TEST", L"1");
    std::vector<std::pair<bool, std::wstring>> previous;
    for (const auto& entry : changes) {
        std::vector<wchar_t> buffer(32768);
        DWORD length = ::GetEnvironmentVariableW(entry.first.c_str(), buffer.data(), 32768);
        previous.emplace_back(length > 0, std::wstring(buffer.data(), length));
        ::SetEnvironmentVariableW(entry.first.c_str(), entry.second.c_str());
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    BOOL started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    currentDirectory.c_str(), &startup, &process);
    for (size_t i = 0; i < changes.size(); ++i) {
        ::SetEnvironmentVariableW(changes[i].first.c_str(), previous[i].first ? previous[i].second.c_str() : nullptr);
    }
    if (!started) return -1;
    ::WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return static_cast<int>(code);
}
