#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <fstream>
#include <iterator>

#include "foundation/encoding/StringConversion.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/http/InternetDownload.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestWindows.h"

namespace {

std::string bigBody(size_t size) {
    std::string body;
    for (size_t i = 0; body.size() < size; ++i) body += "line " + std::to_string(i) + "\n";
    body.resize(size);
    return body;
}

}  // namespace

TEST(InternetDownload, GetsPagesWholeAndSendsItsFixedRequestHead) {
    LocalHttpServer server;
    std::string body = bigBody(100000);  // many reads through the 8 KB buffer
    server.serve("/page.html?x=1&y=2", body);
    EXPECT_EQ(body, DownloadString(server.url("/page.html?x=1&y=2")));

    std::vector<std::string> requests = server.requests();
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ(0u, requests[0].find("GET /page.html?x=1&y=2 HTTP/1.1"));
    EXPECT_NE(std::string::npos,
              requests[0].find("User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 1.1.4322)"));
    EXPECT_TRUE(requests[0].find("Accept:*/*") != std::string::npos ||
                requests[0].find("Accept: */*") != std::string::npos)
        << requests[0];
}

TEST(InternetDownload, ErrorPagesCutBodiesAndUnreachableHostsAreEmpty) {
    LocalHttpServer server;
    server.serve("/gone", "<p>gone</p>", "text/html", 500);
    server.serveCutShort("/cut", std::string(100, 'x'), 3);
    EXPECT_EQ("", DownloadString(server.url("/gone")));
    EXPECT_EQ("", DownloadString(server.url("/missing")));
    EXPECT_EQ("", DownloadString(server.url("/cut")));
    // A status line whose status reads as 0.
    server.serve("/unread", "<p>page</p>", "text/html", 0);
    EXPECT_EQ("", DownloadString(server.url("/unread")));

    // A port where nobody listens, and a URL that is no URL.
    int closedPort;
    {
        LocalHttpServer gone;
        closedPort = gone.port();
    }
    EXPECT_EQ("", DownloadString("http://127.0.0.1:" + std::to_string(closedPort) + "/"));
    EXPECT_EQ("", DownloadString("not a url"));
}

TEST(InternetDownload, HeadAnswersTheHeadersAndLeavesFilesEmpty) {
    LocalHttpServer server;
    server.serve("/a.txt", "body text", "text/plain");
    std::string headers = DownloadString(server.url("/a.txt"), "HEAD");
    EXPECT_EQ(0u, headers.find("HTTP/1.1 200"));
    EXPECT_NE(std::string::npos, headers.find("Content-Type: text/plain\r\n"));
    EXPECT_EQ(std::string::npos, headers.find("body text"));

    TempDirectory folder;
    EXPECT_TRUE(DownloadFile(folder.file(L"head.txt"), server.wideUrl("/a.txt"), "HEAD"));
    EXPECT_EQ("", readFileBytes(folder.file(L"head.txt")));
}

TEST(InternetDownload, FilesKeepEveryByteWhileStringsStopAtAZero) {
    LocalHttpServer server;
    std::string binary = bigBody(20000);
    binary[10] = '\0';
    binary[9000] = '\0';
    server.serve("/audio.mp3", binary, "audio/mpeg");

    TempDirectory folder;
    ASSERT_TRUE(DownloadFile(folder.file(L"audio.mp3"), server.wideUrl("/audio.mp3")));
    EXPECT_EQ(binary, readFileBytes(folder.file(L"audio.mp3")));

    std::string text = DownloadString(server.url("/audio.mp3"));
    EXPECT_EQ(0u, text.find(binary.substr(0, 10)));
    EXPECT_LT(text.size(), binary.size());
    EXPECT_EQ(std::string::npos, text.find('\0'));
}

