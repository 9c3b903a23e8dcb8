// Listeners of one component, grouped by the name of their kind. Holds plain pointers:
// a listener must stay alive while it is registered.
#pragma once

#include <map>
#include <string>
#include <vector>

class EventListener;
class EventObject;

class ListenerList {
public:
    // Appends the listener unless it is already registered under that kind.
    void add(const std::string& kind, EventListener* listener);
    // Calls every listener of the kind in registration order, including listeners added
    // during the walk. True when the kind has listeners.
    bool fire(const std::string& kind, EventObject* event);
    void clear() { mListeners.clear(); }
    size_t count(const std::string& kind) const;

private:
    std::map<std::string, std::vector<EventListener*>> mListeners;
};
