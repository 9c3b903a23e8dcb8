#include "toolkit/widgets/ComboBox.h"

#include <vector>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/GreyOut.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

const UINT_PTR kHoverTimer = 1;

bool isCtrlDown() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }
bool isShiftDown() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

}  // namespace

ComboBox::ComboTextField::~ComboTextField() = default;

void ComboBox::ComboTextField::attach(ComboBox* combo, HWND edit) {
    destroy();
    mCombo = combo;
    m_hWnd = edit;
    if (edit) subclassControl(*this);
}

LRESULT ComboBox::ComboTextField::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CHAR:
        case WM_CUT:
        case WM_PASTE:
        case WM_CLEAR:
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        case EM_SETSEL:
            // The control selects its text on every focus change; only a field in use may.
            if (lParam != 0 && !hasFocus() && !(mCombo && mCombo->hasFocus())) return 0;
            break;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_TAB) {
                if (mCombo) moveFocus(*mCombo, !isShiftDown(), mCombo->m_hWnd);
                return 0;
            }
            if (isCtrlDown() && wParam == 'A') {
                ::SendMessageW(hwnd, EM_SETSEL, 0, -1);
                return 0;
            }
            if (isCtrlDown() && wParam == 'C') {
                ::SendMessageW(hwnd, WM_COPY, 0, 0);
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
            if (mCombo) ::PostMessageW(mCombo->m_hWnd, CB_SHOWDROPDOWN, TRUE, 0);
            ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
            break;
        default:
            break;
    }
    return defaultWindowProc(hwnd, msg, wParam, lParam);
}

ComboBox::ComboBox() {
    mBackColor = 0xFFFFFF;
    mTextColor = ::GetSysColor(COLOR_BTNTEXT);
}

ComboBox::~ComboBox() {
    mTextField.attach(nullptr, nullptr);
    destroy();
}

void ComboBox::setBackColor(COLORREF color) {
    Component::setBackColor(color);
    mTextField.setBackColor(color);
}

void ComboBox::setTextColor(COLORREF color) {
    Component::setTextColor(color);
    mTextField.setTextColor(color);
}

bool ComboBox::create(HWND parent, int x, int y, int width, int height) { return create(parent, 0, x, y, width, height); }

bool ComboBox::create(HWND parent, int id, int x, int y, int width, int height) {
    mTextField.attach(nullptr, nullptr);
    destroy();
    m_hWnd = ::CreateWindowExW(0, L"COMBOBOX", L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL |
                                   CBS_HASSTRINGS,
                               x, y, width, height + 120, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd) return false;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    subclassControl(*this);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(m_hWnd, &info)) {
        mTextField.attach(this, info.hwndItem);
        mDropDownList = info.hwndList;
    } else {
        mTextField.attach(this, ::GetWindow(m_hWnd, GW_CHILD));
    }
    mTextField.setBackColor(mBackColor);
    mTextField.setTextColor(mTextColor);
    return true;
}

bool ComboBox::isCursorOver() const {
    POINT p{};
    ::GetCursorPos(&p);
    RECT r{};
    ::GetWindowRect(m_hWnd, &r);
    return ::PtInRect(&r, p) != FALSE;
}

LRESULT ComboBox::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CTLCOLORLISTBOX:
            fitDropDownWidth(reinterpret_cast<HWND>(lParam));
            break;
        case WM_CTLCOLOREDIT:
            if (mTextField.m_hWnd) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, mTextColor);
                ::SetBkColor(dc, mBackColor);
                ::SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<LRESULT>(mTextField.getBackgroundBrush());
            }
            break;
        case WM_PAINT:
        case WM_MOUSELEAVE:
            return Component::windowProc(hwnd, msg, wParam, lParam);
        case WM_NOTIFY:
            fireEvent(NM_RETURN, 0);
            return 0;
        case WM_MOUSEMOVE:
            if (!mHovered) {
                mHovered = true;
                ::SetTimer(hwnd, kHoverTimer, 10, nullptr);
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == kHoverTimer) {
                repaintButton();
                const bool listShown = ::SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
                if (!isCursorOver() && !listShown) {
                    ::KillTimer(hwnd, kHoverTimer);
                    mHovered = false;
                }
            }
            break;
        case WM_RBUTTONUP:
            // Owners such as the find pane open a menu of their own here.
            onRButtonUp();
            break;
        default:
            break;
    }
    return defaultWindowProc(hwnd, msg, wParam, lParam);
}

