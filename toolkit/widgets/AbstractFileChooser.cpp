#include "toolkit/widgets/AbstractFileChooser.h"

#include <climits>
#include <initializer_list>

namespace {

// The common dialog's file-type label and list: the lowest row of its own controls. The
// label may wrap onto a second line below the list.
const int kFileTypeLabelId = 1089;
const int kFileTypeListId = 1136;
// Space between the file-type row and the hook window's row, and below that row.
const int kRowGap = 4;

// The dialog moves the hook window's controls down by the height of its own controls,
// as if the hook window covered the whole dialog: the topmost control goes back to the
// hook window's top, the others keep their places relative to it.
void moveControlsToTop(HWND hook) {
    LONG top = LONG_MAX;
    for (HWND child = ::GetWindow(hook, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, hook, reinterpret_cast<POINT*>(&r), 2);
        if (r.top < top) top = r.top;
    }
    if (top == LONG_MAX || top <= 0) return;
    for (HWND child = ::GetWindow(hook, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, hook, reinterpret_cast<POINT*>(&r), 2);
        ::SetWindowPos(child, nullptr, r.left, r.top - top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

AbstractFileChooser* chooserOf(HWND hook) {
    return reinterpret_cast<AbstractFileChooser*>(::GetWindowLongPtrW(hook, GWLP_USERDATA));
}

}  // namespace

bool AbstractFileChooser::onInitDialog() {
    centreDialog();
    return true;
}

UINT_PTR AbstractFileChooser::onInitDone() { return 0; }
void AbstractFileChooser::onSelChange() {}
bool AbstractFileChooser::onSize(WPARAM, LPARAM) { return true; }
void AbstractFileChooser::onDestroy() {}
UINT_PTR AbstractFileChooser::onCommand(HWND, int, int) { return TRUE; }

bool AbstractFileChooser::showSaveDialog(OPENFILENAMEW& record) {
    mRecord = &record;
    record.lCustData = reinterpret_cast<LPARAM>(this);
    record.lpfnHook = fileChooserHookProcedure;
    // The hook runs only with these flags.
    record.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK;
    const bool chosen = ::GetSaveFileNameW(&record) != FALSE;
    mRecord = nullptr;
    return chosen;
}

void AbstractFileChooser::centreDialog() {
    if (!mDialog) return;
    RECT desktop{};
    RECT dialog{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ::GetWindowRect(mDialog, &dialog);
    const int width = dialog.right - dialog.left;
    const int height = dialog.bottom - dialog.top;
    ::SetWindowPos(mDialog, nullptr, (desktop.left + desktop.right - width) / 2,
                   (desktop.top + desktop.bottom - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AbstractFileChooser::makeRoomBelow(int height) {
    if (!mDialog || !mHook) return;
    RECT client{};
    ::GetClientRect(mDialog, &client);
    ::SetWindowPos(mHook, nullptr, 0, 0, client.right, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int AbstractFileChooser::fileTypeRowBottom() const {
    int bottom = -1;
    for (int id : {kFileTypeLabelId, kFileTypeListId}) {
        HWND control = ::GetDlgItem(mDialog, id);
        if (!control) continue;
        RECT r{};
        ::GetWindowRect(control, &r);
        ::MapWindowPoints(nullptr, mDialog, reinterpret_cast<POINT*>(&r), 2);
        if (r.bottom > bottom) bottom = r.bottom;
    }
    return bottom;
}

void AbstractFileChooser::arrangeHookWindow() {
    if (!mDialog || !mHook) return;
    RECT hook{};
    ::GetClientRect(mHook, &hook);
    if (hook.bottom > 0 && fileTypeRowBottom() >= 0) {
        // Without a template of its own the hook window starts at the dialog's top left,
        // over the dialog's controls: it goes under the file-type row, and the dialog
        // grows first when the row would not fit (its own controls may move then).
        RECT client{};
        ::GetClientRect(mDialog, &client);
        const int missing = fileTypeRowBottom() + kRowGap + hook.bottom + kRowGap - client.bottom;
        if (missing > 0) {
            RECT frame{};
            ::GetWindowRect(mDialog, &frame);
            ::SetWindowPos(mDialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + missing,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        moveControlsToTop(mHook);
        // The dialog leaves an empty hook window hidden.
        ::SetWindowPos(mHook, nullptr, 0, fileTypeRowBottom() + kRowGap, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    centreDialog();
}

RECT AbstractFileChooser::controlRectInHook(int id) const {
    RECT rect{};
    HWND control = ::GetDlgItem(mDialog, id);
    if (!control || !mHook) return rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, mHook, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

UINT_PTR CALLBACK fileChooserHookProcedure(HWND hook, UINT msg, WPARAM wParam, LPARAM lParam) {
    AbstractFileChooser* chooser = chooserOf(hook);
    if (!chooser && msg == WM_INITDIALOG) {
        auto* record = reinterpret_cast<OPENFILENAMEW*>(lParam);
        chooser = record ? reinterpret_cast<AbstractFileChooser*>(record->lCustData) : nullptr;
        if (chooser) {
            chooser->mHook = hook;
            chooser->mDialog = ::GetParent(hook);
            ::SetWindowLongPtrW(hook, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(chooser));
        }
    }
    if (!chooser) return 0;
    // An exception must never unwind through the common dialog's frames.
    try {
        switch (msg) {
            case WM_INITDIALOG:
                return chooser->onInitDialog() ? TRUE : FALSE;
            case WM_NOTIFY:
                switch (reinterpret_cast<NMHDR*>(lParam)->code) {
                    case CDN_INITDONE:
                        chooser->arrangeHookWindow();
                        return chooser->onInitDone();
                    case CDN_SELCHANGE:
                        chooser->onSelChange();
                        return 0;
                    default:
                        return 0;
                }
            case WM_DESTROY:
                chooser->onDestroy();
                return 0;
            case WM_NCDESTROY:
                ::SetWindowLongPtrW(hook, GWLP_USERDATA, 0);
                chooser->mHook = nullptr;
                chooser->mDialog = nullptr;
                return 0;
            case WM_SIZE:
                chooser->onSize(wParam, lParam);
                return 0;
            case WM_COMMAND:
                return chooser->onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam), LOWORD(wParam));
            default:
                return 0;
        }
    } catch (...) {
        return 0;
    }
}
