// A small HTTP server on 127.0.0.1 inside the test process, for code that fetches pages:
// each path answers with a body of the test's making, or never answers at all.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LocalHttpServer {
public:
    struct Response {
        int status = 200;
        std::string contentType = "text/html; charset=utf-8";
        std::string body;
        bool silent = false;  // accept the request and never answer
        std::string location;  // sent as the "Location" header when not empty
        // Body bytes sent before the server stops sending (the Content-Length still
        // announces the whole body); then it closes, or keeps the connection open.
        size_t bodyBytesSent = std::string::npos;
        bool holdOpenAfterBody = false;
    };

    // Listens on a free port of 127.0.0.1 until the object goes.
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int port() const { return mPort; }
    // "http://127.0.0.1:PORT" followed by `path`.
    std::string url(const std::string& path = "/") const;
    std::wstring wideUrl(const std::string& path = "/") const;

    // What a path (with its query, as the request names it) answers; others get 404.
    void serve(const std::string& path, const std::string& body, const std::string& contentType = "text/html; charset=utf-8",
               int status = 200);
    void serveSilently(const std::string& path);
    // A redirect (status 302) to `location`.
    void serveRedirect(const std::string& path, const std::string& location);
    // Announces the whole body but sends only its first `bytesSent` bytes, then closes the
    // connection or, with `holdOpen`, keeps it open without sending more.
    void serveCutShort(const std::string& path, const std::string& body, size_t bytesSent, bool holdOpen = false);

    // The request heads received so far (request line and header lines), oldest first.
    std::vector<std::string> requests() const;

private:
    void acceptLoop();
    void answer(SOCKET client);

    SOCKET mListener = INVALID_SOCKET;
    int mPort = 0;
    std::atomic<bool> mStopping{false};
    std::thread mThread;
    mutable std::mutex mMutex;
    std::map<std::string, Response> mRoutes;
    std::vector<std::string> mRequests;
    std::vector<SOCKET> mHeldOpen;
    std::vector<std::thread> mClients;
};
