// Remembers the thread that first calls note(), so that a test can tell afterwards
// whether that thread (a worker) has really ended, whatever its owner's state says.
#pragma once

#include <windows.h>

#include <atomic>

class ThreadWatch {
public:
    ThreadWatch() = default;
    ThreadWatch(const ThreadWatch&) = delete;
    ThreadWatch& operator=(const ThreadWatch&) = delete;
    ~ThreadWatch() {
        if (mThread) ::CloseHandle(mThread);
    }

    // Called on the thread to watch; later calls change nothing.
    void note() {
        if (mThread) return;
        HANDLE thread = ::OpenThread(SYNCHRONIZE, FALSE, ::GetCurrentThreadId());
        HANDLE none = nullptr;
        if (thread && !mThread.compare_exchange_strong(none, thread)) ::CloseHandle(thread);
    }
    bool noted() const { return mThread.load() != nullptr; }
    // False too when no thread was noted.
    bool hasEnded() const { return mThread && ::WaitForSingleObject(mThread, 0) == WAIT_OBJECT_0; }

private:
    std::atomic<HANDLE> mThread{nullptr};
};
