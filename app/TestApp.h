// The application object: the frame with the main window as its one child.
#pragma once

#include "app/App.h"
#include "app/mainwindow/Corvanta.h"

class TestApp : public App {
public:
    TestApp();
    ~TestApp() override;

    bool onCommand(WPARAM wParam, LPARAM lParam) override;
    bool onCommand(HWND control, int id, int code) override;
    bool onClose() override;
    bool onCreate() override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;

    Corvanta& getMainWindow() { return mMainWindow; }

    // The settings file the frame reads its placement from (the program's by default).
    void setIniPath(const std::wstring& path) {
        mIniPath = path;
        mMainWindow.setIniPath(path);
    }
    const std::wstring& getIniPath() const { return mIniPath; }

private:
    Corvanta mMainWindow;
    std::wstring mIniPath;
};
