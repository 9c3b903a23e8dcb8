// How a column paints its header and its visible cells.
#include <algorithm>
#include <cwchar>
#include <limits>
#include <string>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/widgets/TableColumn.h"

void TableColumn::paint(Graphics& g, int horizontalPosition, bool hot) {
    paintPart(g, horizontalPosition, hot, true, 0, std::numeric_limits<int>::max());
}

void TableColumn::paintPart(Graphics& g, int horizontalPosition, bool hot, bool header, int first, int last) {
    if (mColumnRect.width == 0) return;
    if (header) paintHeader(g, horizontalPosition, hot);
    if (last < first) return;
    CharWidthCache::Widths& widths = CharWidthCache::getInstance().forFont(g.getHDC());
    const int x = mColumnRect.x - horizontalPosition;
    const int bottom = mColumnRect.y + mColumnRect.height;
    const int top = std::max(0, mTopRow);
    first = std::max(0, first);
    const int end = static_cast<int>(std::min<long long>(static_cast<long long>(top) + last + 1, getItemCount()));
    int y = mColumnRect.y + getHeaderHeight() + first * mRowHeight;
    for (int row = top + first; row < end && y < bottom; ++row, y += mRowHeight) {
        paintCell(g, widths, row, x, y);
    }
}

void TableColumn::paintHeader(Graphics& g, int horizontalPosition, bool hot) {
    Rect r = mHeaderRect;
    r.x -= horizontalPosition;
    if (mHeaderImage->isLoaded()) {
        g.drawImage(*mHeaderImage, r, Rect(0, hot ? 16 : 0, 64, 16));
        drawHeaderName(g, r);
        return;
    }
    g.setBrushColor(::GetSysColor(COLOR_BTNFACE));
    g.fillRect(r);
    if (hot) {
        g.fillRectAlpha(r.x, r.y, {r.width, r.height, 0xFFD790, 0xA0});
        g.fillRectAlpha(r.x, r.y, {r.width, r.height / 2 - 3, 0xFFFFFF, 0x8A});
    }
    const int separator = r.x + r.width - 2;
    g.drawLine(separator, r.y + 2, separator, r.y + r.height - 4, 0xBEBEBE);
    g.drawLine(separator + 1, r.y + 2, separator + 1, r.y + r.height - 4, 0xFAFAFA);
    g.fillRectAlpha(r.x + 1, r.y + r.height - 2, {r.width - 2, 2, hot ? 0xFFDC96u : 0xD2D2D2u, 0xEB});

    drawHeaderName(g, r);
}

void TableColumn::drawHeaderName(Graphics& g, const Rect& header) {
    g.setTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    RECT text{header.x + 4, header.y + 4, header.x + header.width - 4, header.y + header.height - 4};
    std::wstring name = mName;
    ::DrawTextW(g.getHDC(), name.data(), static_cast<int>(name.size()), &text, DT_PATH_ELLIPSIS | DT_NOPREFIX);
}

void TableColumn::paintCheckBox(Graphics& g, bool checked, int x, int y) {
    g.setBkMode(TRANSPARENT);
    g.setBrushColor(checked ? 0xE18040 : 0xFFE6E6);
    g.setPen(PS_SOLID, 1, 0xC0C0C0);
    g.drawRoundRect(x + 2, y + 1, 14, 14, 4, 4);
    if (checked) {
        g.setPen(PS_SOLID, 2, 0xF0F0F0);
        g.drawLine(x + 4, y + 7, x + 7, y + 11);
        g.drawLine(x + 7, y + 11, x + 14, y + 4);
    }
}

void TableColumn::paintCell(Graphics& g, CharWidthCache::Widths& widths, int row, int x, int y) {
    if (!getItem(row)) return;
    TableItem& item = mItems[row];
    item.showCheckBox = mCheckBoxes;
    const int width = mColumnRect.width;
    const bool selected = (getState(row) & LVIS_SELECTED) != 0;
    const COLORREF textColor = selected ? mSelectedTextColor : mTextColor;
    const COLORREF backColor = selected ? mSelectedBackColors[row % 2] : mBackColors[row % 2];
    HDC dc = g.getHDC();

    RECT cell{x, y, x + width, y + mRowHeight};
    ::SetBkColor(dc, backColor);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);

    int originX = x + 2;
    const int originY = y + 2;
    if (item.showCheckBox) {
        paintCheckBox(g, item.checked, x, y);
        originX += 16;
    }
    if (mImageList) {
        // The image takes the place the origin has reached, so that it never covers the
        // check box.
        ::ImageList_Draw(mImageList, item.image, dc, originX - 2, y, ILD_TRANSPARENT);
        originX += 16;
    }
    // Texts start two pixels down: a paint of the row's top line alone draws none.
    const RECT textArea{x, originY, x + width, y + mRowHeight};
    if (!::RectVisible(dc, &textArea)) return;
    // Long texts are cut to what can show before DrawTextW sees them, so that a cell
    // costs one look-up per visible character.
    const int count = countFittingCharacters(widths, dc, item.text, x, std::min(x + width, g.getWidth()));
    g.setTextColor(textColor);
    if (mNumbered) {
        const std::wstring number = std::to_wstring(row + 1);
        ::TextOutW(dc, originX, originY, number.c_str(), static_cast<int>(number.size()));
        originX += g.getTextWidth(number) + 5;
    }
    // No prefix processing: an "&" in a sentence is text, not a mnemonic.
    RECT text{originX, originY, x + width - 2, y + mRowHeight};
    drawCutText(dc, item, count, text, &widths);
}

void TableColumn::drawCutText(HDC dc, TableItem& item, int count, RECT& area, const void* font) {
    const UINT format = DT_WORD_ELLIPSIS | DT_NOPREFIX;
    const int room = area.right - area.left;
    if (item.cutFont == font && item.cutRoom == room && item.cutLength == count) {
        // The kept cut fits: the ellipsis search finds nothing more to cut.
        ::DrawTextW(dc, item.cutText.data(), static_cast<int>(item.cutText.size()), &area, format);
        return;
    }
    // Room for the ellipsis the system writes into the text it cuts.
    std::wstring shown = item.text.substr(0, count);
    shown.append(4, L'\0');
    ::DrawTextW(dc, &shown[0], count, &area, format | DT_MODIFYSTRING);
    shown.resize(::wcsnlen(shown.c_str(), shown.size()));
    // Line breaks make several lines, which are cut one by one: such texts are not kept.
    if (shown.find_first_of(L"\r\n") != std::wstring::npos) return;
    item.cutText = shown;
    item.cutRoom = room;
    item.cutLength = count;
    item.cutFont = font;
}
