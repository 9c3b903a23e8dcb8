#include "toolkit/window/DialogProcedure.h"

#include <shellapi.h>

#include "toolkit/window/BaseWindow.h"
#include "toolkit/window/Dialog.h"

Dialog* dialogObjectOf(HWND hwnd) { return reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

namespace {

INT_PTR route(Dialog* dialog, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG:
            return dialog->createContents() ? TRUE : FALSE;
        case WM_SIZE:
            dialog->onSize(wParam, lParam);
            dialog->layoutButtons();
            return TRUE;
        case WM_CLOSE:
            if (dialog->onClose()) {
                dialog->close(0);
                return TRUE;
            }
            break;
        case WM_NOTIFY:
            return dialog->onNotify(wParam, lParam) ? TRUE : FALSE;
        case WM_COMMAND:
            dialog->onCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_TIMER:
            dialog->onTimer(wParam, lParam);
            break;
        case WM_DROPFILES: {
            auto drop = reinterpret_cast<HDROP>(wParam);
            std::vector<std::wstring> paths = readDroppedPaths(drop);
            ::DragFinish(drop);
            if (dialog->onDropFiles(paths)) return FALSE;
            break;
        }
        default:
            break;
    }
    return dialog->dialogProcHook(hwnd, msg, wParam, lParam);
}

}  // namespace

INT_PTR CALLBACK dialogProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = dialogObjectOf(hwnd);
    if (!dialog && msg == WM_INITDIALOG) {
        dialog = reinterpret_cast<Dialog*>(lParam);
        if (dialog) ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
    }
    if (!dialog) return FALSE;
    dialog->m_hWnd = hwnd;

    INT_PTR result = FALSE;
    // An exception must never unwind through user32's frames: that ends the process.
    try {
        result = route(dialog, hwnd, msg, wParam, lParam);
    } catch (...) {
        result = FALSE;
    }

    if (msg == WM_NCDESTROY) {
        // The last message of the window: no later message may reach the object, which
        // can be shown again or be gone by then.
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (dialog->m_hWnd == hwnd) dialog->m_hWnd = nullptr;
    }
    return result;
}
