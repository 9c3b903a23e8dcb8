#include "toolkit/widgets/UpDownTextField.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/graphics/GreyOut.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

// Width of the arrow column at the right edge.
const int kArrowWidth = 13;
// Height of the digit field.
const int kInnerHeight = 13;
// Room at the end of the digits for the caret.
const int kCaretRoom = 2;
const DWORD kInnerStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL | ES_RIGHT;
const COLORREF kFrameColor = 0xFAAA96;
const COLORREF kArrowTint = 0xFFC896;
const COLORREF kDisabledBack = 0xF0F0F0;
// Notification fired to the listeners (or the parent) when the value text changed.
const int kValueChangedCode = -18;

bool keyHeld(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool UpDownTextField::InnerTextField::onKeyDown(WPARAM key, LPARAM flags) {
    ::SendMessageW(::GetParent(m_hWnd), WM_KEYDOWN, key, flags);
    return false;
}

UpDownTextField::UpDownTextField() : mArrowColor(::GetSysColor(COLOR_BTNFACE)) {
    registerClass(L"UpDownTextField");
    mTextColor = 9;
    mBackColor = 0xFFFFFF;
}

UpDownTextField::~UpDownTextField() { Component::destroy(); }

void UpDownTextField::setEnabled(bool enabled) {
    Component::setEnabled(enabled);
    mInner.setEnabled(enabled);
}

void UpDownTextField::setBackColor(COLORREF color) {
    Component::setBackColor(color);
    mInner.setBackColor(color);
}

bool UpDownTextField::createWithDefaultBounds(HWND parent) {
    destroy();
    ::CreateWindowExW(0, getClassName().c_str(), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 20, parent,
                      nullptr, ::GetModuleHandleW(nullptr), this);
    return m_hWnd != nullptr;
}

bool UpDownTextField::create(HWND parent, int x, int y, int width, int height) {
    if (!createWithDefaultBounds(parent)) return false;
    setBounds(x, y, width, height);
    return true;
}

std::wstring UpDownTextField::getTextCopy() const { return mHeldText; }

void UpDownTextField::setText(const wchar_t* text) {
    BaseWindow::setText(text && *text ? text : L" ");
}

void UpDownTextField::setBounds(int x, int y, int width, int height) {
    Component::setBounds(x, y, width, height);
    onSize(0, MAKELPARAM(width, height));
}

bool UpDownTextField::onCreate() {
    mInner.create(m_hWnd, 0, kInnerStyle);
    mInner.setText(L"0");
    setBackColor(mInner.getBackColor());
    return true;
}

void UpDownTextField::placeInnerField(int width, int height, int rightMargin) {
    const int preferred = getPreferredWidth();
    mInner.setBounds(width - rightMargin - preferred, (height - kInnerHeight) / 2 + 1, preferred, kInnerHeight);
}

LRESULT UpDownTextField::onSize(WPARAM, LPARAM lParam) {
    placeInnerField(LOWORD(lParam), HIWORD(lParam), 15);
    repaint(nullptr, false);
    return 0;
}

bool UpDownTextField::onCommand(WPARAM wParam, LPARAM lParam) {
    const WORD code = HIWORD(wParam);
    if ((code != EN_CHANGE && code != EN_KILLFOCUS) || reinterpret_cast<HWND>(lParam) != mInner.m_hWnd || !m_hWnd) {
        return Component::onCommand(wParam, lParam);
    }
    if (code == EN_KILLFOCUS) {
        commitTypedValue();
        return true;
    }
    // A text out of the range is left as typed until it is committed (Enter, the focus
    // leaving, an arrow): clamping each keystroke would turn the "8" of "80" into the
    // minimum before the "0" arrives. Until then the value stays the last one in range.
    const std::wstring text = mInner.getText();
    if (!text.empty() && isInRange(::_wtof(text.c_str()))) mHeldText = text;
    fireEvent(kValueChangedCode, 0);
    HWND parent = ::GetParent(m_hWnd);
    const int id = ::GetDlgCtrlID(m_hWnd);
    ::PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(m_hWnd));
    postValueNotice();
    return true;
}

