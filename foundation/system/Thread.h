// The base of every worker thread: a subclass implements run(), tests isStopped()
// between units of work, and stops the thread in its own destructor (the base
// destructor is only a backstop: by then the subclass's members are gone).
#pragma once

#include <windows.h>

#include <atomic>

class Thread {
public:
    Thread();
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // The thread's work; its result is the thread's exit code.
    virtual unsigned int run() = 0;
    // Stops any previous run, then starts run() on a new thread at the set priority.
    virtual void start();
    virtual void stop();

    bool isStopped() const { return mStopped.load(); }
    // Pumps one message of the calling thread, then answers whether the worker still runs.
    bool isRunning();
    void setPriority(int priority) { mPriority = priority; }

    // Milliseconds after a stop request before a worker that ignores it is terminated.
    static const DWORD kStopTimeoutMs = 10001;

protected:
    // Sets the stop flag, waits for the worker while keeping the calling thread's
    // windows alive, and terminates a worker that does not end in time.
    void stopThread();
    void requestStop();

private:
    static unsigned __stdcall threadEntry(void* self);

    int mPriority = THREAD_PRIORITY_HIGHEST;
    unsigned int mThreadId = 0;
    HANDLE mStopEvent = nullptr;
    HANDLE mCreationHandle = nullptr;
    HANDLE mThreadHandle = nullptr;
    std::atomic<bool> mStopped{true};
};
