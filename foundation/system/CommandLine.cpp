#include "foundation/system/CommandLine.h"

#include <shlwapi.h>

#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "foundation/system/MessageBoxes.h"

namespace {

void closeIfSet(HANDLE& handle) {
    if (handle) ::CloseHandle(handle);
    handle = nullptr;
}

// A pipe whose `keep` end is turned into a non-inheritable handle of the parent.
bool createPipe(HANDLE& childEnd, HANDLE& parentEnd, bool parentReads) {
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &attributes, 0)) return false;
    HANDLE& inheritableParentEnd = parentReads ? read : write;
    HANDLE process = ::GetCurrentProcess();
    BOOL duplicated = ::DuplicateHandle(process, inheritableParentEnd, process, &parentEnd, 0, FALSE,
                                        DUPLICATE_SAME_ACCESS);
    ::CloseHandle(inheritableParentEnd);
    childEnd = parentReads ? write : read;
    if (!duplicated) {
        ::CloseHandle(childEnd);
        childEnd = nullptr;
        parentEnd = nullptr;
        return false;
    }
    return true;
}

// Reads what waits in the pipe without blocking.
std::string drainPipe(HANDLE pipe) {
    std::string bytes;
    DWORD available = 0;
    if (!pipe || !::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) || available == 0) return bytes;
    bytes.resize(available);
    DWORD read = 0;
    if (!::ReadFile(pipe, &bytes[0], available, &read, nullptr)) read = 0;
    bytes.resize(read);
    return bytes;
}

}  // namespace

CommandLine::CommandLine() : mProcessInformation{} {}

CommandLine::~CommandLine() { cleanup(); }

void CommandLine::closeChildEnds() {
    closeIfSet(mStdinRead);
    closeIfSet(mStdoutWrite);
    closeIfSet(mStderrWrite);
}

bool CommandLine::execute(const std::wstring& commandLine, const std::wstring& currentDirectory) {
    if (!createPipe(mStdoutWrite, mParentStdoutRead, true) || !createPipe(mStderrWrite, mParentStderrRead, true) ||
        !createPipe(mStdinRead, mParentStdinWrite, false)) {
        closeChildEnds();
        closeHandles();
        showMessageW(commandLine.substr(0, 1000) + L"\nFailed:CreateProcess()");
        return false;
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = mStdinRead;
    startup.hStdOutput = mStdoutWrite;
    startup.hStdError = mStderrWrite;

    // CreateProcessW may write into the command line: hand it a copy of its own.
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    BOOL started = ::CreateProcessW(nullptr, writable.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                    currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup,
                                    &mProcessInformation);
    // The child has its own copies now; the parent's copies of the child's ends would keep
    // the pipes open after the child ends.
    closeChildEnds();
    if (!started) {
        mProcessInformation = PROCESS_INFORMATION{};
        showMessageW(commandLine.substr(0, 1000) + L"\nFailed:CreateProcess()");
        closeHandles();
        return false;
    }
    return true;
}

DWORD CommandLine::waitFor(DWORD milliseconds) {
    if (!mProcessInformation.hProcess) return 0;
    return ::WaitForSingleObject(mProcessInformation.hProcess, milliseconds);
}

std::wstring CommandLine::readStdErr() {
    drainPipe(mParentStdoutRead);
    return readPipe(mParentStderrRead);
}

std::wstring CommandLine::readPipe(HANDLE pipe) { return toWString(drainPipe(pipe)); }

DWORD CommandLine::getExitCode() {
    DWORD code = 0;
    if (!mProcessInformation.hProcess || !::GetExitCodeProcess(mProcessInformation.hProcess, &code)) {
        return kUnknownExitCode;
    }
    return code;
}

void CommandLine::terminate() {
    if (!mProcessInformation.hProcess) return;
    ::TerminateProcess(mProcessInformation.hProcess, 1);
    ::WaitForSingleObject(mProcessInformation.hProcess, INFINITE);
}

void CommandLine::flush() {
    if (mParentStdoutRead) ::FlushFileBuffers(mParentStdoutRead);
    if (mParentStdinWrite) ::FlushFileBuffers(mParentStdinWrite);
}

void CommandLine::closeHandles() {
    closeIfSet(mProcessInformation.hProcess);
    closeIfSet(mParentStdinWrite);
    closeIfSet(mParentStdoutRead);
    closeIfSet(mParentStderrRead);
}

void CommandLine::cleanup() {
    closeHandles();
    closeIfSet(mProcessInformation.hThread);
    closeChildEnds();
    mProcessInformation = PROCESS_INFORMATION{};
    if (!mFileToDelete.empty()) {
        ::DeleteFileW(mFileToDelete.c_str());
        std::vector<wchar_t> withoutExtension(mFileToDelete.begin(), mFileToDelete.end());
        withoutExtension.resize(withoutExtension.size() + 1, L'\0');
        ::PathRemoveExtensionW(withoutExtension.data());
        ::DeleteFileW(withoutExtension.data());
    }
}
