// Listener interfaces. Windows and dialogs implement them by multiple inheritance and
// register themselves in the components they own.
#pragma once

#include "toolkit/window/Events.h"

class EventListener {
public:
    virtual ~EventListener() = default;
    virtual void handleEvent(EventObject* event) {}
};

class ActionListener : public EventListener {
public:
    virtual void actionPerformed(ActionEvent event) = 0;
};

class ChangeListener : public EventListener {
public:
    // Only change events are meant for this listener; anything else is ignored.
    void handleEvent(EventObject* event) override {
        if (auto* change = dynamic_cast<ChangeEvent*>(event)) stateChanged(*change);
    }
    virtual void stateChanged(ChangeEvent event) = 0;
};

class KeyListener : public EventListener {
public:
    void handleEvent(EventObject* event) override {
        if (auto* key = dynamic_cast<KeyEvent*>(event)) onKeyEvent(*key);
    }
    virtual void onKeyPressed(KeyEvent event) {}
    virtual void onKeyReleased(KeyEvent event) {}
    virtual void onKeyEvent(KeyEvent event) {}
};
