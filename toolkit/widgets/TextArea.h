// A multi-line text field over the standard EDIT control. The control is subclassed onto
// the toolkit's window procedure, so the operations below see its messages first; what
// they leave goes on to the control. Adds input filters, a read-only mode, Tab handling
// and a limit on the lines Enter may create.
#pragma once

#include <map>
#include <string>

#include "toolkit/window/BaseWindow.h"

class TextArea : public BaseWindow {
public:
    TextArea();
    ~TextArea() override;

    using BaseWindow::create;
    using BaseWindow::setText;

    // Creates the EDIT control with an explicit style and control id.
    bool create(HWND parent, int id, DWORD style);
    bool create(HWND parent, int x, int y, int width, int height) override;
    bool createWithDefaultBounds(HWND parent) override;
    void destroy() override;
    void setBackColor(COLORREF color) override;
    std::wstring getTextCopy() const override;
    void setText(const std::wstring& text) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual DWORD getDefaultStyle() const;
    virtual bool onLButtonDblClk(int x, int y);
    virtual bool onKeyDown(WPARAM key, LPARAM flags);
    virtual bool onChar(WPARAM c, LPARAM flags);

    void selectAll();
    // Replaces the selection, as one undoable step.
    void replaceSelection(const std::wstring& text);
    // Line feeds in the text plus one.
    int getLineCount() const;
    void setNumber(int number);

    // Applies the filters that are switched on to a copy of the text.
    std::wstring filter(const std::wstring& text) const;

    // Removes the characters that are forbidden in file names.
    void setFileNameFilter(bool on) { mFileNameFilter = on; }
    // Turns the characters that are unsafe in markup into blanks (typed ones are refused).
    void setMarkupFilter(bool on) { mMarkupFilter = on; }
    void setReadOnly(bool on) { mReadOnly = on; }
    bool isReadOnly() const { return mReadOnly; }
    // The most lines Enter may create in a multi-line field; -1 for no limit.
    void setLineLimit(int lines) { mLineLimit = lines; }
    // A typed character or key found here is checked as its mapped value.
    void mapCharacter(wchar_t from, wchar_t to) { mTranslation[from] = to; }
    HBRUSH getBackgroundBrush() const { return mBackgroundBrush; }
    bool isMultiLine() const;

protected:
    void paste();

    bool mFileNameFilter = false;
    bool mMarkupFilter = false;
    bool mReadOnly = false;
    int mLineLimit = -1;
    HBRUSH mBackgroundBrush = nullptr;
    std::map<wchar_t, wchar_t> mTranslation;

private:
    wchar_t translate(wchar_t c) const;
};
