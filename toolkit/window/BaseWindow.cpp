#include "toolkit/window/BaseWindow.h"

#include <shellapi.h>

#include <cwchar>

#include "toolkit/window/WindowProcedure.h"

namespace {

// Tooltips are topmost on NT-family systems only.
bool isNtPlatform() {
    static const bool nt = [] {
        OSVERSIONINFOEXW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (!::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) {
            info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
            ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
        }
        return info.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS;
    }();
    return nt;
}

}  // namespace

BaseWindow::BaseWindow() : mToolInfo{}, mClassName{} {}

BaseWindow::~BaseWindow() { BaseWindow::destroy(); }

void BaseWindow::destroy() {
    if (mToolTip) {
        ::DestroyWindow(mToolTip);
        mToolTip = nullptr;
    }
    if (m_hWnd) {
        HWND window = m_hWnd;
        ::DestroyWindow(window);
        // WM_DESTROY clears the handle; a window of another thread is not destroyed here.
        m_hWnd = nullptr;
    }
}

bool BaseWindow::create() {
    destroy();
    ::CreateWindowExW(0, mClassName, L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    return m_hWnd != nullptr;
}

bool BaseWindow::createWithDefaultBounds(HWND parent) {
    return create(parent, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
}

bool BaseWindow::create(HWND parent, int x, int y, int width, int height) {
    destroy();
    if (mClassName[0] == L'\0') registerClass(L"BaseWindowPane", nullptr, 0);
    ::CreateWindowExW(0, mClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x, y, width,
                      height, parent, nullptr, ::GetModuleHandleW(nullptr), this);
    return m_hWnd != nullptr;
}

std::wstring BaseWindow::getTextCopy() const { return getText(); }

// The window's top-left corner, in the parent's client coordinates for a child window.
static POINT positionInParent(HWND hwnd) {
    RECT r{};
    if (!hwnd || !::GetWindowRect(hwnd, &r)) return POINT{0, 0};
    POINT p{r.left, r.top};
    HWND parent = ::GetParent(hwnd);
    if (parent && (::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) ::ScreenToClient(parent, &p);
    return p;
}

int BaseWindow::getX() const { return positionInParent(m_hWnd).x; }

int BaseWindow::getY() const { return positionInParent(m_hWnd).y; }

void BaseWindow::setText(const wchar_t* text) {
    if (m_hWnd) ::SetWindowTextW(m_hWnd, text ? text : L"");
}

void BaseWindow::setText(const std::wstring& text) {
    if (m_hWnd) ::SetWindowTextW(m_hWnd, text.c_str());
}

void BaseWindow::setFontHeight(int height) {
    mLogFont.lfHeight = height;
    repaint(nullptr, false);
}

void BaseWindow::updateToolRect() {
    if (!mToolTip || !m_hWnd) return;
    ::GetClientRect(m_hWnd, &mToolInfo.rect);
    ::SendMessageW(mToolTip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&mToolInfo));
}

void BaseWindow::setBounds(int x, int y, int width, int height) {
    if (!m_hWnd) return;
    ::MoveWindow(m_hWnd, x, y, width, height, TRUE);
    updateToolRect();
}

void BaseWindow::setSize(int width, int height) {
    if (!m_hWnd) return;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    updateToolRect();
}

void BaseWindow::setToolTip(const std::wstring& text, int delay) {
    if (text.empty() || !m_hWnd) return;
    if (mToolTip) {
        ::DestroyWindow(mToolTip);
        mToolTip = nullptr;
    }
    mToolTip = ::CreateWindowExW(isNtPlatform() ? WS_EX_TOPMOST : 0, TOOLTIPS_CLASSW, nullptr,
                                 TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_NOANIMATE | TTS_BALLOON, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (!mToolTip) return;
    mToolInfo = TOOLINFOW{};
    mToolInfo.cbSize = TTTOOLINFOW_V2_SIZE;
    mToolInfo.uFlags = TTF_SUBCLASS;
    mToolInfo.hwnd = m_hWnd;
    mToolInfo.uId = 0;
    ::GetClientRect(m_hWnd, &mToolInfo.rect);
    mToolInfo.lpszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(mToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&mToolInfo));
    mToolInfo.lpszText = nullptr;  // the control keeps its own copy
    ::SendMessageW(mToolTip, TTM_SETMAXTIPWIDTH, 0, 320);
    ::SendMessageW(mToolTip, TTM_SETDELAYTIME, TTDT_RESHOW, 10);
    ::SendMessageW(mToolTip, TTM_SETDELAYTIME, TTDT_INITIAL, delay);
}

bool BaseWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    return windowProc(m_hWnd, WM_COMMAND, wParam, lParam) == 0;
}

bool BaseWindow::onCommand(HWND, int, int) { return false; }

void BaseWindow::centreInParent() {
    if (!m_hWnd) return;
    HWND parent = ::GetParent(m_hWnd);
    HWND reference = parent ? parent : ::GetDesktopWindow();
    RECT r{};
    ::GetWindowRect(reference, &r);
    int width = getWidth();
    int height = getHeight();
    // Centre on the reference's own rectangle, wherever it stands on the screen.
    POINT p{r.left + (r.right - r.left - width) / 2, r.top + (r.bottom - r.top - height) / 2};
    bool child = (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_CHILD) != 0;
    if (child && parent) {
        ::ScreenToClient(parent, &p);
    } else {
        if (p.x < 0) p.x = 0;
        if (p.y < 0) p.y = 0;
    }
    ::SetWindowPos(m_hWnd, nullptr, p.x, p.y, width, height, SWP_SHOWWINDOW | SWP_NOZORDER);
}

std::wstring BaseWindow::toString() const {
    return getClassName() + L", " + std::to_wstring(getStyle()) + L", " + std::to_wstring(getX()) + L", " +
           std::to_wstring(getY()) + L", " + std::to_wstring(getWidth()) + L", " + std::to_wstring(getHeight()) +
           L", " + std::to_wstring(static_cast<int>(mTextColor)) + L", " +
           std::to_wstring(static_cast<int>(mBackColor)) + L", " + getText();
}

std::wstring BaseWindow::toXML() const {
    // A one-line dump for debugging: the text is written as it is, unescaped.
    return L"<Component Class=\"" + getClassName() + L"\" X=\"" + std::to_wstring(getX()) + L"\" Y=\"" +
           std::to_wstring(getY()) + L"\" Width=\"" + std::to_wstring(getWidth()) + L"\" Height=\"" +
           std::to_wstring(getHeight()) + L"\" TextColor=\"" + std::to_wstring(static_cast<int>(mTextColor)) +
           L"\" BackColor=\"" + std::to_wstring(static_cast<int>(mBackColor)) + L"\" Text=\"" + getText() +
           L"\" />";
}

LRESULT BaseWindow::sendNotify(int code) {
    NMHDR header{};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    header.code = static_cast<UINT>(code);
    return ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

bool BaseWindow::onClose() {
    destroy();
    return true;
}

bool BaseWindow::onCreate() { return false; }

LRESULT BaseWindow::onCreateDefault(LPARAM lParam) { return windowProc(m_hWnd, WM_CREATE, 0, lParam); }

LRESULT BaseWindow::onNotify(WPARAM wParam, LPARAM lParam) { return windowProc(m_hWnd, WM_NOTIFY, wParam, lParam); }

LRESULT BaseWindow::onSize(WPARAM wParam, LPARAM lParam) { return windowProc(m_hWnd, WM_SIZE, wParam, lParam); }

bool BaseWindow::onTimer(WPARAM, LPARAM) { return false; }

bool BaseWindow::onDropFiles(const std::vector<std::wstring>&) { return false; }

std::vector<std::wstring> readDroppedPaths(HDROP drop) {
    std::vector<std::wstring> paths;
    UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        UINT copied = ::DragQueryFileW(drop, i, &path[0], length + 1);
        path.resize(copied);
        paths.push_back(path);
    }
    return paths;
}

bool BaseWindow::onDropFiles(HDROP drop) {
    std::vector<std::wstring> paths = readDroppedPaths(drop);
    ::DragFinish(drop);
    return onDropFiles(paths);
}

ATOM BaseWindow::registerClass(const wchar_t* name, const wchar_t* menuName, UINT style) {
    if (mClassName[0] != L'\0') return 0;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = windowProcedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = menuName;
    wc.lpszClassName = name;
    ::wcsncpy(mClassName, name, 255);
    mClassName[255] = L'\0';
    ATOM atom = ::RegisterClassExW(&wc);
    if (::GetLastError() == ERROR_CLASS_ALREADY_EXISTS) ::SetLastError(0);
    return atom;
}

LRESULT BaseWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return defaultWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT BaseWindow::defaultWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (mSavedWindowProc) return ::CallWindowProcW(mSavedWindowProc, hwnd, msg, wParam, lParam);
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::wstring BaseWindow::getClassName() const {
    if (mClassName[0] != L'\0') return mClassName;
    if (m_hWnd) {
        ::GetClassNameW(m_hWnd, mClassName, 256);
        return mClassName;
    }
    return std::wstring();
}
