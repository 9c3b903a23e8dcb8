#include "app/mainwindow/RecentFilesMenu.h"

#include "foundation/system/StringUtils.h"
#include "app/RecentFileManager.h"
#include "toolkit/window/PopupMenu.h"

void buildRecentFilesMenu(PopupMenu& menu, const RecentFileManager& files) {
    const int count = static_cast<int>(files.size());
    for (int i = 0; i < count; ++i) {
        // A path is shown as it is: "&" in a folder name is no mnemonic.
        menu.addItem(replaceAll(files.get(static_cast<size_t>(i)), L"&", L"&&").c_str(), i + 1);
    }
    menu.addSeparator();
    menu.addItem(L"Clear History", count + 1);
}

std::wstring chooseRecentFile(RecentFileManager& files, int id) {
    const int count = static_cast<int>(files.size());
    if (id == count + 1) {
        files.clear();
        return std::wstring();
    }
    if (id < 1 || id > count) return std::wstring();
    const std::wstring path = files.get(static_cast<size_t>(id - 1));
    if (RecentFileManager::exists(path)) return path;
    files.remove(path);
    return std::wstring();
}

std::wstring showRecentFilesMenu(HWND owner, RecentFileManager& files) {
    if (files.size() == 0) return std::wstring();
    PopupMenu menu;
    buildRecentFilesMenu(menu, files);
    return chooseRecentFile(files, menu.show(owner));
}
