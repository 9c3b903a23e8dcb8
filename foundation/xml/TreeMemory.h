// Memory for the small objects of XML trees (nodes, attribute maps and their entries).
// A parsed document has hundreds of thousands of them, and the system heap under Wine
// costs about 90 ns an allocation and 40 ns a release; blocks carved from 64 KB slabs of
// one size each cost a few. A slab goes back to the system when its last block is freed,
// so a torn-down tree leaves nothing behind. Safe to use from any thread.
#pragma once

#include <cstddef>
#include <new>

namespace TreeMemory {

// Blocks up to this size come from the slabs; larger ones from the system heap.
const std::size_t kLargestPooled = 256;

void* allocate(std::size_t size);
// `size` must be the size the block was asked for.
void release(void* block, std::size_t size) noexcept;
// The number of slabs in use, for tests.
std::size_t slabCount();

}  // namespace TreeMemory

// An allocator over TreeMemory, for the standard containers inside the tree.
template <class T>
struct TreeAllocator {
    using value_type = T;
    TreeAllocator() noexcept = default;
    template <class U>
    TreeAllocator(const TreeAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) { return static_cast<T*>(TreeMemory::allocate(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { TreeMemory::release(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const TreeAllocator<U>&) const noexcept { return true; }
    template <class U>
    bool operator!=(const TreeAllocator<U>&) const noexcept { return false; }
};
