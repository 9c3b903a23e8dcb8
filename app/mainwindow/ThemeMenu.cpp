#include "app/mainwindow/ThemeMenu.h"

#include "app/mainwindow/ThemeList.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/window/PopupMenu.h"

void buildThemeMenu(PopupMenu& menu, const ThemeList& themes) {
    for (size_t i = 0; i < themes.size(); ++i) {
        menu.addItem(themes.getMenuText(i).c_str(), static_cast<int>(i) + kFirstThemeId, true);
    }
}

int showThemeMenu(HWND owner, const ThemeList& themes) {
    if (themes.size() == 0) return -1;
    PopupMenu menu;
    buildThemeMenu(menu, themes);
    const int id = menu.show(owner);
    return id >= kFirstThemeId ? id - kFirstThemeId : -1;
}

bool applyTheme(const ThemeList& themes, int index, std::initializer_list<TextEditor*> editors) {
    if (index < 0) return false;
    const Element* attributes = themes.getEditorElement(static_cast<size_t>(index));
    if (!attributes) return false;
    for (TextEditor* editor : editors) {
        if (editor) editor->applyTheme(attributes);
    }
    for (TextEditor* editor : editors) {
        if (editor && editor->m_hWnd) {
            ::PostMessageW(editor->m_hWnd, WM_SIZE, 0, MAKELPARAM(editor->getWidth(), editor->getHeight()));
        }
    }
    return true;
}
