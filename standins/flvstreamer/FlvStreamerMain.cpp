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

// Progress goes to standard error unbuffered, where the downloaders poll it.
void writeError(const std::wstring& text) {
    std::fputws(text.c_str(), stderr);
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
