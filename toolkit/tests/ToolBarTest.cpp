#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testsupport/TestWindows.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/ToolBar.h"
#include "toolkit/widgets/ToolWindow.h"

namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);

// A strip picture: magenta background with a dark square in every 16-pixel cell.
std::wstring writeStrip(const TempDirectory& folder, const std::wstring& name, int width, int height) {
    Bitmap strip;
    EXPECT_TRUE(strip.create(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool square = x % 16 >= 3 && x % 16 < 12 && y >= 3 && y < 12;
            strip.setPixel(x, y, square ? RGB(40, 90, 160) : kMask);
        }
    const std::wstring path = folder.file(name);
    EXPECT_TRUE(strip.saveAs(path));
    return path;
}

// The main window of the tests: records commands, and reads the drop-down notification
// while its pointer is valid.
class MainFrame : public RecordingFrame {
public:
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(TBN_DROPDOWN)) {
            dropDownItems.push_back(reinterpret_cast<NMTOOLBARW*>(lParam)->iItem);
        }
        if (msg == WM_HSCROLL) scrollIds.push_back(LOWORD(wParam));
        return RecordingFrame::windowProc(hwnd, msg, wParam, lParam);
    }
    std::vector<int> dropDownItems;
    std::vector<int> scrollIds;
};

class SizedChild : public ClickableComponent {};

}  // namespace

