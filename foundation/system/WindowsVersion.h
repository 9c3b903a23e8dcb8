// Which family of Windows the program runs on.
#pragma once

// False only on the Windows 9x family, which lacks the wide file functions. Computed once.
bool isWindowsNT();
