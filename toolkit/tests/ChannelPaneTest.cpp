#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "testsupport/TestWindows.h"
#include "toolkit/dnd/DataObject.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/ChannelPane.h"

namespace {

// Lays the pane out over its whole client area on every WM_SIZE, as the main window does.
class PaneHost : public RecordingFrame {
public:
    LRESULT onSize(WPARAM, LPARAM lParam) override {
        ++sizeMessages;
        if (pane && pane->m_hWnd) pane->setBounds(0, 0, LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    ChannelPane* pane = nullptr;
    int sizeMessages = 0;
};

RECT windowRect(HWND window, HWND relativeTo) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

class ChannelPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.create());
        ::SetWindowPos(host.m_hWnd, HWND_TOP, 100, 100, 640, 420, SWP_SHOWWINDOW);
        ASSERT_TRUE(pane.create(host.m_hWnd, TabbedPane::kRight));
        host.pane = &pane;
        for (auto* page : {&lyrics, &files}) {
            ASSERT_TRUE(page->createWithDefaultBounds(host.m_hWnd));
            page->setBounds(0, 0, 250, 100);
        }
        pane.addTab(L"Lyrics", &lyrics);
        pane.addTab(L"File", &files);
        client = host.getClientRect();
        pane.setBounds(0, 0, client.right, client.bottom);
        pumpMessages();
        host.sizeMessages = 0;
    }
    void TearDown() override { ::SetCursorPos(0, 0); }

