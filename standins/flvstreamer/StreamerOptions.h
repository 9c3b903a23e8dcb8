// The stream recorder's command line: `-r URL -o FILE`, with `-s URL` (the player that
// would be shown to the server) and `-v` (a live stream) taken and ignored, since the
// stand-in fetches a recording rather than playing a stream.
#pragma once

#include <string>
#include <vector>

struct StreamerOptions {
    std::wstring streamUrl;   // -r, --rtmp
    std::wstring outputPath;  // -o, --flv
    std::wstring playerUrl;   // -s, --swfUrl
    bool live = false;        // -v, --live
    bool quiet = false;       // -q, --quiet: no progress on standard error
    bool help = false;        // -h, --help
};

// Reads the arguments after the program name. False with `error` set for an unknown
// option, an option without its value, or a missing -r or -o (unless help was asked).
bool parseStreamerOptions(const std::vector<std::wstring>& arguments, StreamerOptions& options, std::wstring& error);
