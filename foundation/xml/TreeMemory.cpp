#include "foundation/xml/TreeMemory.h"

#include <windows.h>

#include <atomic>
#include <cstdint>

namespace {

// VirtualAlloc hands out regions aligned to 64 KB, so a block finds its slab by masking.
const std::size_t kSlabBytes = 64 * 1024;
// Slabs are reserved 16 at a time and a region goes back to the system as a whole:
// unmapping costs about 10 us a call under Wine, which a tree of 30 MB would pay 500 times.
const std::size_t kSlabsPerRegion = 16;
const std::size_t kGranule = 8;
const std::size_t kClasses = TreeMemory::kLargestPooled / kGranule + 1;

// 16 slabs of address space, committed as they are first used.
struct Region {
    Region* previous;  // in the list of regions with free slabs
    Region* next;
    char* base;
    std::uint32_t freeSlabs[kSlabsPerRegion];  // a stack of slab numbers
    std::uint32_t freeCount;
    std::uint32_t committed;  // one bit a slab
    bool listed;
};

// A slab of blocks of one size. Freed blocks are remembered by their index in a stack in
// the slab's head rather than by a link written into them: a tree torn down then does not
// touch its texts' memory once more.
struct Slab {
    Slab* previous;  // in the list of slabs of its class that have room
    Slab* next;
    Region* region;
    char* blocks;
    std::uint32_t blockBytes;
    std::uint32_t reciprocal;  // 2^32 / blockBytes rounded up: offset to index by a multiply
    std::uint32_t capacity;
    std::uint32_t handedOut;  // blocks from `blocks` on that were ever handed out
    std::uint32_t freeCount;  // entries on the stack of freed indices
    std::uint32_t live;
    std::uint32_t sizeClass;
    bool listed;
};

std::uint16_t* freeStack(Slab* slab) {
    return reinterpret_cast<std::uint16_t*>(reinterpret_cast<char*>(slab) + sizeof(Slab));
}

// A spin lock: held for a few instructions, and a tenth of the cost of an SRW lock under Wine.
std::atomic<bool> gBusy{false};
Slab* gRoomy[kClasses] = {};
Region* gRoomyRegions = nullptr;
std::size_t gRegionCount = 0;
std::size_t gSlabCount = 0;

void linkRegion(Region* region) {
    region->previous = nullptr;
    region->next = gRoomyRegions;
    if (region->next != nullptr) region->next->previous = region;
    gRoomyRegions = region;
    region->listed = true;
}

void unlinkRegion(Region* region) {
    if (region->previous != nullptr) region->previous->next = region->next;
    else gRoomyRegions = region->next;
    if (region->next != nullptr) region->next->previous = region->previous;
    region->listed = false;
}

Region* newRegion() {
    void* base = ::VirtualAlloc(nullptr, kSlabBytes * kSlabsPerRegion, MEM_RESERVE, PAGE_READWRITE);
    if (base == nullptr) return nullptr;
    Region* region = new (std::nothrow) Region;
    if (region == nullptr) {
        ::VirtualFree(base, 0, MEM_RELEASE);
        return nullptr;
    }
    region->base = static_cast<char*>(base);
    for (std::uint32_t i = 0; i < kSlabsPerRegion; ++i) {
        region->freeSlabs[i] = static_cast<std::uint32_t>(kSlabsPerRegion - 1 - i);
    }
    region->freeCount = kSlabsPerRegion;
    region->committed = 0;
    linkRegion(region);
    ++gRegionCount;
    return region;
}

// Memory for one slab from a region with room, committing it on first use.
void* takeSlabMemory(Region*& owner) {
    Region* region = gRoomyRegions != nullptr ? gRoomyRegions : newRegion();
    if (region == nullptr) return nullptr;
    std::uint32_t number = region->freeSlabs[region->freeCount - 1];
    char* memory = region->base + number * kSlabBytes;
    if ((region->committed & (1u << number)) == 0) {
        if (::VirtualAlloc(memory, kSlabBytes, MEM_COMMIT, PAGE_READWRITE) == nullptr) return nullptr;
        region->committed |= 1u << number;
    }
    if (--region->freeCount == 0) unlinkRegion(region);
    owner = region;
    return memory;
}

void giveSlabMemory(Region* region, void* memory) {
    std::uint32_t number = static_cast<std::uint32_t>((static_cast<char*>(memory) - region->base) / kSlabBytes);
    region->freeSlabs[region->freeCount++] = number;
    if (!region->listed) linkRegion(region);
    // An empty region goes back, except the last one: a small tree made and deleted over
    // and over then does not map and unmap memory each time.
    if (region->freeCount == kSlabsPerRegion && gRegionCount > 1) {
        unlinkRegion(region);
        ::VirtualFree(region->base, 0, MEM_RELEASE);
        delete region;
        --gRegionCount;
    }
}

void link(Slab* slab) {
    slab->previous = nullptr;
    slab->next = gRoomy[slab->sizeClass];
    if (slab->next != nullptr) slab->next->previous = slab;
    gRoomy[slab->sizeClass] = slab;
    slab->listed = true;
}

void unlink(Slab* slab) {
    if (slab->previous != nullptr) slab->previous->next = slab->next;
    else gRoomy[slab->sizeClass] = slab->next;
    if (slab->next != nullptr) slab->next->previous = slab->previous;
    slab->listed = false;
}

Slab* newSlab(std::size_t sizeClass) {
    Region* region = nullptr;
    void* memory = takeSlabMemory(region);
    if (memory == nullptr) return nullptr;
    ++gSlabCount;
    Slab* slab = static_cast<Slab*>(memory);
    slab->region = region;
    const std::size_t blockBytes = sizeClass * kGranule;
    // Each block needs its bytes and two bytes on the stack of freed indices.
    std::size_t capacity = (kSlabBytes - sizeof(Slab) - kGranule) / (blockBytes + sizeof(std::uint16_t));
    std::size_t head = (sizeof(Slab) + capacity * sizeof(std::uint16_t) + kGranule - 1) / kGranule * kGranule;
    slab->blocks = static_cast<char*>(memory) + head;
    slab->blockBytes = static_cast<std::uint32_t>(blockBytes);
    slab->reciprocal = static_cast<std::uint32_t>(((std::uint64_t{1} << 32) + blockBytes - 1) / blockBytes);
    slab->capacity = static_cast<std::uint32_t>(capacity);
    slab->handedOut = 0;
    slab->freeCount = 0;
    slab->live = 0;
    slab->sizeClass = static_cast<std::uint32_t>(sizeClass);
    link(slab);
    return slab;
}

void dropSlab(Slab* slab) {
    if (slab->listed) unlink(slab);
    --gSlabCount;
    giveSlabMemory(slab->region, slab);
}

class Locked {
public:
    Locked() {
        for (unsigned spins = 0; gBusy.exchange(true, std::memory_order_acquire); ++spins) {
            // Another thread holds it; it may have been preempted, so give way after a while.
            while (gBusy.load(std::memory_order_relaxed)) {
                if (++spins < 64) YieldProcessor();
                else ::SwitchToThread();
            }
        }
    }
    ~Locked() { gBusy.store(false, std::memory_order_release); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};

}  // namespace

namespace TreeMemory {

void* allocate(std::size_t size) {
    if (size == 0) size = 1;
    if (size > kLargestPooled) return ::operator new(size);
    const std::size_t sizeClass = (size + kGranule - 1) / kGranule;
    void* block = nullptr;
    {
        Locked lock;
        Slab* slab = gRoomy[sizeClass];
        if (slab == nullptr) slab = newSlab(sizeClass);
        if (slab != nullptr) {
            std::uint32_t index = slab->freeCount > 0 ? freeStack(slab)[--slab->freeCount] : slab->handedOut++;
            block = slab->blocks + static_cast<std::size_t>(index) * slab->blockBytes;
            ++slab->live;
            if (slab->freeCount == 0 && slab->handedOut == slab->capacity) unlink(slab);
        }
    }
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

void release(void* block, std::size_t size) noexcept {
    if (block == nullptr) return;
    if (size == 0) size = 1;
    if (size > kLargestPooled) {
        ::operator delete(block);
        return;
    }
    Slab* slab = reinterpret_cast<Slab*>(reinterpret_cast<std::uintptr_t>(block) & ~(kSlabBytes - 1));
    const std::uint64_t offset = static_cast<std::uint64_t>(static_cast<char*>(block) - slab->blocks);
    const std::uint16_t index = static_cast<std::uint16_t>((offset * slab->reciprocal) >> 32);
    Locked lock;
    if (--slab->live == 0) {
        dropSlab(slab);
        return;
    }
    freeStack(slab)[slab->freeCount++] = index;
    if (!slab->listed) link(slab);
}

std::size_t slabCount() {
    Locked lock;
    return gSlabCount;
}

}  // namespace TreeMemory
