#include "toolkit/dnd/ClipboardViewer.h"

ClipboardViewer::~ClipboardViewer() { destroy(); }

bool ClipboardViewer::onCreate() {
    setVisible(false);
    return true;
}

LRESULT ClipboardViewer::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DRAWCLIPBOARD:
            onDrawClipboard(msg, wParam, lParam);
            return 0;
        case WM_CHANGECBCHAIN:
            onChangeCBChain(msg, wParam, lParam);
            return 0;
        case WM_TIMER:
            ::KillTimer(hwnd, wParam);
            if (wParam == 1 || ::IsWindow(reinterpret_cast<HWND>(wParam))) fireClipboardChanged();
            mTimerPending = false;
            return 0;
        case WM_DESTROY:
            leaveChain();
            return Component::windowProc(hwnd, msg, wParam, lParam);
        default:
            return Component::windowProc(hwnd, msg, wParam, lParam);
    }
}

void ClipboardViewer::onDrawClipboard(UINT msg, WPARAM wParam, LPARAM lParam) {
    // While suspended the viewer skips only its own report: the rest of the chain must
    // still hear of the change.
    if (!m_hWnd) return;
    if (mNextViewer) ::SendMessageW(mNextViewer, msg, wParam, lParam);
    if (mSuspended || mTimerPending) return;
    HWND sender = reinterpret_cast<HWND>(wParam);
    UINT_PTR id = (sender && ::IsWindow(sender)) ? wParam : 1;
    ::SetTimer(m_hWnd, id, 100, nullptr);
    mTimerPending = true;
}

void ClipboardViewer::fireClipboardChanged() {
    if (mListener) mListener->clipboardChanged(ClipboardEvent(this));
}

void ClipboardViewer::onChangeCBChain(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND removed = reinterpret_cast<HWND>(wParam);
    if (removed == mNextViewer) {
        mNextViewer = reinterpret_cast<HWND>(lParam);
    } else if (mNextViewer) {
        ::SendMessageW(mNextViewer, msg, wParam, lParam);
    }
}

void ClipboardViewer::joinChain() {
    if (!m_hWnd || mInChain) return;
    mNextViewer = ::SetClipboardViewer(m_hWnd);
    mInChain = true;
}

void ClipboardViewer::leaveChain() {
    // A viewer that joined as the last of the chain has no next viewer but must still
    // take itself out, or the chain would point at a destroyed window.
    if ((mNextViewer || mInChain) && m_hWnd) ::ChangeClipboardChain(m_hWnd, mNextViewer);
    mNextViewer = nullptr;
    mInChain = false;
}
