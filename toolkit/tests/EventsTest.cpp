#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "testsupport/TestWindows.h"
#include "toolkit/tests/TestFrames.h"
#include "toolkit/window/ListenerList.h"

namespace {

class ChangeRecorder : public ChangeListener {
public:
    void stateChanged(ChangeEvent event) override { ids.push_back(event.id); }
    std::vector<int> ids;
};

class KeyRecorder : public KeyListener {
public:
    void onKeyEvent(KeyEvent event) override { keys.push_back(event.keyCode); }
    std::vector<int> keys;
};

// Registers a second listener while it is being called.
class RegisteringListener : public EventListener {
public:
    RegisteringListener(ListenerList& list, EventListener* other) : mList(list), mOther(other) {}
    void handleEvent(EventObject*) override { mList.add("EventListener", mOther); }

private:
    ListenerList& mList;
    EventListener* mOther;
};

}  // namespace

TEST(ListenerList, SameListenerTwiceIsCalledOncePerEvent) {
    ListenerList list;
    RecordingListener listener;
    list.add("EventListener", &listener);
    list.add("EventListener", &listener);
    EventObject event(nullptr, 7, 0);
    EXPECT_TRUE(list.fire("EventListener", &event));
    EXPECT_EQ(listener.ids, std::vector<int>{7});
    EXPECT_FALSE(list.fire("ChangeListener", &event));
}

TEST(ListenerList, ListenerAddedDuringTheWalkIsCalledToo) {
    ListenerList list;
    RecordingListener late;
    RegisteringListener first(list, &late);
    list.add("EventListener", &first);
    EventObject event(nullptr, 3, 0);
    list.fire("EventListener", &event);
    EXPECT_EQ(late.ids, std::vector<int>{3});
}

TEST(ListenerList, TypedListenersIgnoreEventsOfAnotherClass) {
    ChangeRecorder change;
    KeyRecorder key;
    EventObject plain(nullptr, 1, 0);
    change.handleEvent(&plain);
    key.handleEvent(&plain);
    EXPECT_TRUE(change.ids.empty());
    EXPECT_TRUE(key.keys.empty());

    ChangeEvent changed(nullptr, 5, 1);
    change.handleEvent(&changed);
    EXPECT_EQ(change.ids, std::vector<int>{5});
}

TEST(Events, KeyEventForNmReturnCarriesTheReturnKey) {
    KeyEvent fromNotify(nullptr, NM_RETURN, 0);
    EXPECT_EQ(fromNotify.keyCode, VK_RETURN);
    EXPECT_EQ(fromNotify.reserved, 0);
    KeyEvent key(nullptr, 'A', 0);
    EXPECT_EQ(key.keyCode, 'A');
    MouseEvent mouse(nullptr, WM_MOUSEMOVE, 4, 9);
    EXPECT_EQ(mouse.data, 0);
    EXPECT_EQ(mouse.x, 4);
}

class ComponentEvents : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.create());
        ASSERT_TRUE(component.create(frame.m_hWnd, 10, 10, 80, 30));
        component.setId(42);
    }
    void TearDown() override { ::ReleaseCapture(); }

    RecordingFrame frame;
    ClickableComponent component;
};

TEST_F(ComponentEvents, ClickReachesTheParentAsNotifyWhenNobodyListens) {
    ::SendMessageW(component.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_FALSE(frame.notifyCodes.empty());
    EXPECT_NE(std::find(frame.notifyCodes.begin(), frame.notifyCodes.end(), NM_CLICK), frame.notifyCodes.end());
    EXPECT_EQ(frame.notifyIds.back(), 42);
}

TEST_F(ComponentEvents, ClickGoesOnlyToARegisteredListener) {
    RecordingListener listener;
    component.addEventListener(&listener);
    frame.notifyCodes.clear();
    ::SendMessageW(component.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(std::find(frame.notifyCodes.begin(), frame.notifyCodes.end(), NM_CLICK), frame.notifyCodes.end());
    EXPECT_NE(std::find(listener.ids.begin(), listener.ids.end(), NM_CLICK), listener.ids.end());
    ASSERT_FALSE(listener.sources.empty());
    EXPECT_EQ(listener.sources.back(), static_cast<void*>(&component));
}

TEST_F(ComponentEvents, KeyListenersReadTheKeyAndTheFiringComponent) {
    class SourceRecorder : public KeyListener {
    public:
        void onKeyEvent(KeyEvent event) override {
            keys.push_back(event.getKeyCode());
            source = event.getSource();
        }
        std::vector<int> keys;
        void* source = nullptr;
    } recorder;
    component.addKeyListener(&recorder);
    KeyEvent fromNotify(&component, NM_RETURN, 0);
    KeyEvent letter(&component, 'Q', 0);
    component.getListenerList().fire("KeyListener", &fromNotify);
    component.getListenerList().fire("KeyListener", &letter);
    EXPECT_EQ(recorder.keys, (std::vector<int>{VK_RETURN, 'Q'}));
    EXPECT_EQ(recorder.source, static_cast<void*>(&component));
}

TEST_F(ComponentEvents, MouseMovesAlwaysReachTheParent) {
    RecordingListener listener;
    component.addEventListener(&listener);
    frame.notifyCodes.clear();
    ::SendMessageW(component.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(frame.notifyCodes, std::vector<int>{1});
    EXPECT_TRUE(listener.ids.empty());
}

TEST_F(ComponentEvents, MouseListenersSeeEveryMessageOfAnEnabledComponent) {
    RecordingListener mouse;
    component.getListenerList().add("MouseListener", &mouse);
    ::SendMessageW(component.m_hWnd, WM_MOUSEMOVE, 0, 0);
    ::SendMessageW(component.m_hWnd, WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(mouse.ids, (std::vector<int>{WM_MOUSEMOVE, WM_RBUTTONUP}));
    component.setEnabled(false);
    ::SendMessageW(component.m_hWnd, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(mouse.ids.size(), 2u);
}

TEST_F(ComponentEvents, DestroyForgetsTheListeners) {
    RecordingListener listener;
    component.addEventListener(&listener);
    component.destroy();
    ASSERT_TRUE(component.create(frame.m_hWnd, 0, 0, 10, 10));
    EXPECT_EQ(component.getListenerList().count("EventListener"), 0u);
}

namespace {

class DropTargetFrame : public RecordingFrame {
public:
    bool onDropFiles(const std::vector<std::wstring>& paths) override {
        ++batches;
        dropped = paths;
        return true;
    }
    int batches = 0;
    std::vector<std::wstring> dropped;
};

HGLOBAL makeDrop(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    list += L'\0';
    SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    return memory;
}

}  // namespace

TEST(DroppedFiles, ABatchArrivesOnceInOrderAtFullLength) {
    DropTargetFrame frame;
    ASSERT_TRUE(frame.create());
    std::wstring longPath = L"C:\\" + std::wstring(300, L'd') + L"\\song.mp3";
    std::vector<std::wstring> paths = {L"C:\\a.mp3", longPath, L"C:\\\u97f3\u58f0.ogg"};
    ::SendMessageW(frame.m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(makeDrop(paths)), 0);
    EXPECT_EQ(frame.batches, 1);
    EXPECT_EQ(frame.dropped, paths);
}
