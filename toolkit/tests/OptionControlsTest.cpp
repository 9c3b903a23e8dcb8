#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/ComboBox.h"
#include "toolkit/widgets/GroupBox.h"
#include "toolkit/widgets/RadioButton.h"

namespace {

void setCtrl(bool down) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_CONTROL] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
}

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!::OpenClipboard(owner)) return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

void click(StateButton& button) {
    ::SendMessageW(button.m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageW(button.m_hWnd, WM_KEYUP, VK_SPACE, 0);
}

}  // namespace

class Combo : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        frame.setBounds(100, 100, 400, 300);
        frame.setVisible(true);
        ASSERT_TRUE(combo.create(frame.m_hWnd, 77, 10, 10, 150, 20));
        for (const wchar_t* item : {L"Shift_JIS", L"UTF-8", L"A much longer entry of the list"}) combo.insertItem(item);
    }
    RecordingFrame frame;
    ComboBox combo;
};

TEST_F(Combo, SelectsFindsAndReadsEntries) {
    EXPECT_EQ(combo.getItemCount(), 3);
    EXPECT_EQ(combo.getSelectedIndex(), -1);
    combo.setSelectedIndex(1);
    EXPECT_EQ(combo.getSelectedIndex(), 1);
    EXPECT_EQ(combo.getTextField().getText(), L"UTF-8");
    EXPECT_EQ(combo.findItemExact(L"Shift_JIS"), 0);
    EXPECT_EQ(combo.findItemExact(L"utf"), CB_ERR);
    EXPECT_EQ(combo.insertItem(L"first", 0), 0);
    EXPECT_EQ(combo.getItemText(0), L"first");
    EXPECT_EQ(combo.getItemText(9), L"");
    EXPECT_TRUE(combo.removeItem(0));
    combo.removeAllItems();
    EXPECT_EQ(combo.getItemCount(), 0);
}

