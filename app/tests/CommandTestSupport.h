// Driving the main window as a learner does: keys through the program's message loop,
// and the modal windows (dialogs, popup menus) that a command opens answered from a
// watcher thread while the command waits in their loop.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Presses Ctrl (and Shift) with the key while `focused` has the focus, and runs the
// pending messages through the accelerator translation of the program's loop.
void pressAccelerator(HWND mainWindow, HACCEL table, HWND focused, WORD key, bool shift = false);

// Waits on its own thread for a visible top-level window of the class among the
// windows of the thread that made it, and runs the action there with its handle.
class WindowWatcher {
public:
    WindowWatcher(const wchar_t* className, std::function<void(HWND)> action, int timeoutMs = 5000);
    ~WindowWatcher();
    // Waits for the action to finish; false when no window appeared in time.
    bool join();

private:
    std::atomic<bool> mFired{false};
    std::atomic<bool> mStop{false};
    std::thread mWorker;
};

struct MenuEntry {
    UINT id = 0;
    std::wstring text;
    bool separator = false;
    bool grayed = false;
    bool checked = false;
};
std::vector<MenuEntry> readMenu(HMENU menu);

// From a watcher: the entries of the open popup menu window, and choosing an item by
// its id with the keyboard (or dismissing it with id 0).
std::vector<MenuEntry> readOpenMenu(HWND menuWindow);
void chooseMenuItem(HWND menuWindow, UINT id);

// From a watcher: types the path into an open or save dialog's file name field and
// presses OK (an empty path presses Cancel).
void answerFileDialog(HWND dialog, const std::wstring& path);
