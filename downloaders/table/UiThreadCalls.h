// Lets a download worker change a dialog's table and buttons: each step runs on the
// dialog's own thread while the worker waits, so the window is never touched from two
// threads. Once the dialog detaches (it is closing), steps are dropped.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

class UiThreadCalls {
public:
    // The private message a dialog hands to handleMessage.
    static constexpr UINT kCallMessage = WM_APP + 40;

    void attach(HWND window) { mWindow = window; }
    void detach() { mWindow = nullptr; }
    bool isAttached() const { return mWindow.load() != nullptr; }

    // Runs the step on the window's thread (at once when called there) and waits for it.
    // An exception of the step is thrown again here. False when detached: not run.
    bool call(const std::function<void()>& step);
    // Posts a message to the window; false when detached.
    bool post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // For the window's procedure: runs the step a kCallMessage carries.
    static void handleMessage(LPARAM lParam);

private:
    std::atomic<HWND> mWindow{nullptr};
};
