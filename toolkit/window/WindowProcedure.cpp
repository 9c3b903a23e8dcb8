#include "toolkit/window/WindowProcedure.h"

#include <cwchar>

#include "toolkit/window/BaseWindow.h"

BaseWindow* windowObjectOf(HWND hwnd) {
    return reinterpret_cast<BaseWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

namespace {

// Sends WM_MOUSEWHEEL to a sibling window of the same top-level window under the cursor.
bool forwardMouseWheel(HWND hwnd, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    HWND target = ::WindowFromPoint(p);
    if (!target || target == hwnd || ::IsChild(hwnd, target)) return false;
    if (::GetAncestor(target, GA_ROOT) != ::GetAncestor(hwnd, GA_ROOT)) return false;
    result = ::SendMessageW(target, WM_MOUSEWHEEL, wParam, lParam);
    return true;
}

LRESULT route(BaseWindow* object, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            if (!object->onCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam))) {
                object->onCommand(wParam, lParam);
            }
            return 0;
        case WM_CREATE:
            if (object->onCreate()) return 0;
            return object->onCreateDefault(lParam);
        case WM_SIZE:
            object->onSize(wParam, lParam);
            return 0;
        case WM_CLOSE:
            if (!object->onClose()) return 0;
            if (object->m_hWnd) object->destroy();
            break;
        case WM_TIMER:
            if (object->onTimer(wParam, lParam)) return 0;
            break;
        case WM_MOUSEWHEEL: {
            LRESULT result = 0;
            if (forwardMouseWheel(hwnd, wParam, lParam, result)) return result;
            break;
        }
        case WM_DROPFILES:
            if (object->onDropFiles(reinterpret_cast<HDROP>(wParam))) return 0;
            break;
        default:
            break;
    }
    return object->windowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK windowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    BaseWindow* object = windowObjectOf(hwnd);
    if (!object && (msg == WM_NCCREATE || msg == WM_CREATE)) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        object = static_cast<BaseWindow*>(create->lpCreateParams);
        if (object) {
            object->m_hWnd = hwnd;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        }
    }
    if (!object) return ::DefWindowProcW(hwnd, msg, wParam, lParam);

    LRESULT result = 0;
    // An exception must never unwind through user32's frames: that ends the process.
    try {
        result = route(object, hwnd, msg, wParam, lParam);
    } catch (...) {
        result = object->defaultWindowProc(hwnd, msg, wParam, lParam);
    }

    if (msg == WM_DESTROY && windowObjectOf(hwnd) == object) {
        // Detach: the control gets its own procedure back, and no later message of this
        // window can reach the object, which may be gone by then.
        if (object->mSavedWindowProc) {
            ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(object->mSavedWindowProc));
            object->mSavedWindowProc = nullptr;
        }
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (object->m_hWnd == hwnd) object->m_hWnd = nullptr;
    }
    return result;
}

void subclassControl(BaseWindow& window) {
    HWND hwnd = window.m_hWnd;
    if (!hwnd) return;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
    window.mSavedWindowProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProcedure)));
}

namespace {

bool isTabStop(HWND hwnd) {
    // On a top-level window the WS_TABSTOP bit is the maximise box: only child windows
    // are tab stops, so the walk never hands the focus to a frame.
    const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
    return ::IsWindowEnabled(hwnd) && ::IsWindowVisible(hwnd) && (style & WS_CHILD) != 0 &&
           (style & WS_TABSTOP) != 0;
}

bool isDialogClass(HWND hwnd) {
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    return ::_wcsicmp(name, L"#32770") == 0;
}

enum class Walk { Focused, MetOrigin, EndOfChain };

// Gives the focus to the first tab stop from `candidate` on in the direction of `step`.
Walk walkSiblings(HWND candidate, HWND origin, UINT step) {
    for (; candidate; candidate = ::GetWindow(candidate, step)) {
        if (candidate == origin) return Walk::MetOrigin;
        if (isTabStop(candidate)) {
            ::SetFocus(candidate);
            return Walk::Focused;
        }
    }
    return Walk::EndOfChain;
}

}  // namespace

bool moveFocus(BaseWindow& window, bool forward, HWND from) {
    if (!from) from = window.m_hWnd;
    if (!from) return false;
    const UINT step = forward ? GW_HWNDNEXT : GW_HWNDPREV;
    // Climbing out of nested dialog panes ends at the first level that is not one.
    for (;;) {
        Walk walk = walkSiblings(::GetWindow(from, step), from, step);
        if (walk != Walk::EndOfChain) return walk == Walk::Focused;
        HWND parent = ::GetParent(from);
        if (!parent) return false;
        if (isTabStop(parent)) {
            if (!isDialogClass(parent)) {
                ::SetFocus(parent);
                return true;
            }
            HWND grandParent = ::GetParent(parent);
            if (grandParent && isDialogClass(grandParent)) {
                from = parent;  // continue among the pane's own siblings
                continue;
            }
        }
        // Wrap around inside the parent; meeting the starting window again ends the walk.
        HWND first = ::GetWindow(::GetWindow(parent, GW_CHILD), forward ? GW_HWNDFIRST : GW_HWNDLAST);
        return walkSiblings(first, from, step) == Walk::Focused;
    }
}
