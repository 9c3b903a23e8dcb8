#include "texteditor/editor/ComposedCharacters.h"

namespace {

struct Letter {
    WPARAM key;
    wchar_t upper;
    wchar_t lower;
};

constexpr Letter kAcute[] = {{'A', 0x00C1, 0x00E1}, {'C', 0x0106, 0x0107}, {'E', 0x00C9, 0x00E9},
                             {'I', 0x00CD, 0x00ED}, {'N', 0x0143, 0x0144}, {'O', 0x00D3, 0x00F3},
                             {'S', 0x015A, 0x015B}, {'U', 0x00DA, 0x00FA}, {'Z', 0x0179, 0x017A}};
constexpr Letter kGrave[] = {{'A', 0x00C0, 0x00E0}, {'E', 0x00C8, 0x00E8}, {'I', 0x00CC, 0x00EC},
                             {'O', 0x00D2, 0x00F2}, {'U', 0x00D9, 0x00F9}};
constexpr Letter kLigature[] = {{'A', 0x00C6, 0x00E6}};
// The signs take no case.
constexpr Letter kSigns[] = {{'C', 0x00A9, 0x00A9}, {'R', 0x00AE, 0x00AE}, {'T', 0x2122, 0x2122},
                             {VK_OEM_PERIOD, 0x2026, 0x2026}};

template <size_t N>
wchar_t lookUp(const Letter (&table)[N], WPARAM key, bool shift, wchar_t found) {
    for (const Letter& letter : table) {
        if (letter.key == key) return shift ? letter.upper : letter.lower;
    }
    return found;
}

bool held(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

HeldKeys HeldKeys::now() {
    HeldKeys keys;
    keys.shift = held(VK_SHIFT);
    keys.seven = held('7');
    keys.grave = held(VK_OEM_3);
    keys.six = held('6');
    keys.alt = held(VK_MENU);
    return keys;
}

wchar_t composedCharacter(WPARAM key, const HeldKeys& keys) {
    wchar_t found = 0;
    if (keys.seven) found = lookUp(kAcute, key, keys.shift, found);
    if (keys.grave) found = lookUp(kGrave, key, keys.shift, found);
    if (keys.six) found = lookUp(kLigature, key, keys.shift, found);
    if (keys.alt) found = lookUp(kSigns, key, keys.shift, found);
    return found;
}
