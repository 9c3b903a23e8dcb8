#include "standins/flvstreamer/StreamerOptions.h"

namespace {

bool isOption(const std::wstring& argument, const wchar_t* shortName, const wchar_t* longName) {
    return argument == shortName || argument == longName;
}

}  // namespace

bool parseStreamerOptions(const std::vector<std::wstring>& arguments, StreamerOptions& options, std::wstring& error) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        std::wstring* value = nullptr;
        if (isOption(argument, L"-r", L"--rtmp")) {
            value = &options.streamUrl;
        } else if (isOption(argument, L"-o", L"--flv")) {
            value = &options.outputPath;
        } else if (isOption(argument, L"-s", L"--swfUrl")) {
            value = &options.playerUrl;
        } else if (isOption(argument, L"-v", L"--live")) {
            options.live = true;
            continue;
        } else if (isOption(argument, L"-q", L"--quiet")) {
            options.quiet = true;
            continue;
        } else if (isOption(argument, L"-h", L"--help")) {
            options.help = true;
            continue;
        } else {
            error = L"unknown option: " + argument;
            return false;
        }
        if (i + 1 >= arguments.size()) {
            error = L"missing value of " + argument;
            return false;
        }
        *value = arguments[++i];
    }
    if (options.help) return true;
    if (options.streamUrl.empty()) {
        error = L"no stream given (-r URL)";
        return false;
    }
    if (options.outputPath.empty()) {
        error = L"no output file given (-o FILE)";
        return false;
    }
    return true;
}
