// Runs one external command-line program with its standard input, output and error
// redirected to pipes, so that the starting thread can poll its error output and exit
// code without ever blocking.
#pragma once

#include <windows.h>

#include <string>

class CommandLine {
public:
    CommandLine();
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // Starts the program (currentDirectory empty: the parent's). On failure shows the
    // command line and "Failed:CreateProcess()" and answers false.
    bool execute(const std::wstring& commandLine, const std::wstring& currentDirectory = std::wstring());
    // WaitForSingleObject on the child; 0 when nothing was started.
    DWORD waitFor(DWORD milliseconds);
    // What the child wrote to its standard error since the last call. The standard output
    // is drained (and dropped) in the same call, so a chatty child never blocks on a full pipe.
    std::wstring readStdErr();
    // What waits in the pipe, read without blocking and converted from the conversion code page.
    std::wstring readPipe(HANDLE pipe);
    // What getExitCode answers when the exit code can't be read (nothing started, the
    // handles closed, the call failed): not 0, so that no caller takes it for success.
    static constexpr DWORD kUnknownExitCode = 0xFFFFFFFF;

    // STILL_ACTIVE (259) while the child runs; kUnknownExitCode when it can't be asked.
    DWORD getExitCode();
    // Ends the child at once and waits until it is gone, so that its files are closed.
    void terminate();
    void flush();
    void closeHandles();

    // A file that belongs to the run (such as a script written for it), deleted with the object.
    void setFileToDelete(const std::wstring& path) { mFileToDelete = path; }
    HANDLE getStdinWrite() const { return mParentStdinWrite; }
    HANDLE getStdoutRead() const { return mParentStdoutRead; }

private:
    void cleanup();
    void closeChildEnds();

    std::wstring mFileToDelete;
    PROCESS_INFORMATION mProcessInformation;
    HANDLE mStdinRead = nullptr;
    HANDLE mStdoutWrite = nullptr;
    HANDLE mStderrWrite = nullptr;
    HANDLE mParentStdinWrite = nullptr;
    HANDLE mParentStdoutRead = nullptr;
    HANDLE mParentStderrRead = nullptr;
};
