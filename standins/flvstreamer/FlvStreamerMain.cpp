// A stand-in for the RTMP stream recorder that the downloaders run from Plugins/: same
// command line and exit codes, but the "stream" is fetched over HTTP or copied from a
// file (StreamSource.h), so that the downloaders can be run without a streaming server.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "standins/flvstreamer/StreamRecorder.h"
#include "standins/flvstreamer/StreamerOptions.h"

namespace {

// Progress goes to standard error unbuffered, where the downloaders poll it, in the ANSI
// code page they read it with (the runtime's "C" locale would drop Japanese file names).
void writeError(const std::wstring& text) {
    if (text.empty()) return;
    int size = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fflush(stderr);
}

const wchar_t kUsage[] =
    L"Usage: flvstreamer -r URL -o FILE [-s PLAYER_URL] [-v] [-q]\n"
    L"  -r, --rtmp URL     the stream (rtmp/rtmpe/http address, or a file)\n"
    L"  -o, --flv FILE     the FLV file to write\n"
    L"  -s, --swfUrl URL   the player's address (accepted, not used)\n"
    L"  -v, --live         a live stream (accepted, not used)\n"
    L"  -q, --quiet        no progress output\n";

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> arguments(argv + 1, argv + argc);
    StreamerOptions options;
    std::wstring error;
    if (!parseStreamerOptions(arguments, options, error)) {
        writeError(L"ERROR: " + error + L"\n" + kUsage);
        return kStreamerFailed;
    }
    if (options.help) {
        writeError(kUsage);
        return kStreamerSuccess;
    }
    writeError(L"flvstreamer (stand-in recorder)\n");
    return recordStream(options, [&options](const std::wstring& text) {
        if (!options.quiet) writeError(text);
    });
}