TEST_F(Combo, MeasuresTheWidestEntryAndWidensItsList) {
    combo.updateMaxItemWidth();
    Graphics g(1, 1);
    g.setFont(::CreateFontIndirectW(&combo.getLogFont()));
    EXPECT_EQ(combo.getMaxItemWidth(), g.getTextWidth(L"A much longer entry of the list"));

    ASSERT_NE(combo.getDropDownList(), nullptr);
    HWND list = combo.getDropDownList();
    ::SetWindowPos(list, nullptr, 100, 100, 60, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    combo.fitDropDownWidth(list);
    RECT r{};
    ::GetWindowRect(list, &r);
    EXPECT_EQ(r.right - r.left, combo.getMaxItemWidth() + 20);

    // A list that would pass the right edge of the screen is moved back onto it.
    const int screen = ::GetSystemMetrics(SM_CXSCREEN);
    ::SetWindowPos(list, nullptr, screen - 30, 100, 60, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    combo.fitDropDownWidth(list);
    ::GetWindowRect(list, &r);
    EXPECT_EQ(r.right, screen);
}

TEST_F(Combo, TypingChangesNothingButCopyingWorks) {
    combo.setSelectedIndex(0);
    HWND edit = combo.getTextField().m_hWnd;
    ASSERT_NE(edit, nullptr);
    ::SendMessageW(edit, WM_CHAR, 'x', 0);
    ::SendMessageW(edit, WM_PASTE, 0, 0);
    ::SendMessageW(edit, WM_CUT, 0, 0);
    EXPECT_EQ(combo.getTextField().getText(), L"Shift_JIS");

    combo.setFocus();
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    setCtrl(true);
    ::SendMessageW(edit, WM_KEYDOWN, 'C', 0);
    setCtrl(false);
    EXPECT_EQ(clipboardText(frame.m_hWnd), L"Shift_JIS");
}

TEST_F(Combo, ClickingTheTextOpensTheList) {
    ::SendMessageW(combo.getTextField().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageW(combo.getTextField().m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(pumpUntil([&] { return ::SendMessageW(combo.m_hWnd, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    ::SendMessageW(combo.m_hWnd, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(Combo, HoverTimerStopsOnceTheCursorHasLeft) {
    ::SetCursorPos(0, 0);
    ::SendMessageW(combo.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(combo.isHovered());
    EXPECT_TRUE(pumpUntil([&] { return !combo.isHovered(); }, 1000));
}

class Radios : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(radios[i].create(frame.m_hWnd, 10 + i, L"Option", 10, 10 + 25 * i, 100, 20));
    }
    RecordingFrame frame;
    RadioButton radios[3];
};

TEST_F(Radios, CheckingOneUnchecksItsNeighbours) {
    radios[0].setChecked(true);
    radios[2].setChecked(true);
    click(radios[1]);
    EXPECT_FALSE(radios[0].isChecked());
    EXPECT_TRUE(radios[1].isChecked());
    EXPECT_FALSE(radios[2].isChecked());
    EXPECT_EQ(::SendMessageW(radios[1].m_hWnd, BM_GETCHECK, 0, 0), BST_CHECKED);
    // The click reached the parent as a command.
    EXPECT_EQ(frame.commands.back(), 11);
}

TEST_F(Radios, ClickingACheckedButtonLeavesItChecked) {
    click(radios[0]);
    click(radios[0]);
    EXPECT_TRUE(radios[0].isChecked());
}

TEST_F(Radios, AGroupStyleEndsTheGroup) {
    ::SetWindowLongW(radios[2].m_hWnd, GWL_STYLE, ::GetWindowLongW(radios[2].m_hWnd, GWL_STYLE) | WS_GROUP);
    RadioButton beyond;
    ASSERT_TRUE(beyond.create(frame.m_hWnd, 20, L"Other group", 10, 90, 100, 20));
    beyond.setChecked(true);
    radios[2].setChecked(true);
    click(radios[0]);
    EXPECT_FALSE(radios[2].isChecked());  // the WS_GROUP button ends the walk after itself
    EXPECT_TRUE(beyond.isChecked());
}

TEST(GroupBox, TabIntoAGroupWhoseFirstChildIsDisabledMovesOn) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    frame.setVisible(true);
    Component before;
    ASSERT_TRUE(before.createWithDefaultBounds(frame.m_hWnd));
    GroupBox group;
    ASSERT_TRUE(group.create(frame.m_hWnd, L"Options", 10, 40, 200, 120));
    RadioButton first;
    RadioButton second;
    ASSERT_TRUE(first.create(group.m_hWnd, L"First", 10, 20, 100, 20));
    ASSERT_TRUE(second.create(group.m_hWnd, L"Second", 10, 45, 100, 20));
    first.setEnabled(false);
    before.setFocus();
    pumpMessages();
    group.setFocus();
    EXPECT_TRUE(second.hasFocus());

    // Inside the group the focus stays where it is put.
    first.setEnabled(true);
    first.setFocus();
    EXPECT_TRUE(first.hasFocus());
}

namespace {

void setShift(bool down) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_SHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
}

void pressTab(Component& from) { ::SendMessageW(from.m_hWnd, WM_KEYDOWN, VK_TAB, 0); }

}  // namespace

TEST(GroupBox, OneTabLeavesTheGroupFromItsLastControlAndShiftTabFromItsFirst) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    frame.setVisible(true);
    Component before;
    ASSERT_TRUE(before.createWithDefaultBounds(frame.m_hWnd));
    GroupBox group;
    ASSERT_TRUE(group.create(frame.m_hWnd, L"Options", 10, 40, 200, 120));
    RadioButton first;
    RadioButton last;
    ASSERT_TRUE(first.create(group.m_hWnd, L"First", 10, 20, 100, 20));
    ASSERT_TRUE(last.create(group.m_hWnd, L"Last", 10, 45, 100, 20));
    Component after;
    ASSERT_TRUE(after.createWithDefaultBounds(frame.m_hWnd));
    pumpMessages();

    last.setFocus();
    pressTab(last);
    EXPECT_TRUE(after.hasFocus());

    first.setFocus();
    setShift(true);
    pressTab(first);
    setShift(false);
    EXPECT_TRUE(before.hasFocus());

    // Tab into the group and through it, one control per key press.
    pressTab(before);
    EXPECT_TRUE(first.hasFocus());
    pressTab(first);
    EXPECT_TRUE(last.hasFocus());
}

TEST(GroupBox, WithNothingBeyondItTabComesRoundToTheGroupsFirstControl) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    frame.setVisible(true);
    GroupBox group;
    ASSERT_TRUE(group.create(frame.m_hWnd, L"Options", 10, 10, 200, 120));
    RadioButton first;
    RadioButton last;
    ASSERT_TRUE(first.create(group.m_hWnd, L"First", 10, 20, 100, 20));
    ASSERT_TRUE(last.create(group.m_hWnd, L"Last", 10, 45, 100, 20));
    pumpMessages();
    last.setFocus();
    pressTab(last);
    EXPECT_TRUE(first.hasFocus());
}

TEST(GroupBox, CommandsOfItsControlsReachItsOwner) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    GroupBox group;
    ASSERT_TRUE(group.create(frame.m_hWnd, L"Options", 10, 40, 200, 120));
    RadioButton inside;
    ASSERT_TRUE(inside.create(group.m_hWnd, 31, L"Inside", 10, 20, 100, 20));
    click(inside);
    ASSERT_FALSE(frame.commands.empty());
    EXPECT_EQ(frame.commands.back(), 31);
}

// Not a check: shows the option controls for a screenshot. Run it by hand with
// --gtest_also_run_disabled_tests --gtest_filter=*OptionGallery* under a display.
TEST(OptionGallery, DISABLED_ShowOptionControls) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    frame.setText(L"Options");
    frame.setBounds(20, 20, 380, 240);
    GroupBox group;
    group.create(frame.m_hWnd, L"Search direction", 10, 10, 170, 110);
    RadioButton up, down, disabled;
    up.create(group.m_hWnd, L"Up", 12, 22, 140, 20);
    down.create(group.m_hWnd, L"Down", 12, 47, 140, 20);
    down.setChecked(true);
    disabled.create(group.m_hWnd, L"Disabled", 12, 72, 140, 20);
    disabled.setEnabled(false);
    ComboBox combo;
    combo.create(frame.m_hWnd, 5, 195, 14, 150, 20);
    for (const wchar_t* item : {L"Shift_JIS", L"UTF-8", L"EUC_JP"}) combo.insertItem(item);
    combo.setSelectedIndex(1);
    frame.setVisible(true);
    const char* seconds = std::getenv("GALLERY_SECONDS");
    pumpUntil([] { return false; }, (seconds ? std::atoi(seconds) : 3) * 1000);
}
