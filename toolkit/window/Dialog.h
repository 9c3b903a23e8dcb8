// The base of every dialog. A dialog has no resource: it is created from the one
// in-memory template, modal or modeless, and its subclass creates the controls in code
// in createContents. The dialog procedure binds the window to the object and turns the
// dialog messages into the virtual operations below. Dialog also owns the standard
// OK / Cancel / Apply button row.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/widgets/Button.h"
#include "toolkit/window/WinApiWindow.h"

class Dialog : public WinApiWindow {
public:
    // Command ids of the button row; the same values choose the buttons to create.
    enum : int { kOkId = 64, kCancelId = 128, kApplyId = 256 };

    Dialog();
    ~Dialog() override;

    // Ends a modal run with the result, or destroys a modeless window.
    virtual bool close(int result);
    virtual void setTitle(const wchar_t* title);
    virtual void setTitle(const std::wstring& title);
    void setLocation(int x, int y) override;
    virtual void setSize(int width, int height);
    virtual void setBounds(int x, int y, int width, int height);
    // The whole dialog, erased.
    virtual void repaint();
    virtual void centre();
    virtual void centreOnDesktop(int width, int height);
    // Every message the dialog procedure does not handle; the result is the dialog
    // procedure's (FALSE: not handled).
    virtual INT_PTR dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Creates the controls when the window is initialised; true lets the dialog manager
    // give the first control the focus.
    virtual bool createContents();
    // Each returns whether the dialog may go on: close for OK and Cancel, disable the
    // Apply button for Apply.
    virtual bool onOk();
    virtual bool onCancel();
    virtual bool onClose();
    virtual bool onApply();
    // Spare slots for subclasses: no message reaches them; each answers false.
    virtual bool spareHook1();
    virtual bool onDropFiles(const std::vector<std::wstring>& paths);
    virtual bool spareHook2();
    virtual bool spareHook3();
    virtual bool spareHook4();
    virtual bool onTimer(WPARAM wParam, LPARAM lParam);
    virtual bool onNotify(WPARAM wParam, LPARAM lParam);
    virtual bool onCommand(HWND control, int id, int code);
    virtual void onSize(WPARAM wParam, LPARAM lParam);

    // Brings the dialog to the mouse cursor (160 pixels up and left of it).
    void moveNearCursor();
    // Adds OK, Cancel and Apply (chosen by the id flags) along the bottom right.
    void createButtons(int flags);
    // Keeps the button row at the bottom right after a resize.
    void layoutButtons();
    bool isModeless() const { return mModeless; }
    Button& getOkButton() { return mOkButton; }
    Button& getCancelButton() { return mCancelButton; }
    Button& getApplyButton() { return mApplyButton; }

protected:
    friend bool showModalDialog(HWND parent, Dialog& dialog);
    friend bool showModelessDialog(HWND parent, Dialog& dialog);

    Button mCancelButton;
    Button mOkButton;
    Button mApplyButton;
    bool mModeless = false;
};

// Runs the dialog modally; true when it was accepted (closed with anything but Cancel,
// the close box, or a failure to show it at all).
bool showModalDialog(HWND parent, Dialog& dialog);
// Creates the dialog modeless, or leaves an open one alone; true when it has a window.
bool showModelessDialog(HWND parent, Dialog& dialog);

// A plain text label (a STATIC window in the default GUI font) for a dialog's fields.
HWND createLabel(HWND parent, const std::wstring& text, int x, int y, int width, int height);
