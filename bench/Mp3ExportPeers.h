// The outside programs that do the work of the MP3 export, for the audio benchmark:
// mpg123.exe decodes the MP3 to a WAV file, then soundstretch.exe changes its tempo into
// a pipe that lame.exe (the player's own, with the player's switches) encodes. Both runs
// wait for every program to end.
// - Windows pipeline: the programs started from here, with a pipe of the default size
//   between the last two, as a Windows shell joins them.
// - Shell pipeline: the same command line run by a Linux shell through `wine`, whose
//   programs share Linux pipes (cheaper under Wine than Win32 pipes, which pass every
//   read and write through the wineserver). Only under Wine.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"

namespace mp3peers {

// Starts a program with the given standard handles (null: the NUL device); its process
// handle, or null.
inline HANDLE startProgram(const std::wstring& commandLine, HANDLE input, HANDLE output) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE nul = ::CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                               OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input ? input : nul;
    startup.hStdOutput = output ? output : nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION process{};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    BOOL started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                    &startup, &process);
    ::CloseHandle(nul);
    if (!started) return nullptr;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

inline bool exitedWithZero(HANDLE process) {
    if (!process) return false;
    ::WaitForSingleObject(process, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(process, &code);
    ::CloseHandle(process);
    return code == 0;
}

struct Job {
    std::wstring mp3;       // the source
    std::wstring wav;       // mpg123's output
    std::wstring out;       // lame's output
    int tempoChange = 0;    // percent, as soundstretch's -tempo takes it
};

// soundstretch's quick overlap search is the one the player's tempo stream uses.
inline std::wstring stretchSwitches(const Job& job) {
    return L" -tempo=" + std::to_wstring(job.tempoChange) + L" -quick";
}

inline bool runWindowsPipeline(const Job& job) {
    if (!runProgram(L"\"" MPG123_EXE L"\" -q -w \"" + job.wav + L"\" \"" + job.mp3 + L"\"")) return false;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return false;
    // Each program inherits only its own end, so that lame sees the end of its input.
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    std::wstring stretchLine = L"\"" SOUNDSTRETCH_EXE L"\" \"" + job.wav + L"\" stdout" + stretchSwitches(job);
    HANDLE stretch = startProgram(stretchLine, nullptr, writeEnd);
    ::CloseHandle(writeEnd);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    HANDLE lame = startProgram(L"Plugins/lame --alt-preset cbr 128 - \"" + job.out + L"\"", readEnd, nullptr);
    ::CloseHandle(readEnd);
    bool stretched = exitedWithZero(stretch);
    bool encoded = exitedWithZero(lame);
    return stretched && encoded;
}

// Wine's name of a Windows path on the Linux side; empty outside Wine.
inline std::string unixPath(const std::wstring& path) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return {};
    char* name = toUnix(path.c_str());
    if (!name) return {};
    std::string result = name;
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

inline std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class ShellPipeline {
public:
    // Writes the shell script into the folder; false outside Wine.
    bool prepare(const std::wstring& folder, const Job& job) {
        wchar_t current[MAX_PATH] = {};
        ::GetCurrentDirectoryW(MAX_PATH, current);
        std::wstring script = folder + L"\\pipeline.sh";
        mResult = folder + L"\\pipeline.result";
        std::string here = unixPath(current), mpg123 = unixPath(MPG123_EXE), stretch = unixPath(SOUNDSTRETCH_EXE);
        std::string wav = unixPath(job.wav), mp3 = unixPath(job.mp3), out = unixPath(job.out);
        std::string result = unixPath(mResult), scriptPath = unixPath(script);
        if (here.empty() || scriptPath.empty()) return false;
        FILE* file = _wfopen(script.c_str(), L"wb");
        if (!file) return false;
        // The script times itself, as `time` would in a terminal.
        std::fprintf(file,
                     "cd '%s' || exit 1\n"
                     "start=$(date +%%s%%N)\n"
                     "wine '%s' -q -w '%s' '%s' && wine '%s' '%s' stdout%s 2>/dev/null |"
                     " wine Plugins/lame.exe --alt-preset cbr 128 - '%s' 2>/dev/null\n"
                     "status=$?\n"
                     "end=$(date +%%s%%N)\n"
                     "echo \"$status $((end - start))\" > '%s.part' && mv '%s.part' '%s'\n",
                     here.c_str(), mpg123.c_str(), wav.c_str(), mp3.c_str(), stretch.c_str(), wav.c_str(),
                     narrow(stretchSwitches(job)).c_str(), out.c_str(), result.c_str(), result.c_str(),
                     result.c_str());
        std::fclose(file);
        mCommandLine = L"/bin/sh \"" + std::wstring(scriptPath.begin(), scriptPath.end()) + L"\"";
        return true;
    }

    // The pipeline's wall time in seconds, or a negative number when it failed. A Linux
    // program started from Wine gives no process handle to wait on: the script leaves its
    // result in a file.
    double run() const {
        ::DeleteFileW(mResult.c_str());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::vector<wchar_t> line(mCommandLine.begin(), mCommandLine.end());
        line.push_back(L'\0');
        if (!::CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process)) {
            return -1;
        }
        if (process.hThread) ::CloseHandle(process.hThread);
        if (process.hProcess) ::CloseHandle(process.hProcess);
        auto started = BenchClock::now();
        while (::GetFileAttributesW(mResult.c_str()) == INVALID_FILE_ATTRIBUTES) {
            if (millisecondsSince(started) > 120000) return -1;
            ::Sleep(5);
        }
        FILE* file = _wfopen(mResult.c_str(), L"rb");
        int status = 1;
        long long nanoseconds = 0;
        if (file) {
            if (std::fscanf(file, "%d %lld", &status, &nanoseconds) != 2) status = 1;
            std::fclose(file);
        }
        return status == 0 ? static_cast<double>(nanoseconds) / 1e9 : -1;
    }

private:
    std::wstring mCommandLine;
    std::wstring mResult;
};

}  // namespace mp3peers