void ComboBox::repaintButton() {
    const int width = getWidth();
    RECT button{width - 20, 0, width, 20};
    ::InvalidateRect(m_hWnd, &button, FALSE);
}

void ComboBox::fitDropDownWidth(HWND list) {
    mDropDownList = list;
    RECT r{};
    if (!::GetWindowRect(list, &r)) return;
    if (mMaxItemWidth == 0) updateMaxItemWidth();
    int width = r.right - r.left;
    if (mMaxItemWidth + 20 > width) {
        width = mMaxItemWidth + 20;
        ::SetWindowPos(list, nullptr, 0, 0, width, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    if (screenWidth - width <= r.left) {
        ::SetWindowPos(list, nullptr, screenWidth - width, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ComboBox::updateMaxItemWidth() {
    mMaxItemWidth = 0;
    if (!m_hWnd) return;
    Graphics g(1, 1);
    g.setFont(::CreateFontIndirectW(&mLogFont));
    const int count = getItemCount();
    for (int i = 0; i < count; ++i) {
        LRESULT length = ::SendMessageW(m_hWnd, CB_GETLBTEXTLEN, i, 0);
        if (length == CB_ERR) continue;
        // Room for the terminator the control writes after the text.
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
        if (::SendMessageW(m_hWnd, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data())) == CB_ERR) continue;
        const int width = g.getTextWidth(std::wstring(buffer.data()));
        if (width > mMaxItemWidth) mMaxItemWidth = width;
    }
}

int ComboBox::getItemCount() const {
    return m_hWnd ? static_cast<int>(::SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0)) : 0;
}

int ComboBox::insertItem(const std::wstring& text, int index) {
    if (!m_hWnd) return CB_ERR;
    mMaxItemWidth = 0;  // measured again when the list next opens
    return static_cast<int>(::SendMessageW(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                           reinterpret_cast<LPARAM>(text.c_str())));
}

bool ComboBox::removeItem(int index) {
    if (!m_hWnd) return false;
    mMaxItemWidth = 0;
    return ::SendMessageW(m_hWnd, CB_DELETESTRING, static_cast<WPARAM>(index), 0) != CB_ERR;
}

void ComboBox::removeAllItems() {
    mMaxItemWidth = 0;
    if (m_hWnd) ::SendMessageW(m_hWnd, CB_RESETCONTENT, 0, 0);
}

int ComboBox::getSelectedIndex() const {
    return m_hWnd ? static_cast<int>(::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)) : -1;
}

void ComboBox::setSelectedIndex(int index) {
    if (m_hWnd) ::SendMessageW(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboBox::findItemExact(const std::wstring& text, int startAfter) const {
    if (!m_hWnd) return CB_ERR;
    return static_cast<int>(::SendMessageW(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter),
                                           reinterpret_cast<LPARAM>(text.c_str())));
}

std::wstring ComboBox::getItemText(int index) const {
    if (!m_hWnd) return std::wstring();
    LRESULT length = ::SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    if (::SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data())) ==
        CB_ERR) {
        return std::wstring();
    }
    return std::wstring(buffer.data());
}

void ComboBox::paint(Graphics& g) {
    const int width = getWidth();
    g.setBrushColor(::GetSysColor(COLOR_BTNFACE));
    g.fillRect(Rect(0, 0, width, getHeight()));
    g.setBrushColor(mBackColor);
    g.setPen(PS_SOLID, 1, 0xFAAA96);
    g.drawRoundRect(0, 0, width, 20, 2, 2);

    const Rect button(width - 18, 2, 16, 16);
    COLORREF face = 0xFFD4BE;
    POINT cursor = getCursorPos();
    if (button.contains(cursor.x, cursor.y)) {
        face = (::GetKeyState(VK_LBUTTON) & 0x8000) ? 0xCDB696 : 0xFFE8DC;
    }
    g.setBrushColor(face);
    g.fillRect(button);
    const int x = button.x + 8;
    const int y = button.y + 8 - 2;
    g.setPen(PS_SOLID, 2, 0xDC502E);
    g.drawLine(x - 4, y, x, y + 4);
    g.drawLine(x + 4, y, x, y + 4);
    if (!isEnabled()) grayOutRect(g, Rect(0, 0, width, 20));
}
