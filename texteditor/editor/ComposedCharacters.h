// Accented letters and a few symbols typed as Ctrl+letter while another key is held:
// 7 gives the acute accent, the ` key the grave accent, 6 the ligature, and Alt the
// copyright, registered, trade mark and ellipsis signs.
#pragma once

#include <windows.h>

struct HeldKeys {
    bool shift = false;  // upper case
    bool seven = false;
    bool grave = false;  // the ` key (VK_OEM_3)
    bool six = false;
    bool alt = false;

    // The keys as the keyboard state of this thread has them now.
    static HeldKeys now();
};

// The character for the key pressed with Ctrl, or 0 when the held keys make none. When
// several held keys apply, the later one in the order above wins.
wchar_t composedCharacter(WPARAM key, const HeldKeys& held);
