#include "foundation/http/InternetDownload.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "foundation/encoding/StringConversion.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/http/PercentEncoding.h"

namespace {

const char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 1.1.4322)";
const char kRequestHeaders[] = "Accept:*/*\r\n\r\n";
const DWORD kTimeoutMs = 5000;
const DWORD kBufferSize = 8192;
// Redirects followed before a request counts as failed: a server that sends the client
// round in circles must not hold the caller for ever.
const int kMaxRedirects = 10;

// The handles of one request; each is closed when the request goes.
struct InternetRequest {
    HINTERNET internet = nullptr;
    HINTERNET connection = nullptr;
    HINTERNET url = nullptr;

    InternetRequest() = default;
    InternetRequest(const InternetRequest&) = delete;
    InternetRequest& operator=(const InternetRequest&) = delete;
    ~InternetRequest() {
        closeUrl();
        if (internet) ::InternetCloseHandle(internet);
    }
    void closeUrl() {
        if (url) ::InternetCloseHandle(url);
        if (connection) ::InternetCloseHandle(connection);
        url = nullptr;
        connection = nullptr;
    }
};

void setTimeouts(HINTERNET handle) {
    DWORD timeout = kTimeoutMs;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                         INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_DATA_SEND_TIMEOUT,
                         INTERNET_OPTION_DATA_RECEIVE_TIMEOUT})
        ::InternetSetOptionA(handle, option, &timeout, sizeof timeout);
}

// An HTTP(S) request through its own connection handle: time-outs set on the connection
// take effect for the request, which Wine does not do for time-outs set only on the
// Internet handle of InternetOpenUrl (a silent server would block for minutes).
HINTERNET openHttpRequest(InternetRequest& request, const std::string& url) {
    URL_COMPONENTSA parts = {};
    parts.dwStructSize = sizeof parts;
    std::vector<char> host(1024), path(8192), extra(8192), user(256), password(256);
    parts.lpszHostName = host.data();
    parts.dwHostNameLength = static_cast<DWORD>(host.size());
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    parts.lpszUserName = user.data();
    parts.dwUserNameLength = static_cast<DWORD>(user.size());
    parts.lpszPassword = password.data();
    parts.dwPasswordLength = static_cast<DWORD>(password.size());
    if (!::InternetCrackUrlA(url.c_str(), 0, 0, &parts)) return nullptr;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return nullptr;

    request.connection = ::InternetConnectA(request.internet, host.data(), parts.nPort,
                                            user[0] ? user.data() : nullptr,
                                            password[0] ? password.data() : nullptr,
                                            INTERNET_SERVICE_HTTP, 0, 0);
    if (!request.connection) return nullptr;
    setTimeouts(request.connection);

    std::string object = std::string(path.data()) + extra.data();
    if (object.empty()) object = "/";
    // Redirects are followed here, a bounded number of times (see openInternetUrl).
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
    HINTERNET handle = ::HttpOpenRequestA(request.connection, "GET", object.c_str(), nullptr, nullptr,
                                          nullptr, flags, 0);
    if (!handle) return nullptr;
    setTimeouts(handle);
    if (!::HttpSendRequestA(handle, kRequestHeaders, static_cast<DWORD>(sizeof kRequestHeaders - 1), nullptr,
                            0)) {
        ::InternetCloseHandle(handle);
        return nullptr;
    }
    return handle;
}

