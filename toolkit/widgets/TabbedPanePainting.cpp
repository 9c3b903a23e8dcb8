// Painting of the tabbed pane: the strip's border line, then every tab with its outline,
// hover and selection bars, focus ring and title.
#include "toolkit/widgets/TabbedPane.h"

#include <algorithm>

#include "toolkit/graphics/Graphics.h"

namespace {

COLORREF brighten(COLORREF color, int amount) {
    auto channel = [amount](int value) { return std::min(value + amount, 255); };
    return RGB(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}

}  // namespace

void TabbedPane::paint(Graphics& g) {
    const int width = g.getWidth();
    const int height = g.getHeight();
    const int t = mThickness;
    g.setBrushColor(mBackColor);
    g.fillRect(0, 0, width, height);
    g.setPen(PS_SOLID, 1, mBorderColor);
    if (mPlacement == kLeft) {
        g.drawLine(t - 1, 0, t - 1, height);
    } else if (mPlacement == kRight) {
        g.drawLine(width - t, 0, width - t, height);
    } else {
        g.drawLine(0, t - 1, width, t - 1);
    }
    for (int i = 0; i < getTabCount(); ++i) paintTab(g, i);
}

void TabbedPane::paintTab(Graphics& g, int index) {
    if (!isTab(index)) return;
    RECT tab{};
    getTabRect(index, tab);
    const int x = tab.left;
    const int y = tab.top;
    const int w = tab.right - tab.left;
    const int h = tab.bottom - tab.top;
    const bool selected = index == mSelected;
    const bool hovered = mHovered && getTabAtCursor() == index;

    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setTextColor(mTextColor);
    g.setBrushColor(mBackColor);
    g.setBkMode(TRANSPARENT);

    if (mFace.isLoaded()) {
        const int row = selected ? 78 : hovered ? 26 : 0;
        g.drawImage(mFace, Rect(x, y, w, h), Rect(0, row, 64, 26));
    } else {
        g.setPen(PS_SOLID, 1, mOutlineColor);
        if (selected) {
            mSelectedFill = brighten(mBackColor, 30);
            g.setBrushColor(mSelectedFill);
            // The side toward the content runs past the tab, so it shows no corners.
            switch (mPlacement) {
                case kTop:
                    g.drawRoundRect(x, y, w, h + 8, 8, 8);
                    break;
                case kRight:
                    g.drawRoundRect(x - 4, y, w + 4, h, 8, 8);
                    break;
                case kBottom:
                    g.drawRoundRect(x, y - 8, w, h, 8, 8);
                    break;
                default:
                    g.drawRoundRect(x, y, w + 4, h, 8, 8);
                    break;
            }
        } else {
            g.drawRoundRect(x, y, w, h, 8, 8);
        }
        if (hovered || selected) g.fillRectAlpha(x + 1, y + 1, {w - 2, 2, 0x20A0FF, 200});
        if (selected && hasFocus()) {
            HGDIOBJ previous = ::SelectObject(g.getHDC(), ::GetStockObject(HOLLOW_BRUSH));
            g.setPen(PS_SOLID, 1, 0xFFC896);
            g.drawRoundRect(x + 2, y + 3, w - 4, h - 3, 8, 8);
            ::SelectObject(g.getHDC(), previous);
        }
    }
    paintCloseBox(g, index, 0);
    drawTitle(g, index, tab);
}

void TabbedPane::drawTitle(Graphics& g, int index, const RECT& tab) {
    const std::wstring& title = mTabs[index].title;
    if (title.empty()) return;
    HDC dc = g.getHDC();
    if (mPlacement == kRight || mPlacement == kLeft) {
        // The turned face runs the title down the tab, centred along it.
        // A close box at the end of the tab takes its room from the title.
        const int h = tab.bottom - tab.top - (mClosable ? kCloseBoxSize + 5 : 0);
        int left = tab.left + 6;
        const int top = std::max(static_cast<int>(tab.top) + (h - g.getTextWidth(title)) / 2, static_cast<int>(tab.top) + 8);
        left += title[0] < 0x80 ? -1 : 1;
        const UINT previous = ::SetTextAlign(dc, TA_BOTTOM);
        ::TextOutW(dc, left, top, title.c_str(), static_cast<int>(title.size()));
        ::SetTextAlign(dc, previous);
        return;
    }
    RECT text = tab;
    if (mClosable) text.right -= kCloseBoxSize + 5;
    text.top += (mThickness - 12) / 2;
    if (index == mSelected) text.top += 1;
    const UINT previous = ::SetTextAlign(dc, TA_LEFT | TA_TOP);
    ::DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &text, DT_CENTER);
    ::SetTextAlign(dc, previous);
}

// The close box of a closable tab: an X, on a light square while the cursor is over it.
// The cell would pick a face from a close-box bitmap; without one the box is drawn.
void TabbedPane::paintCloseBox(Graphics& g, int index, int) {
    RECT box{};
    if (!getCloseBoxRect(index, box)) return;
    const POINT cursor = getCursorPos();
    if (mHovered && ::PtInRect(&box, cursor)) {
        g.fillRectAlpha(box.left, box.top, {kCloseBoxSize, kCloseBoxSize, 0xDCDCDC, 200});
    }
    const int inset = 3;
    g.setPen(PS_SOLID, 1, mTextColor);
    // Line ends are exclusive: run one pixel past the far corner.
    g.drawLine(box.left + inset, box.top + inset, box.right - inset + 1, box.bottom - inset + 1);
    g.drawLine(box.right - inset, box.top + inset, box.left + inset - 1, box.bottom - inset + 1);
}
