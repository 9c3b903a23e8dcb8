#include <windows.h>

#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"
#include "toolkit/dnd/ClipboardViewer.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/widgets/CalendarPane.h"
#include "toolkit/widgets/Date.h"

namespace {

class CountingClipboardListener : public ClipboardListener {
public:
    void clipboardChanged(ClipboardEvent event) override {
        ++calls;
        lastSource = event.source;
        when = ::GetTickCount();
    }
    int calls = 0;
    void* lastSource = nullptr;
    DWORD when = 0;
};

}  // namespace

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ASSERT_TRUE(viewer.createWithDefaultBounds(frame.m_hWnd));
        viewer.setListener(&listener);
    }
    RecordingFrame frame;
    RecordingFrame next;
    ClipboardViewer viewer;
    CountingClipboardListener listener;
};

TEST_F(Clipboard, ABurstOfChangesGivesOneReportAfterAHundredMilliseconds) {
    EXPECT_FALSE(viewer.isVisible());
    const DWORD start = ::GetTickCount();
    for (int i = 0; i < 3; ++i) {
        ::SendMessageW(viewer.m_hWnd, WM_DRAWCLIPBOARD, 0, 0);
        ::Sleep(10);
    }
    ASSERT_TRUE(pumpUntil([&] { return listener.calls > 0; }, 2000));
    pumpUntil([] { return false; }, 250);
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(listener.lastSource, &viewer);
    EXPECT_GE(listener.when - start, 90u);
    EXPECT_FALSE(viewer.isTimerPending());
}

TEST_F(Clipboard, ChangesArePassedAlongTheChainEvenWhileSuspended) {
    ASSERT_TRUE(next.create());
    viewer.setNextViewer(next.m_hWnd);
    viewer.setSuspended(true);
    ::SendMessageW(viewer.m_hWnd, WM_DRAWCLIPBOARD, 0, 0);
    EXPECT_TRUE(next.received(WM_DRAWCLIPBOARD));
    EXPECT_FALSE(viewer.isTimerPending());
    pumpUntil([] { return false; }, 200);
    EXPECT_EQ(listener.calls, 0);
}

TEST_F(Clipboard, ChainChangesFollowTheRemovedWindow) {
    ASSERT_TRUE(next.create());
    RecordingFrame after;
    ASSERT_TRUE(after.create());
    viewer.setNextViewer(next.m_hWnd);

    // Another window leaves: the notice goes on down the chain.
    ::SendMessageW(viewer.m_hWnd, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(after.m_hWnd), 0);
    EXPECT_TRUE(next.received(WM_CHANGECBCHAIN));

    // The next viewer leaves: the one after it takes its place, and nobody is told.
    next.messages.clear();
    ::SendMessageW(viewer.m_hWnd, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(next.m_hWnd),
                   reinterpret_cast<LPARAM>(after.m_hWnd));
    EXPECT_EQ(viewer.getNextViewer(), after.m_hWnd);
    EXPECT_FALSE(next.received(WM_CHANGECBCHAIN));
}

TEST_F(Clipboard, WithoutAListenerTheTimerStillEnds) {
    viewer.setListener(nullptr);
    ::SendMessageW(viewer.m_hWnd, WM_DRAWCLIPBOARD, 0, 0);
    EXPECT_TRUE(viewer.isTimerPending());
    EXPECT_TRUE(pumpUntil([&] { return !viewer.isTimerPending(); }, 2000));
}

TEST_F(Clipboard, ARealClipboardChangeReachesTheListener) {
    viewer.joinChain();
    ASSERT_TRUE(::OpenClipboard(frame.m_hWnd));
    ::EmptyClipboard();
    const wchar_t text[] = L"copied";
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    memcpy(::GlobalLock(memory), text, sizeof text);
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    EXPECT_TRUE(pumpUntil([&] { return listener.calls > 0; }, 3000));
    viewer.destroy();
}

TEST(CalendarPane, ShowsTheDateAsYearMonthDay) {
    RecordingFrame frame;
    ASSERT_TRUE(frame.create());
    CalendarPane calendar;
    ASSERT_TRUE(calendar.create(frame.m_hWnd, 8, 8, 120, 20));
    Date date;
    date.set(2009, 4, 1);
    ::SendMessageW(calendar.m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID,
                   reinterpret_cast<LPARAM>(&date.getSystemTime()));
    EXPECT_EQ(calendar.getText(), L"2009/04/01");
    EXPECT_NE(calendar.getSavedWindowProc(), nullptr);  // on the toolkit's procedure
}

TEST(Date, StartsZeroedAndNormalizeFillsTheWeekday) {
    Date empty;
    EXPECT_FALSE(empty.isSet());
    EXPECT_EQ(empty.getDay(), 0);
    Date date;
    date.set(2026, 12, 7);
    EXPECT_TRUE(date.normalize());
    EXPECT_EQ(date.getDayOfWeek(), 1);  // a Monday
    Date invalid;
    invalid.set(2026, 13, 40);
    EXPECT_FALSE(invalid.normalize());
    EXPECT_EQ(invalid.getMonth(), 13);
}
