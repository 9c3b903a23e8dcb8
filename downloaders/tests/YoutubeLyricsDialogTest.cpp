#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "downloaders/captions/YoutubeLyricsDialog.h"
#include "player/settings/Settings.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/TestWindows.h"

namespace {

const char kTrackList[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?><transcript_list docid=\"77\">"
    "<track id=\"0\" name=\"\" lang_code=\"en\" lang_original=\"English\" lang_default=\"true\"/>"
    "<track id=\"1\" name=\"auto\" lang_code=\"de\" lang_original=\"\"/>"
    "<track id=\"2\" name=\"CC &amp; notes\" lang_code=\"ja\" lang_original=\"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\"/>"
    "</transcript_list>";

const char kEnglishTrack[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\" ?><transcript>"
    "<text start=\"0.5\" dur=\"2\">Good morning, everyone.</text>"
    "<text start=\"2.5\" dur=\"3\">It&amp;#39;s a fine day\nfor a walk,</text>"
    "<text start=\"5.5\" dur=\"2\">isn&amp;#39;t it? See you</text>"
    "</transcript>";

// What the track menu held, and the keys pressed in it once its loop runs.
struct MenuVisit {
    bool shown = false;
    std::vector<std::wstring> items;
};
MenuVisit lastMenu;
std::vector<WPARAM> menuKeys;
HWND menuKeyTarget = nullptr;

void CALLBACK visitMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND popup = ::FindWindowW(L"#32768", nullptr);
    if (popup && ::IsWindowVisible(popup)) {
        lastMenu.shown = true;
        HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0));
        for (int i = 0; menu && i < ::GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = L"";
            ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            lastMenu.items.push_back(text);
        }
    }
    for (WPARAM key : menuKeys) {
        ::PostMessageW(menuKeyTarget, WM_KEYDOWN, key, 1);
        ::PostMessageW(menuKeyTarget, WM_KEYUP, key, 0xC0000001);
    }
    menuKeys.clear();
}

class YoutubeLyricsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeIniString(L"Youtube", L"TimedTextHost", L"127.0.0.1:" + std::to_wstring(server.port()));
        ASSERT_TRUE(showModelessDialog(nullptr, dialog));
        ::SetForegroundWindow(dialog.m_hWnd);
        pumpMessages();
        lastMenu = MenuVisit();
    }
    void TearDown() override {
        if (dialog.m_hWnd) dialog.close(Dialog::kCancelId);
        pumpMessages();
        ::WritePrivateProfileStringW(L"Youtube", L"TimedTextHost", nullptr, getIniFilePath().c_str());
    }
    // Presses "Download..." with the address; the keys are pressed in the track menu.
    void download(const std::wstring& url, std::vector<WPARAM> keys) {
        dialog.getUrlField().setText(url);
        menuKeys = std::move(keys);
        menuKeyTarget = dialog.m_hWnd;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, visitMenu);
        ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                       reinterpret_cast<LPARAM>(dialog.getDownloadButton().m_hWnd));
        // Without a menu the keys are not wanted.
        ::KillTimer(nullptr, timer);
        menuKeys.clear();
        pumpMessages();
    }
    std::vector<std::string> requestLines() const {
        std::vector<std::string> lines;
        for (const std::string& request : server.requests()) lines.push_back(request.substr(0, request.find("\r\n")));
        return lines;
    }
    std::wstring output() { return dialog.getOutputEditor().getTextCopy(); }

    LocalHttpServer server;
    YoutubeLyricsDialog dialog;
};

}  // namespace

TEST_F(YoutubeLyricsDialogTest, TheChosenTrackBecomesOneSentenceALine) {
    server.serve("/timedtext?type=list&v=Ab_9-x", kTrackList);
    server.serve("/timedtext?hl=en&lang=en&name=&v=Ab_9-x", kEnglishTrack);
    download(L"http://www.youtube.com/watch?v=Ab_9-x&feature=related", {VK_DOWN, VK_RETURN});

    EXPECT_TRUE(lastMenu.shown);
    // The track without a language title has no item.
    EXPECT_EQ((std::vector<std::wstring>{L"English", L"\u65E5\u672C\u8A9E"}), lastMenu.items);
    EXPECT_EQ((std::vector<std::string>{"GET /timedtext?type=list&v=Ab_9-x HTTP/1.1",
                                        "GET /timedtext?hl=en&lang=en&name=&v=Ab_9-x HTTP/1.1"}),
              requestLines());
    EXPECT_EQ(L"Good morning, everyone.\r\nIt's a fine day for a walk, isn't it?\r\nSee you\r\n", output());
}

