// Event objects that components hand to their listeners.
#pragma once

class EventObject {
public:
    EventObject(void* source_, int id_, int data_) : source(source_), data(data_), id(id_) {}
    virtual ~EventObject() = default;

    void* getSource() const { return source; }

    void* source;  // the firing object
    int data;
    int id;  // the event code or message
};

class ActionEvent : public EventObject {
public:
    using EventObject::EventObject;
};

class ChangeEvent : public EventObject {
public:
    using EventObject::EventObject;
};

// A mouse message with the cursor in the source's client coordinates.
class MouseEvent : public EventObject {
public:
    MouseEvent(void* source_, int message, int x_, int y_) : EventObject(source_, message, 0), x(x_), y(y_) {}
    int x;
    int y;
};

// NM_RETURN (-4) from a control arrives as the Return key.
class KeyEvent : public EventObject {
public:
    KeyEvent(void* source_, int key, int data_)
        : EventObject(source_, key, data_), keyCode(key == -4 ? 13 : key) {}

    int getKeyCode() const { return keyCode; }

    int reserved = 0;
    int keyCode;
    int modifiers = 0;
    int repeat = 0;
    int flags = 0;
};