void UpDownTextField::postValueNotice() {
    if (!m_hWnd) return;
    ::PostMessageW(::GetParent(m_hWnd), WM_VSCROLL, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), getValue()),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT UpDownTextField::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CTLCOLOREDIT && mInner.getBackgroundBrush()) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, mTextColor);
        ::SetBkColor(dc, mBackColor);
        ::SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(mInner.getBackgroundBrush());
    }
    return Component::windowProc(hwnd, msg, wParam, lParam);
}

void UpDownTextField::paint(Graphics& g) {
    const int width = getWidth();
    const int height = getHeight();
    Rect area(0, 0, width, height);
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setBrushColor(isEnabled() ? mBackColor : kDisabledBack);
    g.fillRect(area);
    drawArrows(g);
    const std::wstring label = getText();
    if (!label.empty()) {
        const int innerX = mInner.getX();
        g.setBrushColor(mArrowColor);
        g.fillRect(0, 0, innerX, height);
        g.setTextColor(mTextColor);
        g.setBkMode(TRANSPARENT);
        g.drawString(label.c_str(), 0, mInner.getY() - 1);
        area.x = innerX - 2;
    }
    g.drawDoubleFrame(area, 1, kFrameColor, kFrameColor);
    if (!isEnabled()) grayOutRect(g, area);
}

void UpDownTextField::drawArrows(Graphics& g) {
    const int width = getWidth();
    const int height = getHeight();
    RECT up{width - kArrowWidth, 0, width, height / 2};
    RECT down{width - kArrowWidth, height / 2, width, height};
    ::DrawFrameControl(g.getHDC(), &up, DFC_SCROLL, DFCS_SCROLLUP | mUpState);
    ::DrawFrameControl(g.getHDC(), &down, DFC_SCROLL, DFCS_SCROLLDOWN | mDownState);
    g.fillRectAlpha(width - kArrowWidth, 0, {kArrowWidth, height, kArrowTint, 128});
}

bool UpDownTextField::onSetFocus(HWND previous) {
    if (keyHeld(VK_TAB) && previous == mInner.m_hWnd) {
        // Tab in the digit field climbs to this field: pass the focus on from here.
        moveFocus(*this, !keyHeld(VK_SHIFT), m_hWnd);
    } else {
        mInner.setFocus();
        mInner.selectAll();
    }
    return true;
}

bool UpDownTextField::onKeyDown(WPARAM key, LPARAM) {
    double multiple = 1;
    if (keyHeld(VK_CONTROL)) {
        if (key == 'A') {
            mInner.selectAll();
            return true;
        }
        multiple = std::abs(mMaximum - mMinimum) / 10;
    }
    if (key == VK_RETURN) commitTypedValue();
    if (key == VK_UP) setValue(getTypedValue() + multiple * mStep);
    if (key == VK_DOWN) setValue(getTypedValue() - multiple * mStep);
    return true;
}

bool UpDownTextField::onKeyUp(WPARAM, LPARAM) {
    mUpState = 0;
    mDownState = 0;
    repaint(nullptr, false);
    return true;
}

bool UpDownTextField::onLButtonDown(int x, int y) {
    mUpState = 0;
    mDownState = 0;
    if (x >= getWidth() - 16) {
        const int direction = y <= getHeight() / 2 ? 1 : -1;
        setValue(getTypedValue() + direction * mStep);
        mDragging = true;
        mPressX = x;
        mPressY = y;
        (direction > 0 ? mUpState : mDownState) = DFCS_PUSHED;
        repaint(nullptr, false);
        ::SetCapture(m_hWnd);
    }
    return true;
}

// The second press of a quick pair arrives as a double click: it steps like the first.
bool UpDownTextField::onLButtonDblClk(int x, int y) { return onLButtonDown(x, y); }

bool UpDownTextField::onMouseMove(int, int y) {
    if (!mDragging) return true;
    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZENS));
    const int distance = mPressY - y;
    if (distance != 0) {
        // One unit per pixel, whatever the step: a drag sweeps through the range quickly.
        setValue(getTypedValue() + distance);
        mUpState = distance > 0 ? DFCS_PUSHED : 0;
        mDownState = distance < 0 ? DFCS_PUSHED : 0;
        repaint(nullptr, false);
    }
    mPressY = y;
    postValueNotice();
    return true;
}