// The HTTP status of the answer; 0 when it can't be read.
DWORD queryStatusCode(HINTERNET url) {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!::HttpQueryInfoA(url, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
    return status;
}

bool isRedirect(DWORD status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Only a 2xx answer serves what was asked for; error pages, unfollowed redirects and an
// answer whose status can't be read don't.
bool isSuccess(DWORD status) { return status >= 200 && status < 300; }

// Where a redirect leads, resolved against the address that answered; empty when unknown.
std::string redirectTarget(HINTERNET url, const std::string& from) {
    std::vector<char> location(8192);
    DWORD size = static_cast<DWORD>(location.size());
    if (!::HttpQueryInfoA(url, HTTP_QUERY_LOCATION, location.data(), &size, nullptr) || size == 0) return {};
    std::vector<char> target(8192);
    size = static_cast<DWORD>(target.size());
    if (!::InternetCombineUrlA(from.c_str(), location.data(), target.data(), &size, ICU_NO_ENCODE)) return {};
    return std::string(target.data(), size);
}

// Opens the Internet handle and the URL handle of one GET request, following at most
// kMaxRedirects redirects; 1 when the URL handle is open, -1 otherwise. The method only
// decides what the callers read afterwards.
int openInternetUrl(InternetRequest& request, const std::string& url, const std::string& /*method*/,
                    const std::string& proxy) {
    if (::InternetAttemptConnect(0) != ERROR_SUCCESS) return -1;
    if (proxy.empty())
        request.internet = ::InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    else
        request.internet = ::InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_PROXY, proxy.c_str(), "<local>", 0);
    if (!request.internet) return -1;
    setTimeouts(request.internet);

    std::string address = url;
    for (int redirects = 0;; ++redirects) {
        request.url = openHttpRequest(request, address);
        if (!request.url && !request.connection) {
            // Other schemes go through the library's generic opening; without an HTTP
            // status to read, their answer counts as no success.
            request.url = ::InternetOpenUrlA(request.internet, address.c_str(), kRequestHeaders,
                                             static_cast<DWORD>(sizeof kRequestHeaders - 1), INTERNET_FLAG_RELOAD, 0);
        }
        if (!request.url || redirects == kMaxRedirects || !isRedirect(queryStatusCode(request.url))) break;
        const std::string target = redirectTarget(request.url, address);
        if (target.empty()) break;
        address = target;
        request.closeUrl();
    }
    return request.url ? 1 : -1;
}

// The URL as it goes on the wire: text outside ASCII as percent-encoded UTF-8.
std::string wireUrl(const std::wstring& url) { return percentEncodeNonAscii(url); }

// Narrow URLs come from the callers in the conversion code page.
std::string wireUrl(const std::string& url) {
    for (const char c : url)
        if (static_cast<unsigned char>(c) >= 0x80) return percentEncodeNonAscii(toWString(url));
    return url;
}

// The raw response headers, each line ending in CR LF.
std::string queryRawHeaders(HINTERNET url, std::vector<char>& buffer) {
    DWORD length = static_cast<DWORD>(buffer.size());
    if (!::HttpQueryInfoA(url, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &length, nullptr)) return {};
    return std::string(buffer.data(), std::min<DWORD>(length, static_cast<DWORD>(buffer.size())));
}

// Reads the body chunk by chunk (at most one byte less than the buffer each time) until a
// read delivers nothing. False when a read fails or the body ends before the length the
// answer announced: a cut-off transfer is no download.
template <typename Sink>
bool readBody(HINTERNET url, std::vector<char>& buffer, Sink sink) {
    DWORD announced = 0;
    DWORD size = sizeof announced;
    const bool hasLength =
        ::HttpQueryInfoA(url, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &announced, &size, nullptr) != FALSE;
    unsigned long long total = 0;
    for (;;) {
        DWORD count = 0;
        if (!::InternetReadFile(url, buffer.data(), kBufferSize - 1, &count)) return false;
        if (count == 0) break;
        sink(buffer.data(), count);
        total += count;
    }
    return !hasLength || total >= announced;
}

}  // namespace

std::string DownloadString(const std::string& url, const std::string& method, const std::string& proxy) {
    std::string result;
    InternetRequest request;
    openInternetUrl(request, wireUrl(url), method, proxy);
    if (!request.url) return result;
    std::vector<char> buffer(kBufferSize);
    std::string headers = queryRawHeaders(request.url, buffer);
    if (method == "HEAD") return headers.substr(0, headers.find('\0'));
    if (!isSuccess(queryStatusCode(request.url))) return result;
    const bool whole = readBody(request.url, buffer, [&](const char* data, DWORD count) {
        // Text only: a chunk is taken up to its first zero byte.
        const void* zero = ::memchr(data, 0, count);
        result.append(data, zero ? static_cast<size_t>(static_cast<const char*>(zero) - data) : count);
    });
    if (!whole) result.clear();
    return result;
}

bool DownloadFile(const std::wstring& path, const std::wstring& url, const std::string& method,
                  const std::string& proxy) {
    // The fetch goes into a file beside the target, which takes the target's place only
    // once complete: a failed fetch leaves a file already at `path` as it was.
    const std::wstring temp = siblingTempPath(path);
    FILE* file = ::_wfopen(temp.c_str(), L"wb");
    if (!file) return false;
    bool fetched = false;
    {
        InternetRequest request;
        openInternetUrl(request, wireUrl(url), method, proxy);
        if (request.url) {
            std::vector<char> buffer(kBufferSize);
            queryRawHeaders(request.url, buffer);
            fetched = isSuccess(queryStatusCode(request.url));
            bool written = true;
            if (fetched && method != "HEAD")
                fetched = readBody(request.url, buffer, [&](const char* data, DWORD count) {
                    written = written && ::fwrite(data, 1, count, file) == count;
                });
            fetched = fetched && written;
        }
    }
    // A short write or a failed close (a full disk) leaves a short file: no download.
    if (::fclose(file) != 0) fetched = false;
    // An error page or a cut-off body is not what was asked for either: no file is left.
    if (!fetched || !replaceFileWith(path, temp)) {
        ::DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}
