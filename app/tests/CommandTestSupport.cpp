#include "app/tests/CommandTestSupport.h"

#include "app/MessageLoop.h"

namespace {

void setModifiers(bool control, bool shift) {
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    state[VK_CONTROL] = state[VK_LCONTROL] = control ? 0x80 : 0;
    state[VK_SHIFT] = state[VK_LSHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(state);
}

struct Search {
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK findVisible(HWND window, LPARAM lParam) {
    Search* search = reinterpret_cast<Search*>(lParam);
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    if (std::wstring(name) != search->className || !::IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

void postKey(HWND window, WORD key) { ::PostMessageW(window, WM_KEYDOWN, key, 1); }

}  // namespace

void pressAccelerator(HWND mainWindow, HACCEL table, HWND focused, WORD key, bool shift) {
    ::PostMessageW(focused, WM_KEYDOWN, key, 1);
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // The modifiers are set again right before the key is translated: the display
        // driver resets the key state to the real keyboard's when the focus moves.
        const bool key = msg.message == WM_KEYDOWN;
        for (int tries = 0; tries < 5; ++tries) {
            setModifiers(key, shift && key);
            if (!key || ::GetKeyState(VK_CONTROL) < 0) break;
        }
        dispatchWithAccelerators(msg, mainWindow, table);
        setModifiers(false, false);
    }
    setModifiers(false, false);
}

WindowWatcher::WindowWatcher(const wchar_t* className, std::function<void(HWND)> action, int timeoutMs) {
    const DWORD thread = ::GetCurrentThreadId();
    const std::wstring name = className;
    mWorker = std::thread([this, thread, name, action, timeoutMs] {
        for (int waited = 0; waited < timeoutMs && !mStop; waited += 20) {
            Search search{name.c_str(), nullptr};
            ::EnumThreadWindows(thread, findVisible, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                ::Sleep(50);  // let the window finish its set-up
                action(search.found);
                mFired = true;
                return;
            }
            ::Sleep(20);
        }
    });
}

WindowWatcher::~WindowWatcher() {
    mStop = true;
    if (mWorker.joinable()) mWorker.join();
}

bool WindowWatcher::join() {
    if (mWorker.joinable()) mWorker.join();
    return mFired;
}

std::vector<MenuEntry> readMenu(HMENU menu) {
    std::vector<MenuEntry> entries;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        MenuEntry entry;
        entry.separator = (info.fType & MFT_SEPARATOR) != 0;
        entry.id = entry.separator ? 0 : info.wID;
        entry.text = entry.separator ? std::wstring() : text;
        entry.grayed = (info.fState & MFS_GRAYED) != 0;
        entry.checked = (info.fState & MFS_CHECKED) != 0;
        entries.push_back(entry);
    }
    return entries;
}

std::vector<MenuEntry> readOpenMenu(HWND menuWindow) {
    return readMenu(reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0)));
}

void chooseMenuItem(HWND menuWindow, UINT id) {
    if (id == 0) {
        postKey(menuWindow, VK_ESCAPE);
        return;
    }
    int downs = 0;
    for (const MenuEntry& entry : readOpenMenu(menuWindow)) {
        // Grayed items are highlighted on the way like any other.
        if (entry.separator) continue;
        ++downs;
        if (entry.id == id) break;
    }
    for (int i = 0; i < downs; ++i) postKey(menuWindow, VK_DOWN);
    // The menu carries out its selected item on the character of the Enter key.
    ::PostMessageW(menuWindow, WM_CHAR, L'\r', 1);
}

void answerFileDialog(HWND dialog, const std::wstring& path) {
    if (path.empty()) {
        ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    // The file name field: a combo box with its edit in the explorer dialog, else an edit.
    HWND field = ::GetDlgItem(dialog, 0x47C);
    if (field) {
        HWND edit = ::FindWindowExW(field, nullptr, L"Edit", nullptr);
        if (edit) field = edit;
    } else {
        field = ::GetDlgItem(dialog, 0x480);
    }
    ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
