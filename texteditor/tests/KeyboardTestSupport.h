// Keys held down for the test's thread (GetKeyState reads them), and key presses sent
// to an editor the way the window manager delivers them.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "texteditor/tests/EditorTestSupport.h"

class KeysDown {
public:
    KeysDown(std::initializer_list<int> keys) { set(keys, 0x80); }
    ~KeysDown() {
        BYTE state[256] = {};
        ::SetKeyboardState(state);
    }

private:
    static void set(std::initializer_list<int> keys, BYTE value) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        for (int key : keys) state[key] = value;
        ::SetKeyboardState(state);
    }
};

inline void pressKey(EditorFixture& f, int key) { f.send(WM_KEYDOWN, static_cast<WPARAM>(key)); }

inline void typeText(EditorFixture& f, const std::wstring& text) {
    for (wchar_t c : text) f.send(WM_CHAR, c);
}

// Events in the history after the neutral one.
inline size_t undoSteps(EditorFixture& f) { return f.editor.getHistory().getEventCount() - 1; }

inline std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!::OpenClipboard(owner)) return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(::GlobalLock(data))) text = locked;
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

inline void setClipboardText(HWND owner, const std::wstring& text) {
    if (!::OpenClipboard(owner)) return;
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* target = static_cast<wchar_t*>(::GlobalLock(block));
    text.copy(target, text.size());
    target[text.size()] = L'\0';
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_UNICODETEXT, block);
    ::CloseClipboard();
}
