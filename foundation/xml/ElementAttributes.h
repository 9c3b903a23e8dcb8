// The attributes of an element, kept compactly in the tree's memory: an array sorted by
// name, with the writing order kept apart only once it leaves name order. A parsed
// document has an attribute or two on many elements, and a map of them cost three blocks
// of memory and a heap string per long name. The map that Element::getAttributes hands
// out is built on the first request and from then on kept up to date in place, so that
// references and iterators into it stay valid as they would for a plain map.
#pragma once

#include <atomic>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/xml/TreeMemory.h"

class ElementAttributes {
public:
    using Map = std::map<std::wstring, std::wstring>;
    using Text = std::basic_string<wchar_t, std::char_traits<wchar_t>, TreeAllocator<wchar_t>>;
    struct Entry {
        Text name;
        Text value;
    };

    ElementAttributes() = default;
    // Copies the attributes and their order; the map view is built anew when asked for.
    ElementAttributes(const ElementAttributes& other);
    ElementAttributes& operator=(const ElementAttributes&) = delete;
    ~ElementAttributes();

    static void* operator new(std::size_t size) { return TreeMemory::allocate(size); }
    static void operator delete(void* block, std::size_t size) noexcept { TreeMemory::release(block, size); }

    // Replaces all attributes; they are then written in name order.
    void assign(const Map& attributes);
    // Takes the attributes and the writing order of another element.
    void copyFrom(const ElementAttributes& other);
    void clear();
    // The same from names already ascending without repeats.
    void assignSorted(const std::pair<std::wstring, std::wstring>* first, const std::pair<std::wstring, std::wstring>* last);
    bool empty() const { return mEntries.empty(); }
    // The exact name, else (when case-blind) the first name in name order equal to it
    // ignoring case; null when none.
    const Entry* find(const std::wstring& name, bool caseSensitive) const;
    // A new name is written after the existing ones.
    void set(const std::wstring& name, const std::wstring& value);
    // The names in writing order.
    std::vector<std::wstring> order() const;
    // Calls write(entry) for each attribute in writing order.
    template <class Write>
    void forEachInOrder(Write write) const;
    // All attributes as a map; built once, also when several threads ask at the same time.
    const Map& map() const;

private:
    // Fills the map again from the entries, when it has been built.
    void refreshMap();

    std::vector<Entry, TreeAllocator<Entry>> mEntries;  // ascending by name
    std::vector<std::wstring> mOrder;                   // only while !mNameOrder
    bool mNameOrder = true;
    mutable std::atomic<Map*> mMap{nullptr};
};

template <class Write>
void ElementAttributes::forEachInOrder(Write write) const {
    if (mNameOrder) {
        for (const Entry& entry : mEntries) write(entry);
        return;
    }
    for (const std::wstring& name : mOrder) {
        if (const Entry* entry = find(name, true)) write(*entry);
    }
}
