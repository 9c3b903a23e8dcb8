#include "toolkit/window/ListenerList.h"

#include <algorithm>

#include "toolkit/window/Listeners.h"

void ListenerList::add(const std::string& kind, EventListener* listener) {
    std::vector<EventListener*>& listeners = mListeners[kind];
    if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end()) {
        listeners.push_back(listener);
    }
}

bool ListenerList::fire(const std::string& kind, EventObject* event) {
    // Walk by index: a listener may register another while it is being called.
    for (size_t i = 0; i < mListeners[kind].size(); ++i) {
        mListeners[kind][i]->handleEvent(event);
    }
    return !mListeners[kind].empty();
}

size_t ListenerList::count(const std::string& kind) const {
    auto found = mListeners.find(kind);
    return found == mListeners.end() ? 0 : found->second.size();
}
