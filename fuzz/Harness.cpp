// The mutation harness: feeds every registered parser target with mutated seeds in this
// process, and records an input that crashes a target, lets an exception escape from it,
// or runs for more than a second.
//
// Usage: fuzz_harness --root SOURCE_DIR [--target NAME] [--runs N] [--seed S] [--findings DIR]
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "fuzz/FuzzTarget.h"
#include "fuzz/GuardedInput.h"
#include "fuzz/Mutator.h"

std::vector<FuzzTarget>& fuzzTargets() {
    static std::vector<FuzzTarget> targets;
    return targets;
}

namespace {

const DWORD kHangLimitMs = 1000;

// What the exception handler and the watchdog need to save the input at fault. They
// run where the C++ runtime may not be usable, so they use plain Win32 calls only.
struct Current {
    std::atomic<bool> inTarget{false};
    std::atomic<DWORD> startTick{0};
    const uint8_t* data = nullptr;
    size_t size = 0;
    wchar_t findingPath[1024] = {};
} gCurrent;

void writeFinding(const wchar_t* path, const uint8_t* data, size_t size) {
    HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (size) ::WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    ::CloseHandle(file);
}

void reportAndExit(const char* what, DWORD code, UINT exitCode) {
    wchar_t path[1100] = {};
    ::wsprintfW(path, L"%s-%S.bin", gCurrent.findingPath, what);
    writeFinding(path, gCurrent.data, gCurrent.size);
    char line[1300] = {};
    ::wsprintfA(line, "FINDING %s (code 0x%08lX): input saved as %S\n", what, code, path);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), line, ::lstrlenA(line), &written, nullptr);
    ::TerminateProcess(::GetCurrentProcess(), exitCode);
}

bool isFault(DWORD code) {
    switch (code) {
        case EXCEPTION_ACCESS_VIOLATION:
        case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        case EXCEPTION_DATATYPE_MISALIGNMENT:
        case EXCEPTION_ILLEGAL_INSTRUCTION:
        case EXCEPTION_IN_PAGE_ERROR:
        case EXCEPTION_INT_DIVIDE_BY_ZERO:
        case EXCEPTION_PRIV_INSTRUCTION:
        case EXCEPTION_STACK_OVERFLOW:
            return true;
        default:
            return false;
    }
}

LONG CALLBACK onException(EXCEPTION_POINTERS* info) {
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (gCurrent.inTarget && isFault(code)) reportAndExit("crash", code, 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

DWORD WINAPI watchdog(void*) {
    for (;;) {
        ::Sleep(50);
        if (gCurrent.inTarget && ::GetTickCount() - gCurrent.startTick > kHangLimitMs) {
            reportAndExit("hang", 0, 4);
        }
    }
}

std::vector<std::string> readFolder(const std::wstring& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (found.nFileSizeHigh || found.nFileSizeLow > 1024 * 1024) continue;
        std::wstring path = folder + L"\\" + found.cFileName;
        HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        std::string bytes(found.nFileSizeLow, '\0');
        DWORD read = 0;
        if (::ReadFile(file, &bytes[0], found.nFileSizeLow, &read, nullptr)) {
            bytes.resize(read);
            files.push_back(bytes);
        }
        ::CloseHandle(file);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return files;
}

std::wstring widen(const std::string& text) {
    std::wstring wide;
    for (char c : text) wide += (c == '/') ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

struct Options {
    std::wstring root = L".";
    std::string target;
    long runs = 20000;
    unsigned long long seed = 1;
    std::wstring findings = L"fuzz-findings";
};

Options parseOptions(int argc, wchar_t** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::wstring key = argv[i];
        std::wstring value = argv[i + 1];
        if (key == L"--root") options.root = value;
        else if (key == L"--target") options.target.assign(value.begin(), value.end());
        else if (key == L"--runs") options.runs = std::wcstol(value.c_str(), nullptr, 10);
        else if (key == L"--seed") options.seed = std::wcstoull(value.c_str(), nullptr, 10);
        else if (key == L"--findings") options.findings = value;
    }
    return options;
}

// Runs one target; answers the number of findings (escaped exceptions; crashes and
// hangs end the process).
int runTarget(const FuzzTarget& target, const Options& options) {
    std::vector<std::string> seeds = readFolder(options.root + L"\\fuzz\\seeds\\" + widen(target.name));
    for (const std::string& folder : target.seedFolders) {
        std::vector<std::string> more = readFolder(options.root + L"\\" + widen(folder));
        seeds.insert(seeds.end(), more.begin(), more.end());
    }
    if (seeds.empty()) seeds.push_back(std::string());

    Mutator mutator(seeds, target.tokens, options.seed);
    GuardedInput guarded;
    int findings = 0;
    const DWORD start = ::GetTickCount();
    for (long i = 0; i < options.runs; ++i) {
        // Every seed as it is first, then mutations.
        std::string input = static_cast<size_t>(i) < seeds.size() ? seeds[static_cast<size_t>(i)] : mutator.next();
        const uint8_t* data = guarded.place(input);
        ::wsprintfW(gCurrent.findingPath, L"%s\\%S-%ld", options.findings.c_str(), target.name.c_str(), i);
        gCurrent.data = data;
        gCurrent.size = input.size();
        gCurrent.startTick = ::GetTickCount();
        gCurrent.inTarget = true;
        const char* escaped = nullptr;
        try {
            target.run(data, input.size());
        } catch (const std::exception& e) {
            escaped = e.what();
        } catch (...) {
            escaped = "unknown exception";
        }
        gCurrent.inTarget = false;
        if (escaped) {
            ++findings;
            wchar_t path[1100] = {};
            ::wsprintfW(path, L"%s-exception.bin", gCurrent.findingPath);
            writeFinding(path, data, input.size());
            std::printf("FINDING exception escaped (%s): input saved as %ls\n", escaped, path);
        }
    }
    const double seconds = (::GetTickCount() - start) / 1000.0;
    std::printf("%-16s inputs %8ld  %10.0f exec/s  findings %d\n", target.name.c_str(), options.runs,
                seconds > 0 ? options.runs / seconds : 0.0, findings);
    std::fflush(stdout);
    return findings;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options options = parseOptions(argc, argv);
    ::CreateDirectoryW(options.findings.c_str(), nullptr);
    ::AddVectoredExceptionHandler(1, onException);
    ::CreateThread(nullptr, 0, watchdog, nullptr, 0, nullptr);
    // No error dialogs: a fault must end in our handler, not in a box nobody closes.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);

    int findings = 0;
    int ran = 0;
    for (const FuzzTarget& target : fuzzTargets()) {
        if (!options.target.empty() && options.target != target.name) continue;
        findings += runTarget(target, options);
        ++ran;
    }
    if (ran == 0) {
        std::printf("no target named %s\n", options.target.c_str());
        return 2;
    }
    std::printf("%d passed, %d failed\n", ran - (findings ? 1 : 0), findings ? 1 : 0);
    return findings ? 1 : 0;
}
