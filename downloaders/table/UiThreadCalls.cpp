#include "downloaders/table/UiThreadCalls.h"

#include <exception>

namespace {

struct CallRequest {
    const std::function<void()>* step;
    std::exception_ptr error;
};

}  // namespace

bool UiThreadCalls::call(const std::function<void()>& step) {
    const HWND window = mWindow;
    if (!window) return false;
    if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId()) {
        step();
        return true;
    }
    CallRequest request{&step, nullptr};
    ::SendMessageW(window, kCallMessage, 0, reinterpret_cast<LPARAM>(&request));
    if (request.error) std::rethrow_exception(request.error);
    return true;
}

bool UiThreadCalls::post(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = mWindow;
    return window && ::PostMessageW(window, message, wParam, lParam);
}

void UiThreadCalls::handleMessage(LPARAM lParam) {
    auto* request = reinterpret_cast<CallRequest*>(lParam);
    // An exception must not unwind through the window procedure: it goes back to the worker.
    try {
        (*request->step)();
    } catch (...) {
        request->error = std::current_exception();
    }
}