TEST(ToolBarStrip, ImageSizeAndInitialCountComeFromTheStripHeight) {
    ToolBar::StripGeometry g = ToolBar::stripGeometry(240, 16);
    EXPECT_EQ(g.imageWidth, 16);
    EXPECT_EQ(g.imageHeight, 16);
    EXPECT_EQ(g.count, 15);
    g = ToolBar::stripGeometry(150, 15);
    EXPECT_EQ(g.imageWidth, 16);
    EXPECT_EQ(g.imageHeight, 15);
    EXPECT_EQ(g.count, 10);
    g = ToolBar::stripGeometry(64, 32);
    EXPECT_EQ(g.imageWidth, 32);
    EXPECT_EQ(g.count, 2);
    EXPECT_EQ(ToolBar::stripGeometry(100, 0).count, 0);
}

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ::SetWindowPos(frame.m_hWnd, HWND_TOP, 40, 40, 500, 200, SWP_SHOWWINDOW);
        ASSERT_TRUE(tools.createWithDefaultBounds(frame.m_hWnd));
        tools.setBounds(0, 0, 400, 40);
        ASSERT_TRUE(bar.create(tools.m_hWnd));
        bar.setBounds(0, 0, 300, 30);
        tools.addChild(&bar);
    }

    RECT buttonRect(int id) {
        RECT r{};
        ::SendMessageW(bar.m_hWnd, TB_GETRECT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    void click(int x, int y) {
        ::SendMessageW(bar.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        ::SendMessageW(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageW(bar.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    MainFrame frame;
    ToolWindow tools;
    ToolBar bar;
    TempDirectory folder;
};

TEST_F(ToolBarTest, StripPictureBecomesNormalAndDisabledImageLists) {
    ASSERT_TRUE(bar.setImage(writeStrip(folder, L"strip.bmp", 240, 16), kMask));
    ASSERT_NE(bar.getImageList(), nullptr);
    ASSERT_NE(bar.getDisabledImageList(), nullptr);
    EXPECT_EQ(::ImageList_GetImageCount(bar.getImageList()), 15);
    EXPECT_EQ(::ImageList_GetImageCount(bar.getDisabledImageList()), 15);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageW(bar.m_hWnd, TB_GETIMAGELIST, 0, 0)), bar.getImageList());
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageW(bar.m_hWnd, TB_GETDISABLEDIMAGELIST, 0, 0)),
              bar.getDisabledImageList());

    ASSERT_TRUE(bar.setImage(writeStrip(folder, L"short.bmp", 150, 15), kMask));
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(bar.getImageList(), &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 15);
}

TEST_F(ToolBarTest, PictureThatCannotBeOpenedThrows) {
    EXPECT_ANY_THROW(bar.setImage(folder.file(L"missing.bmp"), kMask));
    EXPECT_EQ(bar.getImageList(), nullptr);
}

TEST_F(ToolBarTest, ButtonsGetTheirOwnStringsAndIdZeroIsASeparator) {
    bar.addButton(0, 101, L"Open", TBSTATE_ENABLED, BTNS_BUTTON);
    bar.addButton(1, 0, nullptr, TBSTATE_ENABLED, BTNS_CHECK);
    bar.addButton(2, 102, L"Save", TBSTATE_ENABLED, BTNS_BUTTON);
    EXPECT_EQ(::SendMessageW(bar.m_hWnd, TB_BUTTONCOUNT, 0, 0), 3);
    TBBUTTON button{};
    ::SendMessageW(bar.m_hWnd, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.fsStyle, BTNS_SEP);
    ::SendMessageW(bar.m_hWnd, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.iString, 0);
    ::SendMessageW(bar.m_hWnd, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.iString, 1);  // one string per add: the list was terminated
    wchar_t text[32] = {};
    ::SendMessageW(bar.m_hWnd, TB_GETBUTTONTEXTW, 102, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Save");
    EXPECT_EQ(bar.getButtonState(101) & TBSTATE_ENABLED, TBSTATE_ENABLED);
}

TEST_F(ToolBarTest, ButtonStyleIsAddedToOrReplaced) {
    bar.addButton(0, 101, nullptr, TBSTATE_ENABLED, BTNS_CHECK);
    bar.setButtonStyle(101, BTNS_DROPDOWN, false);
    EXPECT_EQ(bar.getButtonStyle(101), BTNS_CHECK | BTNS_DROPDOWN);
    bar.setButtonStyle(101, BTNS_AUTOSIZE, true);
    EXPECT_EQ(bar.getButtonStyle(101), BTNS_AUTOSIZE);
}

TEST_F(ToolBarTest, EachButtonHasItsOwnTipOverItsOwnRectangle) {
    const std::vector<int> ids = {101, 102, 103};
    for (int id : ids) bar.addButton(0, id, nullptr, TBSTATE_ENABLED, BTNS_BUTTON);
    bar.setToolTip(L"Open", 101);
    bar.setToolTip(L"Play", 102);
    bar.setToolTip(L"Stop", 103);
    bar.setToolTip(L"Pause", 102);  // a second tip replaces the first
    HWND tip = bar.getToolTipHWND();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 3);
    const std::vector<std::wstring> texts = {L"Open", L"Pause", L"Stop"};
    for (size_t i = 0; i < ids.size(); ++i) {
        wchar_t text[80] = {};
        TOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = bar.m_hWnd;
        info.uId = static_cast<UINT_PTR>(ids[i]);
        info.lpszText = text;
        ASSERT_TRUE(::SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
        const RECT expected = buttonRect(ids[i]);
        EXPECT_TRUE(::EqualRect(&info.rect, &expected)) << ids[i];
        ::SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(std::wstring(text), texts[i]);
    }
}

TEST_F(ToolBarTest, ButtonClickReachesTheMainWindowAsACommand) {
    bar.addButton(0, 101, nullptr, TBSTATE_ENABLED, BTNS_BUTTON);
    bar.addButton(1, 102, nullptr, TBSTATE_ENABLED, BTNS_BUTTON);
    RECT r = buttonRect(102);
    click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    // The tool window posts commands on: they arrive once the queue is pumped.
    EXPECT_TRUE(pumpUntil([&] { return !frame.commands.empty(); }));
    EXPECT_EQ(frame.commands, std::vector<int>{102});
}

TEST_F(ToolBarTest, DropDownArrowReachesTheMainWindowWhileTheNotificationIsValid) {
    bar.addButton(0, 101, nullptr, TBSTATE_ENABLED, BTNS_DROPDOWN);
    RECT r = buttonRect(101);
    click(r.right - 3, (r.top + r.bottom) / 2);
    EXPECT_EQ(frame.dropDownItems, std::vector<int>{101});
    pumpMessages();
}

TEST_F(ToolBarTest, TabCharacterMovesTheFocusOn) {
    SizedChild next;
    ASSERT_TRUE(next.createWithDefaultBounds(tools.m_hWnd));
    next.setBounds(310, 0, 50, 30);
    bar.setFocus();
    ::SendMessageW(bar.m_hWnd, WM_CHAR, VK_TAB, 0);
    EXPECT_TRUE(next.hasFocus());
}

TEST_F(ToolBarTest, ResizedBandShowsItsOwnColourUnderTheToolBar) {
    bar.addButton(0, 101, nullptr, TBSTATE_ENABLED, BTNS_BUTTON);
    tools.setBackColor(RGB(200, 0, 0));
    ::UpdateWindow(frame.m_hWnd);
    const COLORREF band = RGB(20, 160, 40);
    tools.setBackColor(band);
    for (int step = 1; step <= 3; ++step) {  // a frame's corner dragged: the band moves down and widens
        tools.setBounds(0, 10 * step, 400 + 20 * step, 40);
        ::UpdateWindow(frame.m_hWnd);
    }
    HDC dc = ::GetDC(bar.m_hWnd);
    const COLORREF top = ::GetPixel(dc, 250, 1);  // past the only button
    const COLORREF middle = ::GetPixel(dc, 250, 15);
    ::ReleaseDC(bar.m_hWnd, dc);
    EXPECT_EQ(top, band);
    EXPECT_EQ(middle, band);
}

TEST(ToolWindow, RowEndsAtTheRightEdgeWhenTooLongAndStartsAtTheOffsetOtherwise) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    ToolWindow row;
    ASSERT_TRUE(row.createWithDefaultBounds(frame.m_hWnd));
    SizedChild a;
    SizedChild b;
    ASSERT_TRUE(a.createWithDefaultBounds(row.m_hWnd));
    ASSERT_TRUE(b.createWithDefaultBounds(row.m_hWnd));
    a.setBounds(0, 5, 60, 20);
    b.setBounds(0, 7, 70, 20);
    row.addChild(&a);
    row.addChild(&b);
    EXPECT_EQ(row.getChildrenWidth(), 130);

    row.setBounds(0, 0, 100, 30);
    EXPECT_EQ(a.getX(), 0);
    EXPECT_EQ(b.getX(), 60);
    EXPECT_EQ(b.getY(), 7);  // each child keeps its own y

    row.setStartOffset(20);
    row.setBounds(0, 0, 300, 30);
    EXPECT_EQ(a.getX(), 20);
    EXPECT_EQ(b.getX(), 80);

    row.setHorizontal(false);
    row.setBounds(0, 0, 301, 60);
    EXPECT_EQ(a.getX(), 0);
    EXPECT_EQ(a.getY(), 0);
    EXPECT_EQ(b.getY(), 20);

    row.destroy();
    EXPECT_TRUE(row.getChildren().empty());
}

TEST(ToolWindow, PassesScrollsOnAndReportsRightClicks) {
    MainFrame frame;
    ASSERT_TRUE(frame.create());
    ::SetWindowPos(frame.m_hWnd, HWND_TOP, 40, 40, 300, 100, SWP_SHOWWINDOW);
    ToolWindow tools;
    ASSERT_TRUE(tools.createWithDefaultBounds(frame.m_hWnd));
    tools.setBounds(0, 0, 200, 40);
    tools.setId(9);
    ::SendMessageW(tools.m_hWnd, WM_HSCROLL, MAKEWPARAM(33, 5), 0);
    EXPECT_TRUE(frame.scrollIds.empty());  // posted, not sent
    EXPECT_TRUE(pumpUntil([&] { return !frame.scrollIds.empty(); }));
    EXPECT_EQ(frame.scrollIds, std::vector<int>{33});

    POINT p{10, 10};
    ::ClientToScreen(tools.m_hWnd, &p);
    ::SetCursorPos(p.x, p.y);
    ::SendMessageW(tools.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(frame.notifyCodes, std::vector<int>{static_cast<int>(NM_RCLICK)});
}
