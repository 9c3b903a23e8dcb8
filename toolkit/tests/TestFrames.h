// Small window classes for the window-core tests: a top-level frame that records the
// notifications and commands it receives, and a component that accepts clicks.
#pragma once

#include <string>
#include <vector>

#include "toolkit/window/BaseWindow.h"
#include "toolkit/window/Component.h"

class RecordingFrame : public BaseWindow {
public:
    RecordingFrame() { registerClass(L"RecordingFrame", nullptr, 0); }

    bool onCommand(HWND control, int id, int code) override {
        commands.push_back(id);
        return handleCommands;
    }
    bool onCommand(WPARAM wParam, LPARAM lParam) override {
        fallbackCommands.push_back(LOWORD(wParam));
        return true;
    }
    bool onClose() override {
        ++closeRequests;
        return allowClose ? BaseWindow::onClose() : false;
    }
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(msg);
        if (msg == WM_NOTIFY) {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            notifyCodes.push_back(static_cast<int>(header->code));
            notifyIds.push_back(static_cast<int>(header->idFrom));
            return 0;
        }
        return BaseWindow::windowProc(hwnd, msg, wParam, lParam);
    }
    bool received(UINT msg) const {
        for (UINT m : messages)
            if (m == msg) return true;
        return false;
    }

    std::vector<int> commands;
    std::vector<int> fallbackCommands;
    std::vector<int> notifyCodes;
    std::vector<int> notifyIds;
    std::vector<UINT> messages;
    bool handleCommands = true;
    bool allowClose = true;
    int closeRequests = 0;
};

class ClickableComponent : public Component {
public:
    bool onLButtonDown(int x, int y) override { return true; }
};

class RecordingListener : public EventListener {
public:
    void handleEvent(EventObject* event) override {
        ids.push_back(event->id);
        sources.push_back(event->getSource());
    }
    std::vector<int> ids;
    std::vector<void*> sources;
};
