// Running an outside program of "Plugins" from a download worker: started with its
// output in pipes and polled every millisecond until it ends.
#pragma once

#include <functional>
#include <string>

struct OutsideToolRun {
    bool started = false;
    bool stopped = false;  // ended by `shouldStop` before it finished
    unsigned long exitCode = 0;

    // Started, not stopped, and ended with exit code 0.
    bool succeeded() const { return started && !stopped && exitCode == 0; }
};

// Runs the command line and waits for it. Each piece of its standard error goes to
// `onError` as it arrives (may be null). When `shouldStop` answers true the program is
// ended and waited for: none of its output stays open and half-written behind the
// caller, who removes or keeps it.
OutsideToolRun runOutsideTool(const std::wstring& commandLine, const std::function<void(const std::wstring&)>& onError,
                              const std::function<bool()>& shouldStop);

// Writes a command line, in the conversion code page, to a batch file the user can run.
bool writeCommandLog(const std::wstring& path, const std::wstring& commandLine);
