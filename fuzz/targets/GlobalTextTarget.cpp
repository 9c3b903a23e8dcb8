// Text blocks handed over by other programs (drops, the clipboard), damaged: no
// terminator, odd sizes, stray zeros.
#include <windows.h>

#include <cstring>

#include "fuzz/FuzzTarget.h"
#include "toolkit/dnd/GlobalText.h"

namespace {

void readBlock(const uint8_t* data, size_t size) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size);
    if (!block) return;
    if (void* target = ::GlobalLock(block)) {
        if (size != 0) std::memcpy(target, data, size);
        ::GlobalUnlock(block);
        readGlobalText(block);
        readGlobalTextA(block);
    }
    ::GlobalFree(block);
}

FuzzTargetRegistration registration({"globalText", readBlock, {std::string("\0\0", 2), "\r\n"}, {}});

}  // namespace