    // Puts the cursor on a point of the pane's client area.
    void pointAt(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(pane.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
    }
    // The middle of a tab as it stands now.
    void pointAtTab(int index) {
        RECT r{};
        pane.getTabRect(index, r);
        pointAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void clickTab(int index) {
        pointAtTab(index);
        ::SendMessageW(pane.m_hWnd, WM_MOUSEMOVE, 0, 0);
        ::SendMessageW(pane.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        ::SendMessageW(pane.m_hWnd, WM_LBUTTONUP, 0, 0);
        pumpMessages();
    }
    int paneWindowWidth() {
        RECT r = windowRect(pane.m_hWnd, host.m_hWnd);
        return r.right - r.left;
    }
    bool collapsed() {
        return pane.getSelectedIndex() == -1 && paneWindowWidth() == 24 && !lyrics.isVisible() && !files.isVisible();
    }
    void closeCaption(bool closed) {
        Caption& caption = pane.getCaption();
        caption.getCloseButton().setState(closed ? 1 : 0);
        ::SendMessageW(caption.m_hWnd, WM_COMMAND, MAKEWPARAM(Caption::kCloseButtonId, 0xF5),
                       reinterpret_cast<LPARAM>(caption.getCloseButton().m_hWnd));
        pumpMessages();
    }

    PaneHost host;
    ChannelPane pane;
    ClickableComponent lyrics;
    ClickableComponent files;
    RECT client{};
};

TEST_F(ChannelPaneTest, StartsCollapsedWithItsComponentsAsHiddenChildren) {
    EXPECT_TRUE(collapsed());
    EXPECT_EQ(pane.getWidth(), 24);
    EXPECT_EQ(::GetParent(lyrics.m_hWnd), pane.m_hWnd);
    EXPECT_EQ(::GetParent(files.m_hWnd), pane.m_hWnd);
    EXPECT_FALSE(pane.getCaption().isVisible());
    RECT r = windowRect(pane.m_hWnd, host.m_hWnd);
    EXPECT_EQ(r.right, client.right);
    EXPECT_EQ(r.bottom - r.top, client.bottom);
    pane.setVisible(false);
    EXPECT_EQ(pane.getWidth(), 0);
}

TEST_F(ChannelPaneTest, HoverSlidesTheTabOutOverItsNeighboursAndLeavingCollapsesIt) {
    pointAtTab(0);
    pane.openAtCursor();
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    EXPECT_TRUE(lyrics.isVisible());
    EXPECT_EQ(paneWindowWidth(), 250 + 24);
    EXPECT_EQ(pane.getWidth(), 24);  // the owner's layout does not make room
    EXPECT_TRUE(pane.getCaption().isVisible());
    RECT caption = windowRect(pane.getCaption().m_hWnd, pane.m_hWnd);
    EXPECT_EQ(caption.left, 0);
    EXPECT_EQ(caption.right, 250);
    EXPECT_EQ(caption.bottom, 20);
    RECT content = windowRect(lyrics.m_hWnd, pane.m_hWnd);
    EXPECT_EQ(content.top, 20);
    EXPECT_EQ(content.bottom, client.bottom);

    pointAtTab(1);
    ::SendMessageW(pane.m_hWnd, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(pane.getSelectedIndex(), 1);
    EXPECT_TRUE(files.isVisible());
    EXPECT_FALSE(lyrics.isVisible());

    // Over the content the pane stays open; far away the timer folds it up.
    pointAt(100, 200);
    EXPECT_FALSE(pumpUntil([&] { return collapsed(); }, 300));
    ::SetCursorPos(5, 5);
    EXPECT_TRUE(pumpUntil([&] { return collapsed(); }, 2000));
    EXPECT_TRUE(pane.isIdle());
}

TEST_F(ChannelPaneTest, ClickOnATabPinsAndOnTheSelectedTabUnpins) {
    clickTab(0);
    EXPECT_TRUE(pane.isPinned());
    EXPECT_EQ(pane.getCaption().getState(), 1);
    EXPECT_TRUE(pumpUntil([&] { return host.sizeMessages > 0; }));
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    EXPECT_EQ(pane.getWidth(), 250 + 24);
    EXPECT_TRUE(lyrics.isVisible());

    ::SetCursorPos(5, 5);
    pumpUntil([] { return false; }, 300);
    EXPECT_EQ(pane.getSelectedIndex(), 0);  // pinned: stays open

    clickTab(0);
    EXPECT_FALSE(pane.isPinned());
    EXPECT_EQ(pane.getWidth(), 24);
    ::SetCursorPos(5, 5);
    EXPECT_TRUE(pumpUntil([&] { return collapsed(); }, 2000));
}

TEST_F(ChannelPaneTest, CaptionClickTogglesPinning) {
    pointAtTab(1);
    pane.openAtCursor();
    ::SendMessageW(pane.m_hWnd, WM_COMMAND, MAKEWPARAM(ChannelPane::kCaptionId, 0xF5),
                   reinterpret_cast<LPARAM>(pane.getCaption().m_hWnd));
    EXPECT_TRUE(pane.isPinned());
    EXPECT_EQ(pane.getWidth(), 274);
    ::SendMessageW(pane.m_hWnd, WM_COMMAND, MAKEWPARAM(ChannelPane::kCaptionId, 0xF5),
                   reinterpret_cast<LPARAM>(pane.getCaption().m_hWnd));
    EXPECT_FALSE(pane.isPinned());
    EXPECT_TRUE(collapsed());
    EXPECT_TRUE(pumpUntil([&] { return host.sizeMessages >= 2; }));
}

TEST_F(ChannelPaneTest, MaximisingSpansTheAreaAndRestoringGivesTheWidthBack) {
    clickTab(0);
    closeCaption(true);
    EXPECT_TRUE(pane.getCaption().isClosed());
    EXPECT_EQ(paneWindowWidth(), client.right);
    EXPECT_EQ(lyrics.getWidth(), client.right - 24);
    closeCaption(false);
    EXPECT_EQ(lyrics.getWidth(), 250);
    EXPECT_EQ(paneWindowWidth(), 274);
}

TEST_F(ChannelPaneTest, RestoringANarrowSavedWidthKeepsTheCurrentWidth) {
    lyrics.setSize(30, 100);
    clickTab(0);
    EXPECT_EQ(paneWindowWidth(), 30 + 24);
    closeCaption(true);
    EXPECT_EQ(lyrics.getWidth(), client.right - 24);
    closeCaption(false);
    EXPECT_EQ(lyrics.getWidth(), client.right - 24);
}

TEST_F(ChannelPaneTest, DragOverATabOpensItLikeTheMouse) {
    pane.addFormat(CF_UNICODETEXT);
    auto* text = new DataObject;
    text->setText(L"dragged");
    pointAtTab(1);
    DWORD effect = DROPEFFECT_COPY;
    POINT p{};
    ::GetCursorPos(&p);
    pane.DragEnter(text, 0, POINTL{p.x, p.y}, &effect);
    EXPECT_EQ(pane.getSelectedIndex(), 1);
    EXPECT_TRUE(files.isVisible());
    pointAtTab(0);
    pane.DragOver(0, POINTL{p.x, p.y}, &effect);
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    pane.DragLeave();
    text->Release();
}

TEST_F(ChannelPaneTest, LayoutAndHoverReachTabWindowsByTheStoredHandleNotThroughAGoneComponent) {
    alignas(ClickableComponent) unsigned char storage[sizeof(ClickableComponent)];
    auto* gone = new (storage) ClickableComponent;
    ASSERT_TRUE(gone->createWithDefaultBounds(host.m_hWnd));
    pane.addTab(L"Gone", gone);
    gone->~ClickableComponent();
    // Whatever the freed memory holds next; here every word of it names a live window.
    Component bystander;
    ASSERT_TRUE(bystander.createWithDefaultBounds(host.m_hWnd));
    bystander.setBounds(5, 5, 40, 40);
    for (size_t at = 0; at + sizeof(HWND) <= sizeof storage; at += sizeof(HWND)) {
        std::memcpy(storage + at, &bystander.m_hWnd, sizeof(HWND));
    }
    clickTab(0);  // pins the pane and lays every tab's window out
    pointAtTab(2);
    ::SendMessageW(pane.m_hWnd, WM_MOUSEMOVE, 0, 0);
    pumpMessages();
    EXPECT_EQ(pane.getSelectedIndex(), 2);
    RECT r = windowRect(bystander.m_hWnd, host.m_hWnd);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right - r.left, 40);
    EXPECT_TRUE(bystander.isVisible());
}

TEST(ChannelPane, WithoutTabsNeverShowsItsCaptionAndIgnoresMaximising) {
    PaneHost host;
    ASSERT_TRUE(host.create());
    ChannelPane pane;
    ASSERT_TRUE(pane.create(host.m_hWnd, TabbedPane::kLeft));
    pane.setBounds(0, 0, 500, 300);
    POINT p{5, 5};
    ::ClientToScreen(pane.m_hWnd, &p);
    ::SetCursorPos(p.x, p.y);
    pane.openAtCursor();
    ::SendMessageW(pane.m_hWnd, WM_COMMAND, Caption::kCloseButtonId, 0);
    EXPECT_FALSE(pane.getCaption().isVisible());
    EXPECT_EQ(pane.getSelectedIndex(), -1);
    RECT r = windowRect(pane.m_hWnd, host.m_hWnd);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 24);
    ::SetCursorPos(0, 0);
}
