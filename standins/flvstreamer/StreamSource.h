// Where the stand-in recorder reads its "stream" from. Streaming servers can't be
// reached here, so a stream address is fetched over HTTP from the same host and path
// (rtmp://, rtmpe://, rtmpt:// ... become http://), an http:// address is fetched as it
// stands, and anything else names a local file that is copied. So a downloader whose
// stream host is set to "127.0.0.1:PORT" records "rtmpe://127.0.0.1:PORT/app/name" from
// a test's local server at "http://127.0.0.1:PORT/app/name".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class StreamReader {
public:
    virtual ~StreamReader() = default;
    // Up to `size` bytes; 0 at the end. False on a read error.
    virtual bool read(uint8_t* buffer, size_t size, size_t& got) = 0;
    // The whole length when the source tells it, else 0.
    virtual uint64_t length() const = 0;
};

// The HTTP address a stream address is fetched from; empty when it names a local file.
std::wstring httpAddressOfStream(const std::wstring& streamUrl);

// Opens the source, or answers null with `error` set (unreachable host, an HTTP status
// other than 200, a missing file).
std::unique_ptr<StreamReader> openStreamReader(const std::wstring& streamUrl, std::wstring& error);
