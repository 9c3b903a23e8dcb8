#include "downloaders/table/OutsideTool.h"

#include <windows.h>

#include "foundation/encoding/StringConversion.h"
#include "foundation/system/CommandLine.h"

OutsideToolRun runOutsideTool(const std::wstring& commandLine, const std::function<void(const std::wstring&)>& onError,
                              const std::function<bool()>& shouldStop) {
    OutsideToolRun run;
    CommandLine tool;
    if (!tool.execute(commandLine)) return run;
    run.started = true;
    for (;;) {
        if (tool.waitFor(0) == WAIT_ABANDONED) break;
        if (shouldStop && shouldStop()) {
            tool.terminate();
            run.stopped = true;
            break;
        }
        const std::wstring error = tool.readStdErr();
        if (!error.empty() && onError) onError(error);
        run.exitCode = tool.getExitCode();
        if (run.exitCode != STILL_ACTIVE) break;
        ::Sleep(1);
    }
    const std::wstring rest = tool.readStdErr();
    if (!rest.empty() && onError) onError(rest);
    run.exitCode = tool.getExitCode();
    tool.flush();
    tool.closeHandles();
    return run;
}

bool writeCommandLog(const std::wstring& path, const std::wstring& commandLine) {
    const std::string text = toString(commandLine);
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    ::CloseHandle(file);
    return ok;
}
