#include <windows.h>

#include "downloaders/tests/FlvTestSupport.h"

#include <fstream>
#include <iterator>

#include "foundation/system/CommandLine.h"
#include "testsupport/TestFiles.h"

namespace {

const wchar_t kFfmpeg[] = L"Plugins\\ffmpeg.exe";

void putBigEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void putLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string flvHeader(uint8_t version, uint32_t headerSize) {
    std::string out = "FLV";
    out += static_cast<char>(version);
    out += static_cast<char>(0x05);  // audio and video
    putBigEndian(out, headerSize, 4);
    while (out.size() < headerSize) out += '\x7F';
    putBigEndian(out, 0, 4);
    return out;
}

std::string flvTag(int type, uint8_t firstDataByte, const std::string& payload, uint32_t timestamp) {
    std::string out;
    out += static_cast<char>(type);
    putBigEndian(out, static_cast<uint32_t>(payload.size() + 1), 3);
    putBigEndian(out, timestamp & 0xFFFFFF, 3);
    out += static_cast<char>(timestamp >> 24);
    putBigEndian(out, 0, 3);
    out += static_cast<char>(firstDataByte);
    out += payload;
    putBigEndian(out, static_cast<uint32_t>(11 + payload.size() + 1), 4);
    return out;
}

void writeFileBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeToneWav(const std::wstring& path, int samples) {
    std::string data;
    for (int i = 0; i < samples; ++i) {
        // A rising sawtooth chirp: plain integer arithmetic, audible and never silent.
        int value = ((i * (1 + i / 4000)) % 200 - 100) * 80;
        putLittleEndian(data, static_cast<uint32_t>(static_cast<uint16_t>(value)), 2);
    }
    std::string wav = "RIFF";
    putLittleEndian(wav, static_cast<uint32_t>(36 + data.size()), 4);
    wav += "WAVEfmt ";
    putLittleEndian(wav, 16, 4);
    putLittleEndian(wav, 1, 2);          // PCM
    putLittleEndian(wav, 1, 2);          // mono
    putLittleEndian(wav, 22050, 4);
    putLittleEndian(wav, 22050 * 2, 4);  // bytes per second
    putLittleEndian(wav, 2, 2);
    putLittleEndian(wav, 16, 2);
    wav += "data";
    putLittleEndian(wav, static_cast<uint32_t>(data.size()), 4);
    writeFileBytes(path, wav + data);
}

ToolRun runTool(const std::wstring& commandLine) {
    ToolRun run;
    CommandLine process;
    run.started = process.execute(commandLine);
    if (!run.started) return run;
    for (;;) {
        process.waitFor(0);
        run.errorOutput += process.readStdErr();
        run.exitCode = process.getExitCode();
        if (run.exitCode != STILL_ACTIVE) break;
        ::Sleep(1);
    }
    run.errorOutput += process.readStdErr();
    process.flush();
    process.closeHandles();
    return run;
}

bool makeMp3Flv(const std::wstring& wavPath, const std::wstring& flvPath) {
    ToolRun run = runTool(L"\"" + std::wstring(kFfmpeg) + L"\" -nostdin -loglevel error -y -i \"" + wavPath +
                          L"\" -c:a libmp3lame -b:a 64k \"" + flvPath + L"\"");
    return run.started && run.exitCode == 0;
}

std::string makeToneFlv(const std::wstring& base, int samples) {
    writeToneWav(base + L".wav", samples);
    return makeMp3Flv(base + L".wav", base + L".flv") ? readFileBytes(base + L".flv") : std::string();
}

long long decodedPcmBytes(const std::wstring& mediaPath) {
    std::wstring wavPath = mediaPath + L".decoded.wav";
    ToolRun run = runTool(L"\"" + std::wstring(kFfmpeg) + L"\" -nostdin -loglevel error -y -i \"" + mediaPath +
                          L"\" -c:a pcm_s16le -f wav \"" + wavPath + L"\"");
    std::string wav = readFileBytes(wavPath);
    ::DeleteFileW(wavPath.c_str());
    if (!run.started || run.exitCode != 0 || wav.size() < 44) return -1;
    size_t data = wav.find("data");
    if (data == std::string::npos) return -1;
    return static_cast<long long>(wav.size() - (data + 8));
}
