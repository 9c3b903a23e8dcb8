#include "toolkit/window/Dialog.h"

#include "toolkit/window/DialogProcedure.h"
#include "toolkit/window/DialogTemplate.h"

namespace {

const int kButtonWidth = 92;
const int kButtonHeight = 21;
// Distance between the left edges of neighbouring buttons.
const int kButtonPitch = 100;
// The rightmost button's left edge stands this far from the window's right edge.
const int kRowRightInset = 112;

}  // namespace

Dialog::Dialog() = default;

Dialog::~Dialog() {
    // A modeless window must not outlive its object: its messages would reach freed memory.
    if (mModeless && m_hWnd) ::DestroyWindow(m_hWnd);
    mCancelButton.destroy();
    mOkButton.destroy();
    mApplyButton.destroy();
}

bool Dialog::close(int result) {
    if (m_hWnd) {
        if (mModeless) {
            ::DestroyWindow(m_hWnd);
        } else {
            ::EndDialog(m_hWnd, result);
        }
    }
    m_hWnd = nullptr;
    return true;
}

void Dialog::setTitle(const wchar_t* title) {
    if (m_hWnd) ::SetWindowTextW(m_hWnd, title ? title : L"");
}

void Dialog::setTitle(const std::wstring& title) { setTitle(title.c_str()); }

void Dialog::setLocation(int x, int y) {
    if (m_hWnd) ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Dialog::setSize(int width, int height) {
    if (m_hWnd) ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

void Dialog::setBounds(int x, int y, int width, int height) {
    if (m_hWnd) ::MoveWindow(m_hWnd, x, y, width, height, TRUE);
}

void Dialog::repaint() {
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void Dialog::centre() { centreOnDesktop(getWidth(), getHeight()); }

void Dialog::centreOnDesktop(int width, int height) {
    if (!m_hWnd) return;
    RECT desktop{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ::SetWindowPos(m_hWnd, nullptr, (desktop.right - width) / 2, (desktop.bottom - height) / 2, width, height,
                   SWP_SHOWWINDOW);
}

INT_PTR Dialog::dialogProcHook(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
bool Dialog::createContents() { return true; }
bool Dialog::onOk() { return true; }
bool Dialog::onCancel() { return true; }
bool Dialog::onClose() { return true; }
bool Dialog::onApply() { return true; }
bool Dialog::spareHook1() { return false; }
bool Dialog::onDropFiles(const std::vector<std::wstring>&) { return false; }
bool Dialog::spareHook2() { return false; }
bool Dialog::spareHook3() { return false; }
bool Dialog::spareHook4() { return false; }
bool Dialog::onTimer(WPARAM, LPARAM) { return true; }
bool Dialog::onNotify(WPARAM, LPARAM) { return false; }
void Dialog::onSize(WPARAM, LPARAM) {}

bool Dialog::onCommand(HWND control, int id, int code) {
    switch (id) {
        case kOkId:
            if (onOk()) close(kOkId);
            return true;
        case kCancelId:
            if (onCancel()) close(kCancelId);
            return true;
        case kApplyId:
            // Applied: nothing is left to apply until the subclass enables it again.
            if (onApply()) mApplyButton.setEnabled(false);
            return true;
        default:
            return dialogProcHook(m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control)) != 0;
    }
}

void Dialog::moveNearCursor() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const LONG x = cursor.x - 160;
    const LONG y = cursor.y - 160;
    setLocation(x < 0 ? 0 : x, y < 0 ? 0 : y);
}

void Dialog::createButtons(int flags) {
    if (!m_hWnd) return;
    const RECT client = getClientRect();
    const int y = client.bottom - 30;
    // The row ends at the right whichever buttons it holds: one pitch per button
    // beyond the first.
    int count = 0;
    for (int flag : {kOkId, kCancelId, kApplyId})
        if (flags & flag) ++count;
    int x = getWidth() - kRowRightInset - kButtonPitch * (count > 0 ? count - 1 : 0);
    if (flags & kOkId) {
        mOkButton.create(m_hWnd, kOkId, L"OK", x, y, kButtonWidth, kButtonHeight);
        x += kButtonPitch;
    }
    if (flags & kCancelId) {
        mCancelButton.create(m_hWnd, kCancelId, L"Cancel", x, y, kButtonWidth, kButtonHeight);
        x += kButtonPitch;
    }
    if (flags & kApplyId) {
        mApplyButton.create(m_hWnd, kApplyId, L"Apply", x, y, kButtonWidth, kButtonHeight);
        mApplyButton.setEnabled(false);
    }
}

void Dialog::layoutButtons() {
    if (!m_hWnd) return;
    const int y = getHeight() - 64;
    int x = getWidth() - kRowRightInset;
    // From the right, stepping left only past the buttons that exist, so that a row
    // without Apply keeps its place.
    for (Button* button : {&mApplyButton, &mCancelButton, &mOkButton}) {
        if (!button->m_hWnd) continue;
        button->setBounds(x, y, kButtonWidth, kButtonHeight);
        x -= kButtonPitch;
    }
}

bool showModalDialog(HWND parent, Dialog& dialog) {
    dialog.mModeless = false;
    const std::vector<WORD> words = buildDialogTemplate(false);
    const INT_PTR result =
        ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(words.data()),
                                  parent, dialogProcedure, reinterpret_cast<LPARAM>(&dialog));
    dialog.m_hWnd = nullptr;
    // -1: the dialog could not be shown, which is no acceptance either.
    return result != -1 && result != 0 && result != IDCANCEL && result != Dialog::kCancelId;
}

bool showModelessDialog(HWND parent, Dialog& dialog) {
    if (dialog.getHWND(0)) return true;
    const std::vector<WORD> words = buildDialogTemplate(true);
    // Set before creation so that createContents already sees a modeless dialog.
    dialog.mModeless = true;
    HWND window =
        ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(words.data()),
                                     parent, dialogProcedure, reinterpret_cast<LPARAM>(&dialog));
    if (!window) dialog.mModeless = false;
    return window != nullptr;
}

HWND createLabel(HWND parent, const std::wstring& text, int x, int y, int width, int height) {
    HWND label = ::CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE, x, y + 2, width, height - 2,
                                   parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!label) return nullptr;
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    ::SetWindowTextW(label, text.c_str());
    return label;
}
