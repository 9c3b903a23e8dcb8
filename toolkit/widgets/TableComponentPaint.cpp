// Painting of the own-drawn table: columns, the header strip, grid lines, the selection
// band and the text shown while the table is empty.
#include <algorithm>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/widgets/TableComponent.h"

void TableComponent::repaint(const RECT* area, bool erase) {
    if (!m_hWnd) return;
    if (!area && !erase) {
        if (mRepaintPending) return;
        mRepaintPending = true;
    }
    Table::repaint(area, erase);
}

void TableComponent::invalidateScrollBars() {
    mScrollBarsPending = true;
    repaint();
}

void TableComponent::paint(Graphics& g) {
    const int width = getWidth();
    const int height = getHeight();
    g.setBrushColor(mBackColor);
    g.fillRect(0, 0, width, height);
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setBkMode(TRANSPARENT);

    const int horizontal = getHorizontalPosition();
    int contentWidth = 0;
    for (int i = 0; i < mColumns.getColumnCount(); ++i) {
        TableColumn& column = mColumns.getColumn(i);
        if (i == 0) column.setImageList(mImageList);
        column.paint(g, horizontal, mHovered && i == mHotColumn);
        contentWidth += column.getWidth();
    }
    const int headerHeight = getHeaderHeight();
    const int stripLeft = contentWidth - horizontal;
    if (stripLeft < width) {
        g.setBrushColor(::GetSysColor(COLOR_BTNFACE));
        g.fillRect(stripLeft, 0, width - stripLeft, headerHeight);
    }

    if (mExtendedStyle & LVS_EX_GRIDLINES) {
        // The lines stay in place while the rows scroll under them.
        g.setPen(PS_SOLID, 1, 0xE6DCDC);
        for (const TableColumn& column : mColumns) {
            const int x = column.getX() + column.getWidth() - 1 - horizontal;
            g.drawLine(x, headerHeight, x, height);
        }
        const int rowHeight = getRowHeight();
        for (int k = 1; k < height / rowHeight; ++k) {
            const int y = headerHeight + k * rowHeight;
            g.drawLine(0, y, width, y);
        }
    }
    if (mMouseState == MouseState::BandSelection) paintBand(g);
    if (getItemCount() == 0 && !mEmptyText.empty()) paintEmptyText(g);
}

void TableComponent::paintBand(Graphics& g) {
    int x = std::min(mBand.left, mBand.right) - getHorizontalPosition();
    int y = std::min(mBand.top, mBand.bottom) - getVerticalPosition() * getRowHeight();
    int width = std::abs(mBand.right - mBand.left);
    int height = std::abs(mBand.bottom - mBand.top);
    // The band never covers the header.
    if (y < 21) {
        height -= 20 - y;
        y = 20;
    }
    if (x < 0) {
        width += x;
        x = 0;
    }
    if (width <= 0 || height <= 0) return;
    HGDIOBJ brush = ::SelectObject(g.getHDC(), ::GetStockObject(NULL_BRUSH));
    g.setPen(PS_SOLID, 2, 0x9B6440);
    g.drawRectangle(x, y, width, height);
    g.setPen(PS_SOLID, 1, 0xFFC880);
    g.drawRectangle(x, y, width, height);
    ::SelectObject(g.getHDC(), brush);
    g.fillRectAlpha(x, y, {width, height, 0xFFC89E, 0x40});
}

void TableComponent::paintEmptyText(Graphics& g) {
    LOGFONTW font = mLogFont;
    font.lfHeight = 13;
    font.lfWeight = FW_BOLD;
    g.setFont(::CreateFontIndirectW(&font));
    g.setTextColor(0xAAAAAA);
    const UINT format = DT_WORDBREAK | DT_CENTER | DT_EDITCONTROL | DT_NOPREFIX;
    std::wstring text = mEmptyText;
    RECT measure{0, 0, getWidth(), 0};
    ::DrawTextW(g.getHDC(), text.data(), static_cast<int>(text.size()), &measure, format | DT_CALCRECT);
    const int textWidth = measure.right - measure.left;
    const int textHeight = measure.bottom - measure.top;
    const int top = std::max(getHeaderHeight(), (getHeight() - textHeight) / 2);
    const int left = (getWidth() - textWidth) / 2;
    RECT place{left, top, left + textWidth, top + textHeight};
    ::DrawTextW(g.getHDC(), text.data(), static_cast<int>(text.size()), &place, format);
}
