// Painting of the own-drawn table: columns, the header strip, grid lines, the selection
// band and the text shown while the table is empty.
#include <algorithm>
#include <limits>

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
    if (mScrollBarsPending) return;
    mScrollBarsPending = true;
    // A paint comes without the client being marked: the bars are drawn by it alone.
    if (m_hWnd) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INTERNALPAINT);
}

void TableComponent::paint(Graphics& g) { paintStrip(g, 0, getHeight()); }

void TableComponent::paintStrip(Graphics& g, int top, int bottom) {
    const int width = getWidth();
    const int height = getHeight();
    const int headerHeight = getHeaderHeight();
    const int rowHeight = getRowHeight();
    const bool emptyText = getItemCount() == 0 && !mEmptyText.empty();
    const bool whole = (top <= 0 && bottom >= height) || mMouseState == MouseState::BandSelection || emptyText;
    // A strip is painted under a clip: the rows it meets are drawn as a whole paint draws
    // them, and nothing outside it changes.
    const bool header = whole || top < headerHeight;
    int firstRow = 0;
    int lastRow = std::numeric_limits<int>::max() / 2;
    if (!whole) {
        top = std::max(0, top);
        bottom = std::min(height, bottom);
        if (bottom <= top) return;
        firstRow = std::max(0, top - headerHeight) / rowHeight;
        lastRow = bottom > headerHeight ? (bottom - 1 - headerHeight) / rowHeight : -1;
        ::IntersectClipRect(g.getHDC(), 0, top, width, bottom);
    } else {
        top = 0;
        bottom = height;
    }
    g.setBrushColor(mBackColor);
    g.fillRect(0, top, width, bottom - top);
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setBkMode(TRANSPARENT);

    const int horizontal = getHorizontalPosition();
    int contentWidth = 0;
    for (int i = 0; i < mColumns.getColumnCount(); ++i) {
        TableColumn& column = mColumns.getColumn(i);
        if (i == 0) column.setImageList(mImageList);
        column.paintPart(g, horizontal, mHovered && i == mHotColumn, header, firstRow, lastRow);
        contentWidth += column.getWidth();
    }
    const int stripLeft = contentWidth - horizontal;
    if (header && stripLeft < width) {
        g.setBrushColor(::GetSysColor(COLOR_BTNFACE));
        g.fillRect(stripLeft, 0, width - stripLeft, headerHeight);
    }

    if (mExtendedStyle & LVS_EX_GRIDLINES) {
        // The lines stay in place while the rows scroll under them.
        g.setPen(PS_SOLID, 1, 0xE6DCDC);
        for (const TableColumn& column : mColumns) {
            const int x = column.getX() + column.getWidth() - 1 - horizontal;
            g.drawLine(x, std::max(headerHeight, top), x, bottom);
        }
        // Every row but the first starts with a line.
        const int lines = height / rowHeight;
        for (int k = std::max(1, firstRow); k < lines && k <= lastRow; ++k) {
            const int y = headerHeight + k * rowHeight;
            g.drawLine(0, y, width, y);
        }
    }
    if (whole) {
        if (mMouseState == MouseState::BandSelection) paintBand(g);
        if (emptyText) paintEmptyText(g);
    } else {
        ::SelectClipRgn(g.getHDC(), nullptr);
    }
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
