// One column of the own-drawn table: its header text and geometry, its colours, the
// cell of each row and the selection state of each row. The table keeps every column in
// step, so that each column can answer for the rows on its own.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/graphics/Image.h"
#include "toolkit/widgets/CharWidthCache.h"
#include "toolkit/widgets/TableItem.h"
#include "toolkit/window/Rect.h"

class Graphics;

class TableColumn {
public:
    static constexpr int kHeaderHeight = 20;
    static constexpr int kRowHeight = 16;
    // The check box of a cell: a 12 x 12 square at (2, 2) from the cell's corner.
    static constexpr int kCheckBoxStart = 2;
    static constexpr int kCheckBoxEnd = 14;

    // The column rectangle is `rect`; the header has its x, y and width and is 20 high.
    TableColumn(const std::wstring& name, const Rect& rect);

    const std::wstring& getName() const { return mName; }
    void setName(const std::wstring& name) { mName = name; }

    // Cells. Rows outside the items read as "" or false and are not written.
    int getItemCount() const { return static_cast<int>(mItems.size()); }
    std::wstring getItemText(int row) const;
    void setItemText(int row, const std::wstring& text);
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    int getImage(int row) const;
    void setImage(int row, int image);
    // The cell of an existing row, or null.
    const TableItem* getItem(int row) const;
    void replaceItem(int row, const TableItem& item);
    // Inserts at a row not beyond the count; later rows keep their states.
    void insertItem(int row, const TableItem& item);
    // Removes an existing row; later rows keep their states.
    void removeItem(int row);
    // No items, no states, top row 0.
    void clear();

    // LVIS_* states of the rows (0 for a row without one).
    UINT getState(int row) const;
    void setState(int row, UINT state);
    void clearStates();
    void selectAll();
    const std::map<int, UINT>& getStates() const { return mStates; }
    void takeSnapshot() { mSnapshot = mStates; }
    void forgetSnapshot() { mSnapshot.clear(); }
    bool hasSelection() const;
    // The first row from max(0, start) whose state matches LVNI_SELECTED or LVNI_FOCUSED
    // in `flags`; -1.
    int nextRow(int start, UINT flags) const;
    // Selects the rows under a band given in content coordinates (x plus the horizontal
    // position, y plus the vertical position times the row height). With `toggle`, the
    // rows under the band take their state of the last snapshot with the selection
    // flipped; without it they become the only selected rows. A band whose top lies above
    // the header line selects nothing.
    void selectBand(const Rect& band, bool toggle);
    // The first row in [from, to) whose text equals `text`, or starts with it when
    // `prefix` is set (case-sensitive); -1.
    int find(const std::wstring& text, int from, int to, bool prefix) const;

    // Geometry. The column's x is in content coordinates (not scrolled).
    Rect getCellRect(int row) const;
    // The row at x (content coordinates) and y (window coordinates), or -1.
    int rowAt(int x, int y) const;
    // Whether the point (as for rowAt) lies in the check box of its row.
    bool hitsCheckBox(int x, int y) const;
    int getWidth() const { return mColumnRect.width; }
    // A column whose header width is 0 stays hidden at width 0.
    void setWidth(int width);
    int getX() const { return mColumnRect.x; }
    void setX(int x);
    int getY() const { return mColumnRect.y; }
    int getHeight() const { return mColumnRect.height; }
    void setHeight(int height) { mColumnRect.height = height; }
    const Rect& getHeaderRect() const { return mHeaderRect; }
    const Rect& getColumnRect() const { return mColumnRect; }
    int getHeaderHeight() const { return mHeaderRect.height; }
    int getRowHeight() const { return mRowHeight; }
    int getTopRow() const { return mTopRow; }
    void setTopRow(int row) { mTopRow = row; }
    // Room taken before the text: image, check box and row number.
    int getTextOffset() const;
    // With row -1 the width that shows every row's text; else the width of that row's text.
    int getAutomaticWidth(const LOGFONTW& font, int row) const;

    // A 64 x 32 strip (normal look on top, hot look below); while it holds a picture the
    // header is drawn from it.
    Image& getHeaderImage() { return *mHeaderImage; }

    HIMAGELIST getImageList() const { return mImageList; }
    void setImageList(HIMAGELIST imageList) { mImageList = imageList; }
    bool hasCheckBoxes() const { return mCheckBoxes; }
    void setCheckBoxes(bool checkBoxes) { mCheckBoxes = checkBoxes; }
    bool isNumbered() const { return mNumbered; }
    void setNumbered(bool numbered) { mNumbered = numbered; }

    // Colours of selected rows for a table with and without the focus.
    void showFocus(bool focused, COLORREF tableTextColor);
    COLORREF getSelectedBackColor(int row) const { return mSelectedBackColors[row % 2]; }
    COLORREF getBackColor(int row) const { return mBackColors[row % 2]; }

    // Paints the header and the visible cells, moved left by the horizontal position.
    void paint(Graphics& g, int horizontalPosition, bool hot);
    // Paints the header when asked, and the cells of the window rows first..last (0 is
    // the top row shown).
    void paintPart(Graphics& g, int horizontalPosition, bool hot, bool header, int first, int last);
    void paintHeader(Graphics& g, int horizontalPosition, bool hot);
    void paintCell(Graphics& g, CharWidthCache::Widths& widths, int row, int x, int y);

private:
    void paintCheckBox(Graphics& g, bool checked, int x, int y);
    void drawHeaderName(Graphics& g, const Rect& header);
    // Draws the first `count` characters of the cell's text cut with an ellipsis to the
    // area, keeping the cut for the next paint in the same room and font.
    static void drawCutText(HDC dc, TableItem& item, int count, RECT& area, const void* font);

    std::wstring mName;
    Rect mHeaderRect;
    Rect mColumnRect;
    // Shared by copies: a column is copied only while it is placed in its model.
    std::shared_ptr<Image> mHeaderImage = std::make_shared<Image>();
    std::vector<TableItem> mItems;
    std::map<int, UINT> mStates;
    std::map<int, UINT> mSnapshot;
    HIMAGELIST mImageList = nullptr;
    bool mCheckBoxes = false;
    bool mNumbered = false;
    int mTopRow = 0;
    int mRowHeight = kRowHeight;
    COLORREF mTextColor;
    COLORREF mBackColors[2];
    COLORREF mSelectedTextColor;
    COLORREF mSelectedBackColors[2];
};
