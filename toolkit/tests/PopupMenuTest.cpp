#include <gtest/gtest.h>

#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/window/PopupMenu.h"

namespace {

// Keys that a thread timer posts once the menu's own loop runs.
std::vector<WPARAM>& pendingKeys() {
    static std::vector<WPARAM> keys;
    return keys;
}
HWND keyTarget = nullptr;

void CALLBACK pressPendingKeys(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    for (WPARAM key : pendingKeys()) {
        ::PostMessageW(keyTarget, WM_KEYDOWN, key, 1);
        ::PostMessageW(keyTarget, WM_KEYUP, key, 0xC0000001);
    }
    pendingKeys().clear();
}

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        frame.setVisible(true);
        ::SetForegroundWindow(frame.m_hWnd);
        keyTarget = frame.m_hWnd;
    }
    // Shows the menu and answers what it returns after the keys were pressed in it.
    int trackWithKeys(PopupMenu& menu, std::vector<WPARAM> keys) {
        pendingKeys() = std::move(keys);
        ::SetTimer(nullptr, 0, 100, pressPendingKeys);
        return menu.track(frame.m_hWnd, 50, 50, 0);
    }

    RecordingFrame frame;
};

TEST_F(PopupMenuTest, ReturnsTheChosenIdWithoutSendingACommand) {
    PopupMenu menu;
    EXPECT_NE(menu.addItem(L"&First", 41, true), nullptr);
    menu.addItem(L"&Second", 42, true);
    menu.checkItem(42, true);
    EXPECT_EQ(trackWithKeys(menu, {VK_DOWN, VK_DOWN, VK_RETURN}), 42);
    pumpMessages();
    EXPECT_TRUE(frame.commands.empty());
    EXPECT_TRUE(frame.fallbackCommands.empty());
    EXPECT_EQ(::GetMenuState(menu.getHandle(), 42, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(trackWithKeys(menu, {VK_DOWN, VK_RETURN}), 41) << "a menu can be shown again";
}

TEST_F(PopupMenuTest, ARunOfTabsBeforeAShortcutBecomesOne) {
    PopupMenu menu;
    menu.addItem(L"&Undo\t\tCtrl+Z", 100, true);
    wchar_t shown[64] = {};
    ::GetMenuStringW(menu.getHandle(), 100, shown, 64, MF_BYCOMMAND);
    EXPECT_STREQ(shown, L"&Undo\tCtrl+Z");
}

TEST_F(PopupMenuTest, DismissingAnswersZeroAndGreyedItemsCannotBeChosen) {
    PopupMenu menu;
    menu.addItem(L"Greyed", 7, false);
    EXPECT_EQ(trackWithKeys(menu, {VK_ESCAPE}), 0);
    EXPECT_EQ(trackWithKeys(menu, {VK_DOWN, VK_RETURN, VK_ESCAPE}), 0);
}

TEST_F(PopupMenuTest, EmptyTextsBecomeSeparators) {
    PopupMenu menu;
    menu.addItem(L"One", 1);
    EXPECT_EQ(menu.addItem(L"", 2), nullptr);
    EXPECT_EQ(menu.addItem(nullptr, 3), nullptr);
    menu.addItem(L"Two", 4);
    ASSERT_EQ(::GetMenuItemCount(menu.getHandle()), 4);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoW(menu.getHandle(), 1, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
}

TEST(PopupMenuLifetimeTest, ManyMenusComeAndGoWithoutLeakingHandles) {
    // Each menu destroys its two handles exactly once; a double destroy would hit a
    // handle that a later menu may already reuse.
    HMENU survivor = ::CreatePopupMenu();
    ::AppendMenuW(survivor, MF_STRING, 1, L"keep");
    for (int i = 0; i < 200; ++i) {
        PopupMenu menu;
        menu.addItem(L"x", 1);
    }
    EXPECT_TRUE(::IsMenu(survivor));
    EXPECT_EQ(::GetMenuItemCount(survivor), 1);
    ::DestroyMenu(survivor);
}

}  // namespace
