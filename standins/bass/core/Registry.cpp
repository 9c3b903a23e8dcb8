#include "standins/bass/core/Registry.h"

#include <map>
#include <mutex>

namespace {

struct Table {
    std::mutex mutex;
    std::map<DWORD, std::shared_ptr<Channel>> channels;
    DWORD next = 0x10001;  // never 0, which means "no handle"
};

// Never destroyed: at process exit the output threads are already gone, and tearing
// down channels inside the loader's detach would wait on them.
Table& table() {
    static Table* instance = new Table;
    return *instance;
}

}  // namespace

DWORD registerChannel(std::shared_ptr<Channel> channel) {
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    DWORD handle = t.next++;
    if (t.next == 0) t.next = 0x10001;
    t.channels[handle] = std::move(channel);
    return handle;
}

std::shared_ptr<Channel> findChannel(DWORD handle) {
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto found = t.channels.find(handle);
    return found == t.channels.end() ? nullptr : found->second;
}

std::shared_ptr<Channel> unregisterChannel(DWORD handle) {
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto found = t.channels.find(handle);
    if (found == t.channels.end()) return nullptr;
    std::shared_ptr<Channel> channel = std::move(found->second);
    t.channels.erase(found);
    return channel;
}

std::vector<std::shared_ptr<Channel>> unregisterAllChannels() {
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    std::vector<std::shared_ptr<Channel>> all;
    for (auto& entry : t.channels) all.push_back(std::move(entry.second));
    t.channels.clear();
    return all;
}
