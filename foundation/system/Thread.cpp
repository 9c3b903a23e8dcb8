#include "foundation/system/Thread.h"

#include <mmsystem.h>
#include <process.h>

Thread::Thread() = default;

Thread::~Thread() {
    stop();
    stopThread();
}

unsigned __stdcall Thread::threadEntry(void* self) { return static_cast<Thread*>(self)->run(); }

void Thread::start() {
    stopThread();
    uintptr_t created = ::_beginthreadex(nullptr, 0, &Thread::threadEntry, this, CREATE_SUSPENDED, &mThreadId);
    if (created == 0) return;
    mCreationHandle = reinterpret_cast<HANDLE>(created);
    mStopped = false;
    mThreadHandle = ::OpenThread(THREAD_ALL_ACCESS, TRUE, mThreadId);
    if (!mThreadHandle) {
        // The suspended thread would never run nor end: end it and stay stopped.
        ::TerminateThread(mCreationHandle, 1);
        ::CloseHandle(mCreationHandle);
        mCreationHandle = nullptr;
        mStopped = true;
        return;
    }
    ::SetThreadPriority(mThreadHandle, mPriority);
    ::ResumeThread(mThreadHandle);
}

void Thread::stop() { stopThread(); }

void Thread::requestStop() {
    if (mStopEvent && ::WaitForSingleObject(mStopEvent, 0) == WAIT_TIMEOUT) ::SetEvent(mStopEvent);
}

bool Thread::isRunning() {
    MSG msg{};
    if (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (::GetMessageW(&msg, nullptr, 0, 0) == 0) {
            // Whoever runs the message loop must still see the quit request.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
        } else {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return mThreadHandle && ::WaitForSingleObject(mThreadHandle, 0) == WAIT_TIMEOUT;
}

void Thread::stopThread() {
    mStopped = true;
    if (mThreadHandle) {
        requestStop();
        const DWORD start = ::timeGetTime();
        while (isRunning()) {
            if (::timeGetTime() - start >= kStopTimeoutMs) {
                ::TerminateThread(mThreadHandle, 1);
                break;
            }
            // Sleep until the worker ends or a message arrives, at most a millisecond.
            ::MsgWaitForMultipleObjects(1, &mThreadHandle, FALSE, 1, QS_ALLINPUT);
        }
        ::CloseHandle(mThreadHandle);
    }
    if (mCreationHandle) ::CloseHandle(mCreationHandle);
    if (mStopEvent) ::CloseHandle(mStopEvent);
    mThreadHandle = nullptr;
    mCreationHandle = nullptr;
    mStopEvent = nullptr;
}
