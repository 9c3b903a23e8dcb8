#include "fuzz/GuardedInput.h"

#include <windows.h>

#include <cstring>

namespace {

size_t pageSize() {
    SYSTEM_INFO info{};
    ::GetSystemInfo(&info);
    return info.dwPageSize;
}

}  // namespace

GuardedInput::~GuardedInput() { release(); }

void GuardedInput::release() {
    if (mBase) ::VirtualFree(mBase, 0, MEM_RELEASE);
    mBase = nullptr;
    mReserved = 0;
}

const uint8_t* GuardedInput::place(const std::string& input) {
    const size_t page = pageSize();
    const size_t dataPages = (input.size() + page - 1) / page + 1;
    const size_t needed = (dataPages + 1) * page;
    if (needed > mReserved) {
        release();
        mBase = static_cast<uint8_t*>(::VirtualAlloc(nullptr, needed, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        if (!mBase) return nullptr;
        mReserved = needed;
        DWORD old = 0;
        ::VirtualProtect(mBase + mReserved - page, page, PAGE_NOACCESS, &old);
    }
    uint8_t* end = mBase + mReserved - page;
    uint8_t* start = end - input.size();
    if (!input.empty()) std::memcpy(start, input.data(), input.size());
    return start;
}
