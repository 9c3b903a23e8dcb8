// The Explorer-style common save dialog driven through a hook: the hook dialog is bound
// to the chooser object and its messages become virtual operations. The caller fills the
// OPENFILENAMEW (file buffer, filter, flags) and reads the chosen file afterwards.
#pragma once

#include <windows.h>
#include <commdlg.h>

class AbstractFileChooser {
public:
    AbstractFileChooser() = default;
    virtual ~AbstractFileChooser() = default;
    AbstractFileChooser(const AbstractFileChooser&) = delete;
    AbstractFileChooser& operator=(const AbstractFileChooser&) = delete;

    // Places the dialog centred on the desktop.
    virtual bool onInitDialog();
    // The dialog has laid out its controls (CDN_INITDONE).
    virtual UINT_PTR onInitDone();
    virtual void onSelChange();
    virtual bool onSize(WPARAM wParam, LPARAM lParam);
    virtual void onDestroy();
    virtual UINT_PTR onCommand(HWND control, int code, int id);

    // Shows the save dialog for the record (its hook fields are set here); true when
    // the user chose a file.
    bool showSaveDialog(OPENFILENAMEW& record);

    // The common dialog itself, and the hook's child dialog inside it.
    HWND getDialogWindow() const { return mDialog; }
    HWND getHookWindow() const { return mHook; }

protected:
    friend UINT_PTR CALLBACK fileChooserHookProcedure(HWND, UINT, WPARAM, LPARAM);

    // Gives the hook window the dialog's client width and the height; the dialog makes
    // room for it below its own controls.
    void makeRoomBelow(int height);
    // Once the dialog has laid out its controls: puts a hook window that has a size under
    // the file-type row, makes the dialog tall enough for it, and centres the dialog.
    void arrangeHookWindow();
    // The bottom of the file-type label and list, in the dialog's client coordinates.
    int fileTypeRowBottom() const;
    // Centres the dialog window on the desktop.
    void centreDialog();
    // A control of the common dialog, in the hook window's client coordinates.
    RECT controlRectInHook(int id) const;

    HWND mDialog = nullptr;
    HWND mHook = nullptr;
    OPENFILENAMEW* mRecord = nullptr;
};

UINT_PTR CALLBACK fileChooserHookProcedure(HWND hook, UINT msg, WPARAM wParam, LPARAM lParam);
