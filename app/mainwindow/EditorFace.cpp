#include "app/mainwindow/EditorFace.h"

#include "texteditor/editor/TextEditor.h"
#include "toolkit/graphics/FontManager.h"

bool useInstalledFace(const FontManager& fonts, const std::wstring& face, std::initializer_list<TextEditor*> editors) {
    LOGFONTW installed{};
    if (!fonts.findFont(face, installed)) return false;
    for (TextEditor* editor : editors) {
        LOGFONTW font = installed;
        font.lfHeight = editor->getLogFont().lfHeight;
        editor->setLogFont(font);
    }
    return true;
}