bool UpDownTextField::onLButtonUp() {
    ::ReleaseCapture();
    mUpState = 0;
    mDownState = 0;
    mDragging = false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    repaint(nullptr, false);
    return true;
}

bool UpDownTextField::onMouseWheel(int, int, int, int notches) {
    setValue(getTypedValue() + notches * mStep);
    return true;
}

int UpDownTextField::getValue() const {
    return ::_wtoi(mHeldText.empty() ? mInner.getText().c_str() : mHeldText.c_str());
}

double UpDownTextField::getDoubleValue() const {
    return ::_wtof(mHeldText.empty() ? mInner.getText().c_str() : mHeldText.c_str());
}

double UpDownTextField::getTypedValue() const {
    const std::wstring text = mInner.getText();
    return text.empty() ? getDoubleValue() : ::_wtof(text.c_str());
}

bool UpDownTextField::isInRange(double value) const { return value >= mMinimum && value <= mMaximum; }

std::wstring UpDownTextField::formatValue(double value) const {
    wchar_t text[64] = {};
    if (isFractional()) {
        std::swprintf(text, 64, L"%.1f", value);
    } else {
        std::swprintf(text, 64, L"%d", static_cast<int>(value));
    }
    return text;
}

void UpDownTextField::setValue(double value) {
    value = std::clamp(value, static_cast<double>(mMinimum), static_cast<double>(mMaximum));
    const std::wstring text = formatValue(value);
    mInner.setText(text);
    mHeldText = text;
    if (hasFocus() || mInner.hasFocus()) mInner.selectAll();
}

void UpDownTextField::commitTypedValue() {
    const double typed = getTypedValue();
    const double clamped = std::clamp(typed, static_cast<double>(mMinimum), static_cast<double>(mMaximum));
    if (mInner.getText() != formatValue(clamped)) setValue(clamped);
}

void UpDownTextField::refreshValue() { setValue(getDoubleValue()); }

void UpDownTextField::setRange(int minimum, int maximum) {
    mMinimum = minimum;
    mMaximum = maximum;
    refreshValue();
    if (m_hWnd) {
        const RECT client = getClientRect();
        onSize(0, MAKELPARAM(client.right, client.bottom));
    }
}

int UpDownTextField::textWidth(const std::wstring& text) const { return measureTextWidth(text, mLogFont); }

LOGFONTW UpDownTextField::getDigitFont() const {
    LOGFONTW font = mLogFont;
    if (mInner.m_hWnd) {
        if (auto shown = reinterpret_cast<HFONT>(::SendMessageW(mInner.m_hWnd, WM_GETFONT, 0, 0))) {
            ::GetObjectW(shown, sizeof font, &font);
        }
    }
    return font;
}

std::wstring UpDownTextField::getWidestValueText() const {
    const LOGFONTW font = getDigitFont();
    wchar_t widestDigit = L'0';
    int widestDigitWidth = 0;
    for (wchar_t digit = L'0'; digit <= L'9'; ++digit) {
        const int width = measureTextWidth(std::wstring(1, digit), font);
        if (width > widestDigitWidth) {
            widestDigit = digit;
            widestDigitWidth = width;
        }
    }
    const long long magnitude = std::max(std::llabs(mMinimum), std::llabs(mMaximum));
    std::wstring text(std::to_wstring(magnitude).size(), widestDigit);
    if (mMinimum < 0 || mMaximum < 0) text.insert(0, L"-");
    if (isFractional()) text += std::wstring(L".") + widestDigit;
    return text;
}

int UpDownTextField::getPreferredWidth() const {
    // The widest text of the range in the digit field's own font, its margins and room for
    // the caret: every value shows whole, whatever the font.
    int margins = 0;
    if (mInner.m_hWnd) {
        const auto packed = static_cast<DWORD>(::SendMessageW(mInner.m_hWnd, EM_GETMARGINS, 0, 0));
        margins = LOWORD(packed) + HIWORD(packed);
    }
    return measureTextWidth(getWidestValueText(), getDigitFont()) + margins + kCaretRoom;
}

void UpDownTextField::adjustSize() {
    if (!m_hWnd) return;
    const int preferred = getPreferredWidth();
    const int height = getHeight();
    const int width = textWidth(getText()) + preferred + 23;
    setSize(width, height);
    placeInnerField(width, height, kArrowWidth);
}
