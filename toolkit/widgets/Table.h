// The toolkit's table: a list-view control in report mode, driven only by list-view
// messages sent to its own window. The own-drawn TableComponent answers the same
// messages, so code written against Table works on both.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "toolkit/window/Component.h"

// The text back colour that goes with a back colour: each channel 24 lighter, at most 255.
COLORREF lighterTextBackColor(COLORREF color);

class Table : public Component {
public:
    Table() = default;
    ~Table() override;

    void setBackColor(COLORREF color) override;
    void setTextColor(COLORREF color) override;
    // A standard control keeps its own painting, mouse and keys.
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Creates the list-view control (virtual with `ownerData`) as a child of `parent`;
    // bounds are set afterwards.
    virtual bool create(HWND parent, bool ownerData);
    // True unless the row's check box is unchecked (a row without one reads as checked).
    virtual bool isChecked(int row);
    virtual int getColumnCount();
    virtual void setExtendedStyle(DWORD style);
    virtual bool ensureVisible(int row);
    virtual void deleteAllItems();
    virtual void removeItem(int row);
    virtual DWORD getExtendedStyle();
    virtual int getItemCount();
    // At most 2,047 characters of the cell.
    virtual std::wstring getItemText(int row, int column);
    // Inserts a row at `index` (-1: at the end) and answers the index used.
    virtual int insertItem(const std::wstring& text, int index);
    // Sub-item 0 inserts a row; any other sub-item sets that cell of the row. Row -1 is
    // the item count.
    virtual void insertRow(const std::wstring& text, int row, int subItem);
    virtual void setChecked(int row, bool checked);
    virtual void select(int row);
    virtual void selectAll();

    using BaseWindow::create;

    void addItem(const std::wstring& text, int index);
    void addColumn(const std::wstring& name, int width);
    // The first selected row, or -1.
    int getSelectedIndex();
    // Every selected row, ascending.
    std::vector<int> getSelectedIndices();
    void clearSelection();

    // The busy flag: set while the owner copies the selected rows elsewhere.
    void clearBusy() { mBusy = false; }
    bool isUpdating() const { return mBusy; }
    void setUpdating(bool busy) { mBusy = busy; }

protected:
    LRESULT send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

    bool mBusy = false;
};
