#include "toolkit/widgets/ToolBar.h"

#include <algorithm>

#include "foundation/system/ModulePath.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/GreyOut.h"
#include "toolkit/graphics/ResourceManager.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

constexpr UINT kToolInfoSize = 44;       // TOOLINFOW up to lParam
constexpr UINT kButtonInfoSize = 32;     // TBBUTTONINFOW
constexpr WPARAM kButtonStructSize = 20;  // TBBUTTON of a 32-bit program
// The drop-down arrow drawn in the arrow colour.
constexpr int kArrowWidth = 7;
constexpr int kArrowRows = 4;

bool isDark(COLORREF color) {
    return color != CLR_INVALID && GetRValue(color) * 77 + GetGValue(color) * 151 + GetBValue(color) * 28 < 128 * 256;
}

TOOLINFOW toolFor(HWND toolBar, int commandId) {
    TOOLINFOW info{};
    info.cbSize = kToolInfoSize;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = toolBar;
    info.uId = static_cast<UINT_PTR>(commandId);
    return info;
}

}  // namespace

ToolBar::StripGeometry ToolBar::stripGeometry(int bitmapWidth, int bitmapHeight) {
    StripGeometry geometry{bitmapHeight, bitmapHeight, 0};
    // 15-pixel strips hold 16-pixel-wide images.
    if (bitmapHeight == 15) geometry.imageWidth = 16;
    if (bitmapHeight > 0) geometry.count = bitmapWidth / bitmapHeight;
    return geometry;
}

ToolBar::~ToolBar() {
    if (mImageList) ::ImageList_Destroy(mImageList);
    if (mDisabledImageList) ::ImageList_Destroy(mDisabledImageList);
}

bool ToolBar::create(HWND parent) {
    destroy();
    mTipIds.clear();
    m_hWnd = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | CCS_TOP |
                                   CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                               0, 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd) return false;
    const LRESULT style = ::SendMessageW(m_hWnd, TB_GETSTYLE, 0, 0);
    ::SendMessageW(m_hWnd, TB_SETSTYLE, 0, style | TBSTYLE_FLAT);
    ::SendMessageW(m_hWnd, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    ::SendMessageW(m_hWnd, TB_BUTTONSTRUCTSIZE, kButtonStructSize, 0);
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), 0);
    subclassControl(*this);
    return true;
}

void ToolBar::setBounds(int x, int y, int width, int height) {
    if (!m_hWnd) return;
    ::MoveWindow(m_hWnd, x, y, width, height, TRUE);
    updateToolRects();
}

bool ToolBar::setImage(const std::wstring& fileName, COLORREF mask) {
    HBITMAP normal = nullptr;
    ResourceManager& resources = ResourceManager::getInstance();
    if (resources.hasBitmap(fileName)) {
        normal = Bitmap::copyBitmap(resources.getBitmap(fileName));
    } else {
        Bitmap picture;
        picture.setTransparent(true);
        // A file that can't be opened throws; a picture that loads as nothing is looked
        // for once more beside the program.
        if (!picture.load(fileName)) picture.load(getModuleDirectory() + fileName);
        picture.setColorKey(mask);
        normal = Bitmap::copyBitmap(picture.getHandle());
    }
    if (!normal) return false;
    HBITMAP disabled = createDisabledBitmap(m_hWnd, normal, mask);
    setImageLists(normal, disabled, mask);
    ::DeleteObject(normal);
    if (disabled) ::DeleteObject(disabled);
    return true;
}

void ToolBar::setImageLists(HBITMAP normal, HBITMAP disabled, COLORREF mask) {
    BITMAP info{};
    ::GetObjectW(normal, sizeof info, &info);
    const StripGeometry geometry = stripGeometry(info.bmWidth, info.bmHeight);
    auto makeList = [&](HIMAGELIST& list, HBITMAP bitmap, UINT message) {
        if (list) ::ImageList_Destroy(list);
        list = ::ImageList_Create(geometry.imageWidth, geometry.imageHeight, ILC_COLOR32 | ILC_MASK, geometry.count,
                                  0);
        if (list && bitmap) ::ImageList_AddMasked(list, bitmap, mask);
        if (m_hWnd) ::SendMessageW(m_hWnd, message, 0, reinterpret_cast<LPARAM>(list));
    };
    makeList(mImageList, normal, TB_SETIMAGELIST);
    makeList(mDisabledImageList, disabled, TB_SETDISABLEDIMAGELIST);
}

void ToolBar::addButton(int image, int commandId, const wchar_t* text, BYTE state, BYTE style) {
    if (!m_hWnd) return;
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = commandId;
    button.fsState = state;
    button.fsStyle = commandId == 0 ? static_cast<BYTE>(TBSTYLE_SEP) : style;
    button.dwData = 0;
    button.iString = -1;
    if (text) {
        // TB_ADDSTRINGW reads a list of strings that ends with an empty one.
        std::wstring list(text);
        list.append(2, L'\0');
        button.iString = ::SendMessageW(m_hWnd, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(list.c_str()));
    }
    ::SendMessageW(m_hWnd, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    updateToolRects();
}

void ToolBar::insertButton(const TBBUTTON& button, int position) {
    if (!m_hWnd) return;
    ::SendMessageW(m_hWnd, TB_INSERTBUTTONW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&button));
    updateToolRects();
}

