#include "foundation/xml/ElementAttributes.h"

#include <algorithm>
#include <cwchar>

namespace {

bool byName(const ElementAttributes::Entry& entry, std::wstring_view name) {
    return std::wstring_view(entry.name) < name;
}

}  // namespace

ElementAttributes::ElementAttributes(const ElementAttributes& other)
    : mEntries(other.mEntries), mOrder(other.mOrder), mNameOrder(other.mNameOrder) {}

ElementAttributes::~ElementAttributes() {
    delete mMap.load(std::memory_order_acquire);
}

void ElementAttributes::refreshMap() {
    Map* map = mMap.load(std::memory_order_acquire);
    if (map == nullptr) return;
    map->clear();
    for (const Entry& entry : mEntries) map->emplace_hint(map->end(), std::wstring(entry.name), std::wstring(entry.value));
}

void ElementAttributes::copyFrom(const ElementAttributes& other) {
    if (&other == this) return;
    mEntries = other.mEntries;
    mOrder = other.mOrder;
    mNameOrder = other.mNameOrder;
    refreshMap();
}

void ElementAttributes::clear() {
    mEntries.clear();
    mOrder.clear();
    mNameOrder = true;
    refreshMap();
}

void ElementAttributes::assign(const Map& attributes) {
    mEntries.clear();
    mEntries.reserve(attributes.size());
    for (const auto& attribute : attributes) {
        mEntries.push_back(Entry{Text(attribute.first.data(), attribute.first.size()),
                                 Text(attribute.second.data(), attribute.second.size())});
    }
    mOrder.clear();
    mNameOrder = true;
    refreshMap();
}

void ElementAttributes::assignSorted(const std::pair<std::wstring, std::wstring>* first,
                                     const std::pair<std::wstring, std::wstring>* last) {
    mEntries.clear();
    mEntries.reserve(static_cast<size_t>(last - first));
    for (; first != last; ++first) {
        mEntries.push_back(Entry{Text(first->first.data(), first->first.size()),
                                 Text(first->second.data(), first->second.size())});
    }
    mOrder.clear();
    mNameOrder = true;
    refreshMap();
}

const ElementAttributes::Entry* ElementAttributes::find(const std::wstring& name, bool caseSensitive) const {
    auto found = std::lower_bound(mEntries.begin(), mEntries.end(), std::wstring_view(name), byName);
    if (found != mEntries.end() && std::wstring_view(found->name) == name) return &*found;
    if (caseSensitive) return nullptr;
    for (const Entry& entry : mEntries) {
        if (_wcsicmp(entry.name.c_str(), name.c_str()) == 0) return &entry;
    }
    return nullptr;
}

void ElementAttributes::set(const std::wstring& name, const std::wstring& value) {
    // The built map changes in place, as a plain map would: iterators over it stay valid.
    if (Map* map = mMap.load(std::memory_order_acquire)) map->insert_or_assign(name, value);
    auto found = std::lower_bound(mEntries.begin(), mEntries.end(), std::wstring_view(name), byName);
    if (found != mEntries.end() && std::wstring_view(found->name) == name) {
        found->value.assign(value.data(), value.size());
        return;
    }
    // A new name is written last: that stays name order only when it also sorts last.
    if (mNameOrder && found != mEntries.end()) {
        mOrder.reserve(mEntries.size() + 1);
        for (const Entry& entry : mEntries) mOrder.emplace_back(entry.name);
        mNameOrder = false;
    }
    if (!mNameOrder) mOrder.push_back(name);
    mEntries.insert(found, Entry{Text(name.data(), name.size()), Text(value.data(), value.size())});
}

std::vector<std::wstring> ElementAttributes::order() const {
    if (!mNameOrder) return mOrder;
    std::vector<std::wstring> names;
    names.reserve(mEntries.size());
    for (const Entry& entry : mEntries) names.emplace_back(entry.name);
    return names;
}

const ElementAttributes::Map& ElementAttributes::map() const {
    if (Map* built = mMap.load(std::memory_order_acquire)) return *built;
    Map* fresh = new Map;
    for (const Entry& entry : mEntries) fresh->emplace_hint(fresh->end(), std::wstring(entry.name), std::wstring(entry.value));
    Map* expected = nullptr;
    if (mMap.compare_exchange_strong(expected, fresh, std::memory_order_acq_rel)) return *fresh;
    delete fresh;  // another thread built it first
    return *expected;
}
