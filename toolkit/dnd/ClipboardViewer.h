// A hidden component in the clipboard-viewer chain that tells one listener, at most
// once per 100 ms burst, that the clipboard changed. It never reads the clipboard.
#pragma once

#include "toolkit/window/Component.h"

class ClipboardEvent : public EventObject {
public:
    explicit ClipboardEvent(void* source) : EventObject(source, 0, 0) {}
};

class ClipboardListener : public EventListener {
public:
    virtual void clipboardChanged(ClipboardEvent event) = 0;
};

class ClipboardViewer : public Component {
public:
    ClipboardViewer() = default;
    ~ClipboardViewer() override;

    bool onCreate() override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual void onDrawClipboard(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void fireClipboardChanged();
    virtual void onChangeCBChain(UINT msg, WPARAM wParam, LPARAM lParam);

    // Joins the chain, keeping the window that followed as the next viewer.
    void joinChain();
    void leaveChain();
    void setListener(ClipboardListener* listener) { mListener = listener; }
    void setSuspended(bool suspended) { mSuspended = suspended; }
    void setNextViewer(HWND next) { mNextViewer = next; }
    HWND getNextViewer() const { return mNextViewer; }
    bool isTimerPending() const { return mTimerPending; }

private:
    HWND mNextViewer = nullptr;
    ClipboardListener* mListener = nullptr;
    bool mTimerPending = false;
    bool mSuspended = false;
    bool mInChain = false;
};
