#include "toolkit/widgets/TableColumn.h"

#include <algorithm>

#include "toolkit/graphics/Graphics.h"

TableColumn::TableColumn(const std::wstring& name, const Rect& rect)
    : mName(name),
      mHeaderRect(rect.x, rect.y, rect.width, kHeaderHeight),
      mColumnRect(rect),
      mTextColor(::GetSysColor(COLOR_WINDOWTEXT)),
      mBackColors{::GetSysColor(COLOR_WINDOW), 0xFFEDE3},
      mSelectedTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      mSelectedBackColors{::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHT)} {}

const TableItem* TableColumn::getItem(int row) const {
    if (row < 0 || row >= getItemCount()) return nullptr;
    return &mItems[row];
}

std::wstring TableColumn::getItemText(int row) const {
    const TableItem* item = getItem(row);
    return item ? item->text : std::wstring();
}

void TableColumn::setItemText(int row, const std::wstring& text) {
    if (!getItem(row)) return;
    mItems[row].text = text;
    mItems[row].cutFont = nullptr;
}

bool TableColumn::isChecked(int row) const {
    const TableItem* item = getItem(row);
    return item && item->checked;
}

void TableColumn::setChecked(int row, bool checked) {
    if (getItem(row)) mItems[row].checked = checked;
}

int TableColumn::getImage(int row) const {
    const TableItem* item = getItem(row);
    return item ? item->image : 0;
}

void TableColumn::setImage(int row, int image) {
    if (getItem(row)) mItems[row].image = image;
}

void TableColumn::replaceItem(int row, const TableItem& item) {
    if (!getItem(row)) return;
    mItems[row] = item;
    mItems[row].cutFont = nullptr;
}

namespace {

// Moves the states of every row from `first` on by `delta` rows.
void shiftStates(std::map<int, UINT>& states, int first, int delta) {
    std::vector<std::pair<int, UINT>> moved(states.lower_bound(first), states.end());
    states.erase(states.lower_bound(first), states.end());
    for (const auto& entry : moved) states.emplace(entry.first + delta, entry.second);
}

}  // namespace

void TableColumn::insertItem(int row, const TableItem& item) {
    if (row < 0 || row > getItemCount()) return;
    shiftStates(mStates, row, 1);
    mItems.insert(mItems.begin() + row, item);
    mItems[row].cutFont = nullptr;
}

void TableColumn::removeItem(int row) {
    if (!getItem(row)) return;
    mStates.erase(row);
    shiftStates(mStates, row + 1, -1);
    mItems.erase(mItems.begin() + row);
}

void TableColumn::clear() {
    mItems.clear();
    mStates.clear();
    mSnapshot.clear();
    mTopRow = 0;
}

UINT TableColumn::getState(int row) const {
    auto found = mStates.find(row);
    return found == mStates.end() ? 0 : found->second;
}

void TableColumn::setState(int row, UINT state) {
    if (!getItem(row)) return;
    if (state == 0) {
        mStates.erase(row);
    } else {
        mStates[row] = state;
    }
}

void TableColumn::clearStates() { mStates.clear(); }

void TableColumn::selectAll() {
    for (int row = getItemCount() - 1; row >= 0; --row) mStates[row] = LVIS_SELECTED;
}

bool TableColumn::hasSelection() const {
    for (const auto& entry : mStates) {
        if (entry.second & (LVIS_FOCUSED | LVIS_SELECTED)) return true;
    }
    return false;
}

int TableColumn::nextRow(int start, UINT flags) const {
    UINT wanted = 0;
    if (flags & LVNI_SELECTED) wanted |= LVIS_SELECTED;
    if (flags & LVNI_FOCUSED) wanted |= LVIS_FOCUSED;
    if (wanted == 0) return -1;
    for (auto it = mStates.lower_bound(std::max(0, start)); it != mStates.end(); ++it) {
        if (it->second & wanted) return it->first;
    }
    return -1;
}

void TableColumn::selectBand(const Rect& band, bool toggle) {
    const int headerHeight = getHeaderHeight();
    // Above the header line there are no rows: such a band selects nothing (a plain
    // division would round a top just above the line down to row 0).
    if (band.y < headerHeight) return;
    const int first = (band.y - headerHeight) / mRowHeight;
    const int count = (band.height + (band.y - headerHeight) % mRowHeight) / mRowHeight + 1;
    const int end = std::min(first + count, getItemCount());
    if (toggle) {
        for (int row = first; row < end; ++row) {
            auto found = mSnapshot.find(row);
            const UINT state = (found == mSnapshot.end() ? 0 : found->second) ^ LVIS_SELECTED;
            setState(row, state);
        }
        return;
    }
    mStates.clear();
    for (int row = first; row < end; ++row) mStates[row] = LVIS_SELECTED;
}

int TableColumn::find(const std::wstring& text, int from, int to, bool prefix) const {
    from = std::max(0, from);
    to = std::min(to, getItemCount());
    for (int row = from; row < to; ++row) {
        const std::wstring& cell = mItems[row].text;
        if (prefix ? cell.compare(0, text.size(), text) == 0 : cell == text) return row;
    }
    return -1;
}

Rect TableColumn::getCellRect(int row) const {
    if (!getItem(row)) return Rect();
    return Rect(mColumnRect.x, (row - mTopRow) * mRowHeight + getHeaderHeight(), mColumnRect.width, mRowHeight);
}

int TableColumn::rowAt(int x, int y) const {
    if (y < getHeaderHeight() || x < mColumnRect.x || x >= mColumnRect.x + mColumnRect.width) return -1;
    const int row = (y - getHeaderHeight()) / mRowHeight + mTopRow;
    return row < getItemCount() ? row : -1;
}

bool TableColumn::hitsCheckBox(int x, int y) const {
    if (y < getHeaderHeight()) return false;
    const int cellX = x - mColumnRect.x;
    const int cellY = (y - getHeaderHeight()) % mRowHeight;
    return cellX >= kCheckBoxStart && cellX < kCheckBoxEnd && cellY >= kCheckBoxStart && cellY < kCheckBoxEnd;
}

void TableColumn::setWidth(int width) {
    if (mHeaderRect.width == 0) return;
    mHeaderRect.width = width;
    mColumnRect.width = width;
}

void TableColumn::setX(int x) {
    mHeaderRect.x = x;
    mColumnRect.x = x;
}

int TableColumn::getTextOffset() const {
    int offset = 0;
    if (mImageList) offset += 16;
    if (mCheckBoxes) offset += 16;
    if (mNumbered) offset += 24;
    return offset;
}

int TableColumn::getAutomaticWidth(const LOGFONTW& font, int row) const {
    Graphics g(1, 1);
    g.setFont(::CreateFontIndirectW(&font));
    if (row != -1) return g.getTextWidth(getItemText(row));
    int widest = 20;
    for (const TableItem& item : mItems) widest = std::max(widest, g.getTextWidth(item.text));
    return getTextOffset() + widest + 4;
}

void TableColumn::showFocus(bool focused, COLORREF tableTextColor) {
    if (focused) {
        mSelectedTextColor = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        mSelectedBackColors[0] = mSelectedBackColors[1] = ::GetSysColor(COLOR_HIGHLIGHT);
    } else {
        mSelectedTextColor = tableTextColor;
        mSelectedBackColors[0] = 0xDDDDDD;
        mSelectedBackColors[1] = 0xCCCCCC;
    }
}
