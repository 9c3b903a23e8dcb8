#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/TabbedPane.h"

namespace {

class SelectionRecorder : public ChangeListener {
public:
    void stateChanged(ChangeEvent event) override { codes.push_back(event.id); }
    std::vector<int> codes;
};

class RefusingListener : public TabListener {
public:
    bool canRemoveTab(TabbedPane&, int index) override { return index != refuseRemoving; }
    bool canMoveTab(TabbedPane&, int, int) override { return allowMoves; }
    int refuseRemoving = -1;
    bool allowMoves = true;
};

class OpenTabbedPane : public TabbedPane {
public:
    LOGFONTW& font() { return mLogFont; }
};

std::wstring titles(const TabbedPane& pane) {
    std::wstring all;
    for (int i = 0; i < pane.getTabCount(); ++i) all += pane.getTabTitle(i) + L"|";
    return all;
}

}  // namespace

class TabbedPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ::SetWindowPos(frame.m_hWnd, HWND_TOP, 60, 60, 500, 300, SWP_SHOWWINDOW);
        ASSERT_TRUE(pane.create(frame.m_hWnd, TabbedPane::kTop));
        pane.setBounds(0, 0, 400, 200);
        for (auto& page : pages) {
            ASSERT_TRUE(page.createWithDefaultBounds(frame.m_hWnd));
            page.setBounds(0, 30, 400, 170);
        }
        pane.addChangeListener(&recorder);
    }

    bool shown(int page) { return ::IsWindowVisible(pages[page].m_hWnd) != FALSE; }

    void clickAt(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(pane.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
        ::SendMessageW(pane.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(pane.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    RecordingFrame frame;
    OpenTabbedPane pane;
    ClickableComponent pages[3];
    SelectionRecorder recorder;
};

TEST_F(TabbedPaneTest, AddInsertAndSelectShowOnlyTheSelectedComponent) {
    pane.addTab(L"Lyrics", &pages[0]);
    pane.addTab(L"File", &pages[2]);
    pane.insertTab(L"Words", &pages[1], 1);
    EXPECT_EQ(titles(pane), L"Lyrics|Words|File|");
    EXPECT_EQ(pane.indexOfComponent(&pages[2]), 2);
    EXPECT_EQ(pane.indexOfComponent(nullptr), -1);
    EXPECT_EQ(pane.getSelectedIndex(), -1);

    pane.select(1, true);
    EXPECT_EQ(pane.getSelectedIndex(), 1);
    EXPECT_FALSE(shown(0));
    EXPECT_TRUE(shown(1));
    EXPECT_FALSE(shown(2));
    EXPECT_EQ(recorder.codes, std::vector<int>{TabbedPane::kSelectionChange});
    // Without an event listener the change also reaches the parent as TCN_SELCHANGE.
    EXPECT_EQ(frame.notifyCodes, std::vector<int>{static_cast<int>(TCN_SELCHANGE)});

    pane.select(1, true);  // the same tab again: nothing
    pane.select(2, false);
    EXPECT_TRUE(shown(2));
    EXPECT_EQ(recorder.codes.size(), 1u);
}

TEST_F(TabbedPaneTest, SelectionIndexesAreCheckedOrFolded) {
    pane.addTab(L"A", &pages[0]);
    pane.addTab(L"B", &pages[1]);
    pane.select(1, false);
    pane.select(7, false);  // past the end: the first tab
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    pane.select(-5, true);  // a negative index other than -1: nothing
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    EXPECT_TRUE(shown(0));
    pane.select(-1, false);  // -1 clears and hides every component
    EXPECT_EQ(pane.getSelectedIndex(), -1);
    EXPECT_FALSE(shown(0));
    EXPECT_FALSE(shown(1));
    EXPECT_TRUE(recorder.codes.empty());

    TabbedPane empty;
    empty.select(3, true);
    EXPECT_EQ(empty.getSelectedIndex(), -1);
}

TEST_F(TabbedPaneTest, ArrowKeysStepAndStopAtTheEnds) {
    pane.addTab(L"A", &pages[0]);
    pane.select(0, false);
    ::SendMessageW(pane.m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);  // one tab: nothing
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    pane.addTab(L"B", &pages[1]);
    pane.addTab(L"C", &pages[2]);
    EXPECT_EQ(::SendMessageW(pane.m_hWnd, WM_KEYDOWN, VK_LEFT, 0), 0);
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    ::SendMessageW(pane.m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageW(pane.m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageW(pane.m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(pane.getSelectedIndex(), 2);
    EXPECT_TRUE(shown(2));
    EXPECT_EQ(recorder.codes.size(), 2u);
}

TEST_F(TabbedPaneTest, InsertingAComponentThatHasATabSwapsInsteadOfAdding) {
    pane.addTab(L"A", &pages[0]);
    pane.addTab(L"B", &pages[1]);
    pane.addTab(L"C", &pages[2]);
    pane.select(0, false);
    pane.insertTab(L"again", &pages[0], 2);
    EXPECT_EQ(titles(pane), L"C|B|A|");
    EXPECT_EQ(pane.getSelectedIndex(), 2);  // the selection follows its tab
    EXPECT_TRUE(shown(0));

    // At the end there is no slot to swap with: nothing happens.
    pane.addTab(L"again", &pages[1]);
    pane.insertTab(L"again", &pages[1], -2);
    EXPECT_EQ(titles(pane), L"C|B|A|");
    EXPECT_EQ(pane.getTabCount(), 3);

    RefusingListener listener;
    listener.allowMoves = false;
    pane.setTabListener(&listener);
    pane.moveTab(0, 1);
    EXPECT_EQ(titles(pane), L"C|B|A|");
    pane.setTabListener(nullptr);
}

TEST_F(TabbedPaneTest, PressSelectsAndTheReleaseAddsNothing) {
    pane.addTab(L"A", &pages[0]);
    pane.addTab(L"B", &pages[1]);
    RECT second{};
    pane.getTabRect(1, second);
    clickAt(second.left + 10, 10);
    EXPECT_EQ(pane.getSelectedIndex(), 1);
    EXPECT_EQ(recorder.codes.size(), 1u);
    // A click on the empty strip beside the tabs keeps the selection.
    clickAt(300, 10);
    EXPECT_EQ(pane.getSelectedIndex(), 1);
    EXPECT_TRUE(shown(1));
    EXPECT_EQ(recorder.codes.size(), 1u);
}

TEST_F(TabbedPaneTest, RemovingAndClosingKeepTheSelectionOnItsTab) {
    pane.addTab(L"A", &pages[0]);
    pane.addTab(L"B", &pages[1]);
    pane.addTab(L"C", &pages[2]);
    pane.select(2, false);
    EXPECT_TRUE(pane.removeTab(0));
    EXPECT_EQ(pane.getSelectedIndex(), 1);
    EXPECT_EQ(pane.getTabTitle(1), L"C");
    EXPECT_FALSE(pane.removeTab(5));
    EXPECT_FALSE(pane.removeTab(-1));
    EXPECT_TRUE(::IsWindow(pages[0].m_hWnd));  // a removed tab's component is not destroyed

    pane.closeTab(1);  // closing the selected tab selects its neighbour
    EXPECT_EQ(titles(pane), L"B|");
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    EXPECT_FALSE(shown(2));
    EXPECT_TRUE(shown(1));
}

TEST_F(TabbedPaneTest, DestroyRemovesTabsFromTheLastUntilOneIsRefused) {
    pane.addTab(L"A", &pages[0]);
    pane.addTab(L"B", &pages[1]);
    pane.addTab(L"C", &pages[2]);
    pane.select(0, false);
    RefusingListener listener;
    listener.refuseRemoving = 1;
    pane.setTabListener(&listener);
    pane.destroy();
    EXPECT_EQ(titles(pane), L"A|B|");
    EXPECT_EQ(pane.getSelectedIndex(), -1);
    EXPECT_EQ(pane.m_hWnd, nullptr);
    listener.refuseRemoving = -1;
    pane.destroy();
    EXPECT_EQ(pane.getTabCount(), 0);
    pane.setTabListener(nullptr);
}

TEST_F(TabbedPaneTest, AnswersTheTabControlMessagesWithCheckedIndexes) {
    HWND h = pane.m_hWnd;
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(L"First");
    item.lParam = reinterpret_cast<LPARAM>(&pages[0]);
    ::SendMessageW(h, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.pszText = const_cast<wchar_t*>(L"Second");
    item.lParam = reinterpret_cast<LPARAM>(&pages[1]);
    ::SendMessageW(h, TCM_INSERTITEMW, 1, reinterpret_cast<LPARAM>(&item));
    item.pszText = const_cast<wchar_t*>(L"Nowhere");
    item.lParam = reinterpret_cast<LPARAM>(&pages[2]);
    ::SendMessageW(h, TCM_INSERTITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(::SendMessageW(h, TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(titles(pane), L"First|Second|");

    TCITEMW rename{};
    rename.mask = TCIF_TEXT;
    rename.pszText = const_cast<wchar_t*>(L"Renamed");
    ::SendMessageW(h, TCM_SETITEMW, 1, reinterpret_cast<LPARAM>(&rename));
    ::SendMessageW(h, TCM_SETITEMW, 4, reinterpret_cast<LPARAM>(&rename));
    EXPECT_EQ(titles(pane), L"First|Renamed|");
    EXPECT_EQ(pane.getTabTitle(2), L"");
    EXPECT_EQ(pane.getTabTitle(-1), L"");

    ::SendMessageW(h, TCM_SETCURSEL, 1, 0);
    EXPECT_EQ(::SendMessageW(h, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(recorder.codes.empty());  // selecting by message does not notify

    RECT r{};
    EXPECT_EQ(::SendMessageW(h, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)), 1);
    EXPECT_EQ(r.left, 80);
    EXPECT_EQ(r.right, 160);
    EXPECT_EQ(r.bottom, 24);
    TCHITTESTINFO hit{};
    hit.pt = POINT{100, 5};
    EXPECT_EQ(::SendMessageW(h, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    hit.pt = POINT{170, 5};
    EXPECT_EQ(::SendMessageW(h, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(::SendMessageW(h, TCM_GETROWCOUNT, 0, 0), 1);
    EXPECT_EQ(::SendMessageW(h, TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&rename)), 0);

    ::SendMessageW(h, TCM_DELETEITEM, 0, 0);
    ::SendMessageW(h, TCM_DELETEITEM, 3, 0);
    EXPECT_EQ(titles(pane), L"Renamed|");
    EXPECT_EQ(::SendMessageW(h, TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(TabbedPaneTest, InsertingPastTheEndByMessageAppendsAsTheSystemControlDoes) {
    pane.addTab(L"First", &pages[0]);
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<wchar_t*>(L"Last");
    item.lParam = reinterpret_cast<LPARAM>(&pages[1]);
    ::SendMessageW(pane.m_hWnd, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(titles(pane), L"First|Last|");
    EXPECT_EQ(pane.indexOfComponent(&pages[1]), 1);
    // A component that has a tab already stays where it is: there is nothing past the end to swap with.
    ::SendMessageW(pane.m_hWnd, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(titles(pane), L"First|Last|");
}

TEST_F(TabbedPaneTest, ATabReachesItsWindowByTheStoredHandleNotThroughAGoneComponent) {
    alignas(ClickableComponent) unsigned char storage[sizeof(ClickableComponent)];
    auto* gone = new (storage) ClickableComponent;
    ASSERT_TRUE(gone->createWithDefaultBounds(frame.m_hWnd));
    pane.addTab(L"Gone", gone);
    pane.addTab(L"Kept", &pages[0]);
    gone->~ClickableComponent();
    // Whatever the freed memory holds next; here every word of it names a live window.
    Component bystander;
    ASSERT_TRUE(bystander.createWithDefaultBounds(frame.m_hWnd));
    bystander.setBounds(420, 10, 40, 40);
    for (size_t at = 0; at + sizeof(HWND) <= sizeof storage; at += sizeof(HWND)) {
        std::memcpy(storage + at, &bystander.m_hWnd, sizeof(HWND));
    }
    pane.select(1, true);
    pane.select(0, true);
    pane.closeTab(0);
    EXPECT_TRUE(bystander.isVisible());
    EXPECT_EQ(pane.getSelectedIndex(), 0);
    EXPECT_TRUE(shown(0));
}

TEST_F(TabbedPaneTest, CommandsAndNotificationsGoOnToTheParent) {
    ::SendMessageW(pane.m_hWnd, WM_COMMAND, MAKEWPARAM(77, 0), 0);
    EXPECT_EQ(frame.commands, std::vector<int>{77});
    NMHDR header{pages[0].m_hWnd, 5, static_cast<UINT>(NM_DBLCLK)};
    ::SendMessageW(pane.m_hWnd, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(frame.notifyCodes, std::vector<int>{static_cast<int>(NM_DBLCLK)});
}

TEST_F(TabbedPaneTest, TabRectanglesFollowThePlacement) {
    pane.addTab(L"A", &pages[0]);
    pane.addTab(L"B", &pages[1]);
    RECT r{};
    pane.setTabPlacement(TabbedPane::kRight);
    pane.getTabRect(1, r);
    EXPECT_EQ(r.left, 400 - 24);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.right, 400);
    EXPECT_EQ(r.bottom, 160);
    EXPECT_TRUE(pane.getStyle() & TCS_VERTICAL);
    EXPECT_EQ(pane.getLogFont().lfEscapement, -900);
    pane.setTabPlacement(TabbedPane::kLeft);
    pane.getTabRect(5, r);  // past the end: after every tab, default length
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 160);
    EXPECT_EQ(r.right, 24);
    EXPECT_EQ(r.bottom, 240);
}

TEST_F(TabbedPaneTest, VerticalFaceNameStaysInsideTheFontRecord) {
    const std::wstring longFace(31, L'F');
    wcsncpy(pane.font().lfFaceName, longFace.c_str(), 32);
    pane.setTabPlacement(TabbedPane::kRight);
    std::wstring face = pane.getLogFont().lfFaceName;
    EXPECT_EQ(face, L"@" + std::wstring(30, L'F'));
    pane.setTabPlacement(TabbedPane::kLeft);  // no second "@"
    EXPECT_EQ(std::wstring(pane.getLogFont().lfFaceName).rfind(L"@@", 0), std::wstring::npos);
    pane.setTabPlacement(TabbedPane::kTop);
    EXPECT_EQ(pane.getLogFont().lfFaceName[0], L'F');
    EXPECT_EQ(pane.getLogFont().lfEscapement, 0);
}
