// Text handed over in a global memory block by another program (a drop or the
// clipboard). The block is read no further than its size, so text without its
// terminating zero ends with the block.
#pragma once

#include <windows.h>

#include <string>

// UTF-16 text up to its first zero; empty for a null or unlockable block.
std::wstring readGlobalText(HGLOBAL block);
// Bytes up to the first zero byte; empty for a null or unlockable block.
std::string readGlobalTextA(HGLOBAL block);
