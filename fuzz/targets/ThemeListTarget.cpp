// The theme list on damaged files: every theme found must answer its menu text and
// editor attributes, and numbers past the end must answer nothing.
#include <stdexcept>

#include "foundation/xml/Element.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "app/mainwindow/ThemeList.h"

namespace {

void readThemeList(const uint8_t* data, size_t size) {
    ThemeList themes;
    if (!themes.loadText(decodeFuzzInput(data, size))) {
        if (themes.size() != 0) throw std::runtime_error("a refused list still has themes");
        return;
    }
    for (size_t i = 0; i < themes.size(); ++i) {
        const Element* editor = themes.getEditorElement(i);
        if (!editor || !themes.getTheme(i)) throw std::runtime_error("a listed theme has no attributes");
        themes.getMenuText(i);
        editor->getAttribute(L"padding", L"");
        editor->getIntAttribute(L"backgroundOpacity", 0);
    }
    if (themes.getTheme(themes.size()) || themes.getEditorElement(themes.size()) ||
        !themes.getMenuText(themes.size()).empty()) {
        throw std::runtime_error("a number past the end names a theme");
    }
}

FuzzTargetRegistration themeList({"themeList", readThemeList,
                                  {"<Theme ", "</Theme>", "<TextEditor ", "/>", "name=\"", "author=\"",
                                   "padding=\"", "backgroundImage=\"", "backgroundOpacity=\"", "%", "\t"},
                                  {}});

}  // namespace
