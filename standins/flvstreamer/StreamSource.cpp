#include "standins/flvstreamer/StreamSource.h"

#include <windows.h>
#include <wininet.h>

#include <cwchar>

namespace {

class HttpStreamReader : public StreamReader {
public:
    HttpStreamReader(HINTERNET session, HINTERNET request) : mSession(session), mRequest(request) {
        wchar_t text[32] = {};
        DWORD size = sizeof(text);
        if (::HttpQueryInfoW(mRequest, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) {
            mLength = std::wcstoull(text, nullptr, 10);
        }
    }
    ~HttpStreamReader() override {
        ::InternetCloseHandle(mRequest);
        ::InternetCloseHandle(mSession);
    }
    HttpStreamReader(const HttpStreamReader&) = delete;
    HttpStreamReader& operator=(const HttpStreamReader&) = delete;

    bool read(uint8_t* buffer, size_t size, size_t& got) override {
        DWORD read = 0;
        BOOL ok = ::InternetReadFile(mRequest, buffer, static_cast<DWORD>(size), &read);
        got = read;
        return ok != FALSE;
    }
    uint64_t length() const override { return mLength; }

private:
    HINTERNET mSession;
    HINTERNET mRequest;
    uint64_t mLength = 0;
};

class FileStreamReader : public StreamReader {
public:
    explicit FileStreamReader(HANDLE file) : mFile(file) {
        LARGE_INTEGER size = {};
        if (::GetFileSizeEx(mFile, &size)) mLength = static_cast<uint64_t>(size.QuadPart);
    }
    ~FileStreamReader() override { ::CloseHandle(mFile); }
    FileStreamReader(const FileStreamReader&) = delete;
    FileStreamReader& operator=(const FileStreamReader&) = delete;

    bool read(uint8_t* buffer, size_t size, size_t& got) override {
        DWORD read = 0;
        BOOL ok = ::ReadFile(mFile, buffer, static_cast<DWORD>(size), &read, nullptr);
        got = read;
        return ok != FALSE;
    }
    uint64_t length() const override { return mLength; }

private:
    HANDLE mFile;
    uint64_t mLength = 0;
};

std::wstring lowerAscii(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

std::unique_ptr<StreamReader> openHttp(const std::wstring& address, std::wstring& error) {
    HINTERNET session = ::InternetOpenW(L"flvstreamer", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (session == nullptr) {
        error = L"cannot open an internet session";
        return nullptr;
    }
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI;
    HINTERNET request = ::InternetOpenUrlW(session, address.c_str(), nullptr, 0, flags, 0);
    if (request == nullptr) {
        error = L"cannot connect to " + address + L" (error " + std::to_wstring(::GetLastError()) + L")";
        ::InternetCloseHandle(session);
        return nullptr;
    }
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!::HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) ||
        status != 200) {
        error = L"the server answered " + std::to_wstring(status) + L" for " + address;
        ::InternetCloseHandle(request);
        ::InternetCloseHandle(session);
        return nullptr;
    }
    return std::make_unique<HttpStreamReader>(session, request);
}

}  // namespace

std::wstring httpAddressOfStream(const std::wstring& streamUrl) {
    size_t schemeEnd = streamUrl.find(L"://");
    if (schemeEnd == std::wstring::npos) return std::wstring();
    std::wstring scheme = lowerAscii(streamUrl.substr(0, schemeEnd));
    if (scheme == L"http" || scheme.compare(0, 4, L"rtmp") == 0) return L"http" + streamUrl.substr(schemeEnd);
    return std::wstring();
}

std::unique_ptr<StreamReader> openStreamReader(const std::wstring& streamUrl, std::wstring& error) {
    std::wstring address = httpAddressOfStream(streamUrl);
    if (!address.empty()) return openHttp(address, error);
    HANDLE file = ::CreateFileW(streamUrl.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = L"cannot open " + streamUrl;
        return nullptr;
    }
    return std::make_unique<FileStreamReader>(file);
}
