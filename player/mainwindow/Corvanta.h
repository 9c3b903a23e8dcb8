// The main window: a child component that fills the application frame and in which the
// learner works. Its controls are added by the main-window parts.
#pragma once

#include "toolkit/window/Component.h"

class Corvanta : public Component {
public:
    Corvanta();
    ~Corvanta() override;

    bool onCommand(HWND control, int id, int code) override;
    bool onClose() override;
    bool onCreate() override;
    bool onDropFiles(const std::vector<std::wstring>& paths) override;

    // The last command that reached the window (for the frame's routing tests).
    int getLastCommand() const { return mLastCommand; }

    // Asked before the window closes; false keeps the program open.
    virtual bool canClose();

private:
    int mLastCommand = 0;
};