TEST_F(YoutubeLyricsDialogTest, ItemsCountTheUntitledTracksAndTrackValuesAreEncoded) {
    server.serve("/timedtext?type=list&v=xyz", kTrackList);
    server.serve("/timedtext?hl=ja&lang=ja&name=CC%20%26%20notes&v=xyz",
                 "<transcript><text>\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF</text></transcript>");
    download(L"youtube.com/watch?v=xyz/extra", {VK_DOWN, VK_DOWN, VK_RETURN});

    const std::vector<std::string> lines = requestLines();
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("GET /timedtext?hl=ja&lang=ja&name=CC%20%26%20notes&v=xyz HTTP/1.1", lines[1]);
    EXPECT_EQ(L"\u3053\u3093\u306B\u3061\u306F\r\n", output());
}

TEST_F(YoutubeLyricsDialogTest, EachDownloadAppendsBelowTheLast) {
    server.serve("/timedtext?type=list&v=v1", kTrackList);
    server.serve("/timedtext?hl=en&lang=en&name=&v=v1", "<transcript><text>First try.</text></transcript>");
    download(L"http://www.youtube.com/watch?v=v1", {VK_DOWN, VK_RETURN});
    download(L"http://www.youtube.com/watch?v=v1", {VK_DOWN, VK_RETURN});
    EXPECT_EQ(L"First try.\r\nFirst try.\r\n", output());
}

TEST_F(YoutubeLyricsDialogTest, OtherAddressesAskNothing) {
    server.serve("/timedtext?type=list&v=abc", kTrackList);
    download(L"http://www.example.com/watch?v=abc", {VK_ESCAPE});
    download(L"http://www.youtube.com/results?search=abc", {VK_ESCAPE});
    EXPECT_FALSE(lastMenu.shown);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(L"", output());
}

TEST_F(YoutubeLyricsDialogTest, MissingOrDamagedListsShowNoMenu) {
    server.serve("/timedtext?type=list&v=damaged", "<transcript_list><track lang_original=\"English\"");
    server.serve("/timedtext?type=list&v=untitled", "<transcript_list><track lang_code=\"en\"/></transcript_list>");
    for (const wchar_t* id : {L"missing", L"damaged", L"untitled"}) {
        download(std::wstring(L"http://www.youtube.com/watch?v=") + id, {VK_ESCAPE});
        EXPECT_FALSE(lastMenu.shown) << id;
    }
    EXPECT_EQ(3u, server.requests().size());
    EXPECT_EQ(L"", output());
}

TEST_F(YoutubeLyricsDialogTest, ADismissedMenuOrABadTrackAppendsNothing) {
    server.serve("/timedtext?type=list&v=abc", kTrackList);
    download(L"http://www.youtube.com/watch?v=abc", {VK_ESCAPE});
    EXPECT_TRUE(lastMenu.shown);
    EXPECT_EQ(1u, server.requests().size());

    // The English track is missing (404 page), the Japanese one damaged.
    server.serve("/timedtext?hl=ja&lang=ja&name=CC%20%26%20notes&v=abc", "<transcript><text>Cut off here.");
    download(L"http://www.youtube.com/watch?v=abc", {VK_DOWN, VK_RETURN});
    download(L"http://www.youtube.com/watch?v=abc", {VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(5u, server.requests().size());
    EXPECT_EQ(L"", output());
    EXPECT_NE(nullptr, dialog.m_hWnd);
}

TEST_F(YoutubeLyricsDialogTest, ASilentServiceBlocksTheDialogOnlyUntilTheTimeOut) {
    server.serveSilently("/timedtext?type=list&v=abc");
    const DWORD start = ::GetTickCount();
    download(L"http://www.youtube.com/watch?v=abc", {VK_ESCAPE});
    EXPECT_LT(::GetTickCount() - start, 15000u);
    EXPECT_FALSE(lastMenu.shown);
    EXPECT_EQ(L"", output());
}

// Holds the dialog open after a download for a few seconds, for a screenshot.
TEST_F(YoutubeLyricsDialogTest, DISABLED_StaysOpenForAScreenshot) {
    server.serve("/timedtext?type=list&v=Ab_9-x", kTrackList);
    server.serve("/timedtext?hl=en&lang=en&name=&v=Ab_9-x", kEnglishTrack);
    download(L"http://www.youtube.com/watch?v=Ab_9-x", {VK_DOWN, VK_RETURN});
    pumpUntil([] { return false; }, 6000);
}
