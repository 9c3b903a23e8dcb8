// The table the program shows: an own-drawn window that keeps its rows column by
// column, paints them itself and answers the list-view messages of Table, so that every
// Table operation works on it too. Rows are selected whole, by mouse (click, Shift- and
// Ctrl-click, a band dragged over rows, which scrolls the table while the pointer is
// past an edge) and by keys; columns are resized by dragging their header edge.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>

#include "toolkit/graphics/Graphics.h"
#include "toolkit/widgets/Scrollbar.h"
#include "toolkit/widgets/Table.h"
#include "toolkit/widgets/TableColumnModel.h"
#include "toolkit/widgets/TableModel.h"

class TableComponent : public Table, public Scrollbar {
public:
    // Window style bit that turns ensureVisible off.
    static constexpr LONG kNoEnsureVisibleStyle = 0x2000;
    static constexpr UINT_PTR kAutoScrollTimer = 1;
    static constexpr int kResizeMargin = 8;

    enum class MouseState { Idle, BandSelection, ColumnResizing };

    TableComponent();
    ~TableComponent() override;

    void destroy() override;
    bool createWithDefaultBounds(HWND parent) override;
    bool onCreate() override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    bool onTimer(WPARAM wParam, LPARAM lParam) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void paint(Graphics& g) override;
    // A whole-window repaint asked for while one is still pending costs nothing: a table
    // being filled asks for one with every cell.
    void repaint(const RECT* area = nullptr, bool erase = false) override;
    void invalidateScrollBars() override;
    bool onSetFocus(HWND previous) override;
    bool onKillFocus() override;
    bool onKeyDown(WPARAM key, LPARAM lParam) override;
    bool onLButtonUp() override;
    bool onLButtonDown(int x, int y) override;
    bool onRButtonDown(int x, int y) override;
    bool onLButtonDblClk(int x, int y) override;
    bool onMouseMove(int x, int y) override;
    bool onMouseWheel(int x, int y, int keys, int notches) override;

    bool isChecked(int row) override;
    int getColumnCount() override;
    void setExtendedStyle(DWORD style) override;
    bool ensureVisible(int row) override;
    void deleteAllItems() override;
    void removeItem(int row) override;
    int getItemCount() override;
    std::wstring getItemText(int row, int column) override;
    // Answers -1 without columns; a negative index inserts nothing and is answered as is.
    int insertItem(const std::wstring& text, int index) override;
    void setChecked(int row, bool checked) override;
    void select(int row) override;
    void selectAll() override;

    // Moves rows first..last so that they start at `target` of the rows left after
    // taking them out; a range or target outside the rows does nothing.
    virtual void moveRows(int first, int last, int target);
    virtual int getVerticalScrollRange();
    virtual int getHorizontalScrollRange();
    void onScroll(UINT message, WPARAM wParam) override;
    // Whole rows move on the screen; only the rows that come into view are painted.
    void scrollContent(int dx, int dy) override;

    int getRowCount() override { return getVerticalScrollRange(); }
    int getContentWidth() override { return getHorizontalScrollRange(); }

    TableModel* getModel() { return &mModel; }
    TableColumnModel& getColumnModel() { return mColumns; }
    // The column at the index; a blank scratch column for an index that names none.
    TableColumn& getColumn(int index) { return mColumns.getColumn(index); }

    std::wstring getItemTextW(int row, int column) const;
    // Row -1 (any negative row) is the last row. False when the column does not exist.
    bool setItemText(const std::wstring& text, int row, int column);
    // The first row whose cell in the column equals the text (or starts with it); -1.
    int findRow(const std::wstring& text, int column, bool prefix) const;
    // Ctrl toggles the row; otherwise the row becomes the only selected one.
    void selectRow(int row);
    void setColumnWidth(int column, int width);
    void setColumnNumbered(bool numbered, int column);
    void setEmptyText(const std::wstring& text) { mEmptyText = text; }
    const std::wstring& getEmptyText() const { return mEmptyText; }

    int getHeaderHeight() const;
    int getRowHeight() const;
    // Rows that fit below the header and above the horizontal bar.
    int getRowsPerPage() const;
    int getCurrentRow() const { return mCurrentRow; }
    int getHotColumn() const { return mHotColumn; }
    MouseState getMouseState() const { return mMouseState; }
    bool isAutoScrolling() const { return mAutoScrollTimer != 0; }
    // Sets the pages from the window size, clamps the positions, updates the scroll bars
    // and gives every column the top row.
    void updateScrollRanges();

protected:
    // Messages of the list-view family; false for any other message.
    bool handleListViewMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT insertColumn(const LVCOLUMNW* column, int index);
    LRESULT getItem(LVITEMW* item) const;
    LRESULT setItem(const LVITEMW* item);
    void setItemState(int row, UINT state);
    int getNextItem(int start, UINT flags) const;
    LRESULT getSubItemRect(int row, RECT* rect) const;
    LRESULT hitTest(LVHITTESTINFO* info) const;
    LRESULT findItem(int start, const LVFINDINFOW* find) const;
    LRESULT createDragImage(int row, POINT* corner);

    // The row and column under a point of the window; the column may be found without a row.
    void rowAndColumnAt(int x, int y, int& row, int& column) const;
    struct ClickResult {
        int row;
        bool checkBox;
    };
    ClickResult selectByClick(int x, int y);
    // The column border near x (sets the hot column); true on a border.
    bool hitHeader(int x, int y);
    void extendBand(int x, int y);
    RECT getAutoScrollRect() const;
    void stopAutoScroll();
    void fireTableChanged(int code, int firstRow, int lastRow, int column, int type);
    void notifyKeyDown(WPARAM key);
    void layoutColumns();
    void paintBand(Graphics& g);
    void paintEmptyText(Graphics& g);
    // Paints the window rows that meet [top, bottom) (window y), and the header when the
    // strip reaches into it; the whole table when it covers the window, or while a band or
    // the empty text shows. Nothing outside the strip is touched.
    void paintStrip(Graphics& g, int top, int bottom);
    // Paints the strips of the update region and shows them.
    void onPaintMessage(HWND hwnd);
    // The part of the client area the rows take, below the header.
    RECT getRowsArea() const;
    // Repaints the visible rows whose state differs from `before` (the first column's
    // states as they were).
    void repaintChangedRows(const std::map<int, UINT>& before);

    DWORD mExtendedStyle = 0;
    HIMAGELIST mImageList = nullptr;
    DefaultTableModel mModel;
    TableColumnModel mColumns;
    std::wstring mEmptyText;
    MouseState mMouseState = MouseState::Idle;
    RECT mBand{};  // start and end corners in content coordinates
    int mBandFirstRow = 0;
    int mBandLastRow = 0;
    int mAutoScrollAccumulator = 0;
    UINT_PTR mAutoScrollTimer = 0;
    int mHotColumn = -1;
    int mCurrentRow = -1;
    bool mRepaintPending = false;
    bool mScrollBarsPending = false;
    // The surface strips are painted on, kept from paint to paint; only the strips just
    // painted are ever shown from it.
    std::unique_ptr<Graphics> mSurface;
};
