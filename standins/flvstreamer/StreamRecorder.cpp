#include "standins/flvstreamer/StreamRecorder.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "standins/flvstreamer/StreamSource.h"

namespace {

constexpr size_t kBlock = 64 * 1024;

std::wstring kilobytes(uint64_t bytes) {
    wchar_t text[48] = {};
    std::swprintf(text, 48, L"%.1f kB", static_cast<double>(bytes) / 1024.0);
    return text;
}

}  // namespace

int recordStream(const StreamerOptions& options, const std::function<void(const std::wstring&)>& report) {
    report(L"Connecting to " + options.streamUrl + L"\n");
    std::wstring error;
    std::unique_ptr<StreamReader> reader = openStreamReader(options.streamUrl, error);
    if (!reader) {
        report(L"ERROR: " + error + L"\n");
        return kStreamerFailed;
    }
    HANDLE out = ::CreateFileW(options.outputPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) {
        report(L"ERROR: cannot create " + options.outputPath + L"\n");
        return kStreamerFailed;
    }
    report(L"Recording into " + options.outputPath + L"\n");

    std::vector<uint8_t> block(kBlock);
    uint64_t total = 0;
    int result = kStreamerSuccess;
    for (;;) {
        size_t got = 0;
        if (!reader->read(block.data(), block.size(), got)) {
            report(L"\nERROR: the stream broke off\n");
            result = kStreamerIncomplete;
            break;
        }
        if (got == 0) break;
        DWORD written = 0;
        if (!::WriteFile(out, block.data(), static_cast<DWORD>(got), &written, nullptr) || written != got) {
            report(L"\nERROR: cannot write " + options.outputPath + L"\n");
            result = kStreamerIncomplete;
            break;
        }
        total += got;
        std::wstring step = kilobytes(total);
        if (reader->length() > 0) step += L" (" + std::to_wstring(total * 100 / reader->length()) + L"%)";
        report(step + L"\r");
    }
    ::CloseHandle(out);
    if (result == kStreamerSuccess && reader->length() > 0 && total < reader->length()) {
        report(L"\nERROR: the stream ended early\n");
        result = kStreamerIncomplete;
    }
    if (result == kStreamerSuccess) report(L"\nDownload complete: " + kilobytes(total) + L"\n");
    return result;
}