TEST(InternetDownload, FileFailsWhenItCannotBeCreatedOrNothingAnswers) {
    LocalHttpServer server;
    server.serve("/a.txt", "body");
    TempDirectory folder;
    EXPECT_FALSE(DownloadFile(folder.file(L"no such folder\\a.txt"), server.wideUrl("/a.txt")));
    EXPECT_TRUE(server.requests().empty());  // nothing fetched

    EXPECT_FALSE(DownloadFile(folder.file(L"unreached.txt"), L"http://127.0.0.1:1/"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(folder.file(L"unreached.txt").c_str()));

    // An error page or a body cut short is no file either.
    server.serveCutShort("/cut.jpg", std::string(100, 'x'), 3);
    for (const char* path : {"/missing", "/cut.jpg"}) {
        EXPECT_FALSE(DownloadFile(folder.file(L"fetched.jpg"), server.wideUrl(path))) << path;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(folder.file(L"fetched.jpg").c_str())) << path;
    }
}

TEST(InternetDownload, AFailedFetchLeavesAFileAlreadyThereAsItWas) {
    LocalHttpServer server;
    server.serve("/unread", "<p>page</p>", "text/html", 0);
    server.serve("/new.jpg", "new");
    TempDirectory folder;
    const std::wstring path = folder.file(L"photo.jpg");
    ASSERT_TRUE(writeWholeFile(path, "old"));
    for (const char* failing : {"/missing", "/unread"}) {
        EXPECT_FALSE(DownloadFile(path, server.wideUrl(failing))) << failing;
        EXPECT_EQ("old", readFileBytes(path)) << failing;
    }
    EXPECT_TRUE(DownloadFile(path, server.wideUrl("/new.jpg")));
    EXPECT_EQ("new", readFileBytes(path));
    // Nothing is left beside it.
    EXPECT_FALSE(anyFileMatches(folder.path(), L"*.tmp"));
}

TEST(InternetDownload, RedirectsAreFollowedTenTimesAtMost) {
    LocalHttpServer server;
    server.serveRedirect("/old", "/new");
    server.serve("/new", "moved here");
    EXPECT_EQ("moved here", DownloadString(server.url("/old")));

    server.serveRedirect("/loop", server.url("/loop"));
    EXPECT_EQ("", DownloadString(server.url("/loop")));
    size_t loops = 0;
    for (const std::string& request : server.requests()) loops += request.find("GET /loop ") == 0;
    EXPECT_EQ(11u, loops);  // the request and ten redirects
}

TEST(InternetDownload, NonAsciiUrlsGoOutAsPercentEncodedUtf8) {
    LocalHttpServer server;
    server.serve("/%E6%97%A5%E6%9C%AC.txt?q=%C3%A9", "found");
    const std::wstring url = server.wideUrl("/") + L"\u65E5\u672C.txt?q=\u00E9";
    TempDirectory folder;
    EXPECT_TRUE(DownloadFile(folder.file(L"a.txt"), url));
    EXPECT_EQ("found", readFileBytes(folder.file(L"a.txt")));
    // Narrow URLs come in the conversion code page (932 in the tests).
    server.serve("/%E6%97%A5%E6%9C%AC.txt", "found too");
    EXPECT_EQ("found too", DownloadString(toString(server.wideUrl("/") + L"\u65E5\u672C.txt")));
}

TEST(InternetDownload, ASilentServerCannotHangTheCaller) {
    LocalHttpServer server;
    server.serveSilently("/silent");
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ("", DownloadString(server.url("/silent")));
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 20.0);
}

TEST(InternetDownload, AProxyTextSendsTheRequestThroughTheProxy) {
    // The "proxy" is a local server: it receives the request with the whole URL.
    LocalHttpServer proxy;
    proxy.serve("http://example.invalid/page", "via proxy");
    proxy.serve("http://example.invalid:80/page", "via proxy");  // Wine names the port
    std::string proxyText = "127.0.0.1:" + std::to_string(proxy.port());
    EXPECT_EQ("via proxy", DownloadString("http://example.invalid/page", "GET", proxyText))
        << (proxy.requests().empty() ? std::string() : proxy.requests()[0]);
}
