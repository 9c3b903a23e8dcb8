// A window object that creates its own window (top level or child), registers its
// window class and receives its messages as calls of virtual operations.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "toolkit/window/WinApiWindow.h"

class BaseWindow : public WinApiWindow {
public:
    BaseWindow();
    ~BaseWindow() override;

    virtual void destroy();
    virtual bool create();
    virtual bool createWithDefaultBounds(HWND parent);
    virtual bool create(HWND parent, int x, int y, int width, int height);
    virtual std::wstring getTextCopy() const;
    virtual int getX() const;
    virtual int getY() const;
    virtual void setText(const wchar_t* text);
    virtual void setText(const std::wstring& text);
    virtual void setFontHeight(int height);
    virtual void setBounds(int x, int y, int width, int height);
    virtual void setSize(int width, int height);
    virtual void setToolTip(const std::wstring& text, int delay);
    virtual bool onCommand(WPARAM wParam, LPARAM lParam);
    virtual bool onCommand(HWND control, int id, int code);
    virtual void centreInParent();
    virtual std::wstring toString() const;
    virtual std::wstring toXML() const;
    virtual LRESULT sendNotify(int code);
    virtual bool onClose();
    virtual bool onCreate();
    virtual LRESULT onCreateDefault(LPARAM lParam);
    virtual LRESULT onNotify(WPARAM wParam, LPARAM lParam);
    virtual LRESULT onSize(WPARAM wParam, LPARAM lParam);
    virtual bool onTimer(WPARAM wParam, LPARAM lParam);
    virtual bool onDropFiles(const std::vector<std::wstring>& paths);
    virtual bool onDropFiles(HDROP drop);
    virtual ATOM registerClass(const wchar_t* name, const wchar_t* menuName, UINT style);
    virtual LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // The class this object creates its window with; empty before registration.
    std::wstring getClassName() const;
    WNDPROC getSavedWindowProc() const { return mSavedWindowProc; }
    HWND getToolTipHWND() const { return mToolTip; }

    // Forwards to the subclassed control's own procedure, else DefWindowProcW.
    LRESULT defaultWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    void updateToolRect();

    friend void subclassControl(BaseWindow& window);
    friend LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM);

    WNDPROC mSavedWindowProc = nullptr;
    TOOLINFOW mToolInfo;
    HWND mToolTip = nullptr;
    mutable wchar_t mClassName[256];
};

// Reads every path of a dropped batch, in drop order, at its full length.
std::vector<std::wstring> readDroppedPaths(HDROP drop);