int ToolBar::getButtonState(int commandId) const {
    return m_hWnd ? static_cast<int>(::SendMessageW(m_hWnd, TB_GETSTATE, static_cast<WPARAM>(commandId), 0)) : -1;
}

BYTE ToolBar::getButtonStyle(int commandId) const {
    TBBUTTONINFOW info{};
    info.cbSize = kButtonInfoSize;
    info.dwMask = TBIF_STYLE;
    if (m_hWnd) ::SendMessageW(m_hWnd, TB_GETBUTTONINFOW, static_cast<WPARAM>(commandId), reinterpret_cast<LPARAM>(&info));
    return info.fsStyle;
}

void ToolBar::setButtonStyle(int commandId, BYTE style, bool replace) {
    TBBUTTONINFOW info{};
    info.cbSize = kButtonInfoSize;
    info.dwMask = TBIF_STYLE;
    info.fsStyle = replace ? style : static_cast<BYTE>(style | getButtonStyle(commandId));
    if (m_hWnd) ::SendMessageW(m_hWnd, TB_SETBUTTONINFOW, static_cast<WPARAM>(commandId), reinterpret_cast<LPARAM>(&info));
}

void ToolBar::setToolTip(const std::wstring& text, int commandId) {
    if (!m_hWnd) return;
    if (!mToolTip) {
        mToolTip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr);
        if (!mToolTip) return;
    }
    TOOLINFOW info = toolFor(m_hWnd, commandId);
    ::SendMessageW(m_hWnd, TB_GETRECT, static_cast<WPARAM>(commandId), reinterpret_cast<LPARAM>(&info.rect));
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    if (std::find(mTipIds.begin(), mTipIds.end(), commandId) == mTipIds.end()) {
        ::SendMessageW(mToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        mTipIds.push_back(commandId);
    } else {
        ::SendMessageW(mToolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
        ::SendMessageW(mToolTip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void ToolBar::updateToolRects() {
    if (!mToolTip || !m_hWnd) return;
    for (int id : mTipIds) {
        TOOLINFOW info = toolFor(m_hWnd, id);
        ::SendMessageW(m_hWnd, TB_GETRECT, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info.rect));
        ::SendMessageW(mToolTip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void ToolBar::setDropDownArrowColor(COLORREF color) {
    mArrowColor = color;
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

RECT ToolBar::getDropDownRect(int index) const {
    RECT box{};
    const auto i = static_cast<WPARAM>(index);
    if (::SendMessageW(m_hWnd, TB_GETITEMDROPDOWNRECT, i, reinterpret_cast<LPARAM>(&box))) return box;
    // Controls without that message add the arrow's width to the common button width.
    if (!::SendMessageW(m_hWnd, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&box))) return RECT{};
    const int plainWidth = LOWORD(::SendMessageW(m_hWnd, TB_GETBUTTONSIZE, 0, 0));
    box.left = std::max(box.left, box.left + plainWidth);
    return box;
}

void ToolBar::drawDropDownArrows() {
    // The control draws its drop-down arrows dark (the button-text colour, or the theme's
    // glyph), and no message changes that for one control: a dark parent hides them. Once
    // the control has painted, each arrow is drawn again over its own, in the arrow colour
    // where the control left a dark background behind it (a hot or pressed button may have
    // a light one, on which the control's own arrow shows).
    if (mArrowColor == CLR_INVALID) return;
    const int count = static_cast<int>(::SendMessageW(m_hWnd, TB_BUTTONCOUNT, 0, 0));
    HDC dc = nullptr;
    HBRUSH brush = nullptr;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (!::SendMessageW(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button))) continue;
        if (!(button.fsStyle & BTNS_DROPDOWN) || (button.fsState & TBSTATE_HIDDEN)) continue;
        const RECT box = getDropDownRect(i);
        if (box.right <= box.left) continue;
        if (!dc) {
            dc = ::GetDC(m_hWnd);
            brush = ::CreateSolidBrush(mArrowColor);
        }
        // A triangle of rows 7, 5, 3 and 1 pixels wide, centred in the box: it covers the
        // control's own arrow, classic (5, 3, 1) or themed (a 7 by 4 chevron).
        const int x = box.left + (box.right - box.left - kArrowWidth) / 2;
        const int y = box.top + (box.bottom - box.top - kArrowRows) / 2;
        if (!isDark(::GetPixel(dc, x + kArrowWidth / 2, y - kArrowRows))) continue;
        for (int row = 0; row < kArrowRows; ++row) {
            const RECT line{x + row, y + row, x + kArrowWidth - row, y + row + 1};
            ::FillRect(dc, &line, brush);
        }
    }
    if (brush) ::DeleteObject(brush);
    if (dc) ::ReleaseDC(m_hWnd, dc);
}

LRESULT ToolBar::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CHAR && wParam == VK_TAB) {
        moveFocus(*this, (::GetKeyState(VK_SHIFT) & 0x8000) == 0, hwnd);
        return 0;
    }
    const LRESULT result = defaultWindowProc(hwnd, msg, wParam, lParam);
    if (msg == WM_PAINT) drawDropDownArrows();
    return result;
}
