#include "standins/bass/enc/Encoder.h"

#include <vector>

namespace {

// How long a finishing encoder may take to write out what it was given.
constexpr DWORD kFinishTimeoutMs = 60000;
// The encoder is slower than decoding: a pipe that holds about 20 s of CD audio lets
// decoding run ahead instead of waiting on each read of the encoder, and writes of a
// quarter megabyte keep the pipe calls few (under Wine each is a round trip to the
// wineserver).
constexpr DWORD kPipeBytes = 4 << 20;
constexpr size_t kWriteChunkBytes = 1 << 18;

void put32(std::vector<unsigned char>& out, DWORD value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
void put16(std::vector<unsigned char>& out, WORD value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

// A 16-bit PCM header whose sizes say "unknown": the length is not known in advance.
std::vector<unsigned char> wavHeader(const BASS_CHANNELINFO& format) {
    std::vector<unsigned char> header;
    auto tag = [&](const char* text) { header.insert(header.end(), text, text + 4); };
    tag("RIFF");
    put32(header, 0xFFFFFFFFu);
    tag("WAVE");
    tag("fmt ");
    put32(header, 16);
    put16(header, 1);
    put16(header, static_cast<WORD>(format.chans));
    put32(header, format.freq);
    put32(header, format.freq * format.chans * 2);
    put16(header, static_cast<WORD>(format.chans * 2));
    put16(header, 16);
    tag("data");
    put32(header, 0xFFFFFFFFu);
    return header;
}

}  // namespace

Encoder* Encoder::start(DWORD channel, const BASS_CHANNELINFO& format, const std::string& commandLine, DWORD flags) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, kPipeBytes)) return nullptr;
    ::SetHandleInformation(writeEnd, HANDLE_FLAG_INHERIT, 0);
    // The encoder's own output (progress lines) goes nowhere.
    HANDLE nul = ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING,
                               0, nullptr);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = readEnd;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    BOOL started = ::CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                    nullptr, &startup, &process);
    ::CloseHandle(readEnd);
    if (nul != INVALID_HANDLE_VALUE) ::CloseHandle(nul);
    if (!started) {
        ::CloseHandle(writeEnd);
        return nullptr;
    }
    ::CloseHandle(process.hThread);
    auto* encoder = new Encoder(channel, process.hProcess, writeEnd);
    std::vector<unsigned char> header = wavHeader(format);
    encoder->write(header.data(), static_cast<DWORD>(header.size()));
    return encoder;
}

Encoder::Encoder(DWORD channel, HANDLE process, HANDLE input) : mChannel(channel), mProcess(process), mInput(input) {}

Encoder::~Encoder() {
    finish();
    ::CloseHandle(mProcess);
}

void Encoder::write(const void* data, DWORD bytes) {
    if (mBroken || mFinished) return;
    const char* next = static_cast<const char*>(data);
    mPending.insert(mPending.end(), next, next + bytes);
    if (mPending.size() >= kWriteChunkBytes) flush();
}

void Encoder::flush() {
    const char* next = mPending.data();
    DWORD bytes = static_cast<DWORD>(mPending.size());
    while (!mBroken && bytes > 0) {
        DWORD written = 0;
        if (!::WriteFile(mInput, next, bytes, &written, nullptr) || written == 0) {
            mBroken = true;  // the encoder has gone: the rest of the data is lost
            break;
        }
        next += written;
        bytes -= written;
    }
    mPending.clear();
}

bool Encoder::finish() {
    if (mFinished) return mSucceeded;
    flush();
    mFinished = true;
    ::CloseHandle(mInput);
    DWORD code = 1;
    if (::WaitForSingleObject(mProcess, kFinishTimeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(mProcess, 1);
        ::WaitForSingleObject(mProcess, INFINITE);
    }
    ::GetExitCodeProcess(mProcess, &code);
    mSucceeded = !mBroken && code == 0;
    return mSucceeded;
}
