// A tabbed pane used as a collapsible side panel: only its 24-pixel tab strip stays
// visible; hovering over a tab slides that tab's component out over the neighbours,
// clicking pins it open, and a caption above the content toggles pinning (a click) and a
// maximised width (its close button).
#pragma once

#include "toolkit/dnd/DropTarget.h"
#include "toolkit/widgets/Caption.h"
#include "toolkit/widgets/TabbedPane.h"

class ChannelPane : public TabbedPane, public DropTarget {
public:
    static constexpr int kCaptionId = 10;
    static constexpr int kHoverTimer = 1;

    ChannelPane() = default;
    ~ChannelPane() override;

    int getWidth() const override;
    void destroy() override;
    // The area the pane may use, as left, top, right and bottom; then lays out.
    void setBounds(int left, int top, int right, int bottom) override;
    bool onCommand(WPARAM wParam, LPARAM lParam) override;
    using TabbedPane::onCommand;
    bool onCreate() override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    bool onTimer(WPARAM wParam, LPARAM lParam) override;
    bool onLButtonDown(int x, int y) override;
    bool onMouseMove(int x, int y) override;
    void onMouseEnter() override;
    void onMouseLeave() override;
    bool create(HWND parent, int placement) override;
    using TabbedPane::create;
    void insertTab(const std::wstring& title, Component* component, int index) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Drags over the pane open it like the mouse does.
    void onDragEnter() override { onMouseEnter(); }
    void onDragOver(DWORD, int, int, DWORD*) override { forceCheckHover(); }

    void openAtCursor() { onMouseEnter(); }
    void forceCheckHover();
    void setExpanded(bool pinned);
    bool isPinned() const { return mPinned; }
    bool isIdle() const { return mIdle; }
    void togglePinned();
    void toggleMaximized();
    void relayoutParent();
    Caption& getCaption() { return mCaption; }

private:
    void checkHover();
    // Through the handle the tab stored: the component itself may be gone.
    void showTabWindow(int index);
    void layout() { onSize(0, 0); }

    Caption mCaption;
    RECT mArea{};
    RECT mSavedRect{};
    int mPaneWidth = 0;
    bool mIdle = true;
    bool mPinnedSkip = false;
    bool mPinned = false;
    int mLeaveState = 0;
};
