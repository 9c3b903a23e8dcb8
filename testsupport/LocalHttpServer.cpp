#include "testsupport/LocalHttpServer.h"

#include <ws2tcpip.h>

#include <cstdio>

LocalHttpServer::LocalHttpServer() {
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
    mListener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(mListener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(mListener, 16);
    int length = sizeof address;
    ::getsockname(mListener, reinterpret_cast<sockaddr*>(&address), &length);
    mPort = ::ntohs(address.sin_port);
    mThread = std::thread([this] { acceptLoop(); });
}

LocalHttpServer::~LocalHttpServer() {
    mStopping = true;
    ::closesocket(mListener);
    if (mThread.joinable()) mThread.join();
    {
        std::lock_guard<std::mutex> lock(mMutex);
        for (SOCKET socket : mHeldOpen) ::closesocket(socket);
    }
    for (std::thread& client : mClients)
        if (client.joinable()) client.join();
    ::WSACleanup();
}

std::string LocalHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(mPort) + path;
}

std::wstring LocalHttpServer::wideUrl(const std::string& path) const {
    std::string text = url(path);
    return std::wstring(text.begin(), text.end());
}

void LocalHttpServer::serve(const std::string& path, const std::string& body, const std::string& contentType,
                            int status) {
    std::lock_guard<std::mutex> lock(mMutex);
    Response& response = mRoutes[path] = Response();
    response.body = body;
    response.contentType = contentType;
    response.status = status;
}

void LocalHttpServer::serveSilently(const std::string& path) {
    std::lock_guard<std::mutex> lock(mMutex);
    mRoutes[path].silent = true;
}

void LocalHttpServer::serveRedirect(const std::string& path, const std::string& location) {
    std::lock_guard<std::mutex> lock(mMutex);
    Response& response = mRoutes[path] = Response();
    response.status = 302;
    response.location = location;
}

void LocalHttpServer::serveCutShort(const std::string& path, const std::string& body, size_t bytesSent,
                                    bool holdOpen) {
    std::lock_guard<std::mutex> lock(mMutex);
    Response& response = mRoutes[path] = Response();
    response.body = body;
    response.contentType = "application/octet-stream";
    response.bodyBytesSent = bytesSent;
    response.holdOpenAfterBody = holdOpen;
}

std::vector<std::string> LocalHttpServer::requests() const {
    std::lock_guard<std::mutex> lock(mMutex);
    return mRequests;
}

void LocalHttpServer::acceptLoop() {
    while (!mStopping) {
        SOCKET client = ::accept(mListener, nullptr, nullptr);
        if (client == INVALID_SOCKET) break;
        mClients.emplace_back([this, client] { answer(client); });
    }
}

void LocalHttpServer::answer(SOCKET client) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        int count = ::recv(client, buffer, sizeof buffer, 0);
        if (count <= 0) break;
        head.append(buffer, static_cast<size_t>(count));
    }
    std::string requestLine = head.substr(0, head.find("\r\n"));
    size_t pathStart = requestLine.find(' ');
    size_t pathEnd = requestLine.rfind(' ');
    std::string path = pathStart != std::string::npos && pathEnd > pathStart
                           ? requestLine.substr(pathStart + 1, pathEnd - pathStart - 1)
                           : std::string();
    Response response;
    response.status = 404;
    response.body = "<html><body>Not Found</body></html>";
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mRequests.push_back(head.substr(0, head.find("\r\n\r\n")));
        auto route = mRoutes.find(path);
        if (route != mRoutes.end()) response = route->second;
        if (response.silent) {
            mHeldOpen.push_back(client);
            return;
        }
    }
    char statusLine[64];
    std::snprintf(statusLine, sizeof statusLine, "HTTP/1.1 %d %s\r\n", response.status,
                  response.status == 200 ? "OK" : "Error");
    std::string reply = statusLine;
    reply += "Content-Type: " + response.contentType + "\r\n";
    if (!response.location.empty()) reply += "Location: " + response.location + "\r\n";
    reply += "Content-Length: " + std::to_string(response.body.size()) + "\r\nConnection: close\r\n\r\n";
    reply += response.body.substr(0, response.bodyBytesSent);
    size_t sent = 0;
    while (sent < reply.size()) {
        int count = ::send(client, reply.data() + sent, static_cast<int>(reply.size() - sent), 0);
        if (count <= 0) break;
        sent += static_cast<size_t>(count);
    }
    if (response.holdOpenAfterBody) {
        std::lock_guard<std::mutex> lock(mMutex);
        mHeldOpen.push_back(client);
        return;
    }
    ::shutdown(client, SD_SEND);
    ::closesocket(client);
}
