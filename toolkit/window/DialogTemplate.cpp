#include "toolkit/window/DialogTemplate.h"

#include <cstring>

std::vector<WORD> buildDialogTemplate(bool modeless) {
    DLGTEMPLATE header{};
    header.style = modeless ? kModelessDialogStyle : kModalDialogStyle;
    header.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    header.cdit = 0;
    header.x = 0;
    header.y = 0;
    header.cx = 640;  // dialog units; each dialog sizes itself on creation
    header.cy = 480;
    static_assert(sizeof header % sizeof(WORD) == 0, "DLGTEMPLATE is a whole number of words");
    // The header, then three empty words: no menu, the standard class, an empty title.
    // A vector's storage is aligned for any fundamental type, DWORD included.
    std::vector<WORD> words(sizeof header / sizeof(WORD) + 3, 0);
    std::memcpy(words.data(), &header, sizeof header);
    return words;
}
