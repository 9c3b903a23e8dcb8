// A drop-down list over the Win32 COMBOBOX control that paints its own frame and drop
// button, follows the mouse over the button, widens its list to the widest entry, and
// keeps its edit part read-only: the text changes only through the entries chosen.
#pragma once

#include <string>

#include "toolkit/widgets/TextField.h"
#include "toolkit/window/Component.h"

class ComboBox : public Component {
public:
    // The combo's edit part: typing, cutting and pasting are refused; Ctrl+A and Ctrl+C
    // still work, and a click opens the list.
    class ComboTextField : public TextField {
    public:
        ~ComboTextField() override;
        void attach(ComboBox* combo, HWND edit);
        LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    private:
        ComboBox* mCombo = nullptr;
    };

    ComboBox();
    ~ComboBox() override;

    void setBackColor(COLORREF color) override;
    void setTextColor(COLORREF color) override;
    bool create(HWND parent, int x, int y, int width, int height) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void paint(Graphics& g) override;

    virtual bool create(HWND parent, int id, int x, int y, int width, int height);
    // Widens the list to the widest entry + 20 and keeps it on the screen.
    virtual void fitDropDownWidth(HWND list);

    int getItemCount() const;
    // Inserts before index (-1 appends); answers the index or CB_ERR.
    int insertItem(const std::wstring& text, int index = -1);
    bool removeItem(int index);
    void removeAllItems();
    int getSelectedIndex() const;
    void setSelectedIndex(int index);
    int findItemExact(const std::wstring& text, int startAfter = -1) const;
    std::wstring getItemText(int index) const;
    // Measures every entry in the combo's font and keeps the widest.
    void updateMaxItemWidth();
    int getMaxItemWidth() const { return mMaxItemWidth; }
    HWND getDropDownList() const { return mDropDownList; }
    ComboTextField& getTextField() { return mTextField; }

private:
    void repaintButton();
    bool isCursorOver() const;

    ComboTextField mTextField;
    int mMaxItemWidth = 0;
    HWND mDropDownList = nullptr;
};
