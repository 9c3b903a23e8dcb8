#include "app/mainwindow/ThemeList.h"

#include "foundation/system/ParserException.h"
#include "foundation/xml/Element.h"

const wchar_t* const ThemeList::kPath = L"Resources/CorvantaThemeList.xml";

bool ThemeList::load(const std::wstring& path) {
    mThemes.clear();
    if (!mParser.parseFile(path)) {
        // A failed read keeps the previous document in the parser: a broken file is no list.
        mParser.setRootElement(nullptr);
        return false;
    }
    collectThemes();
    return true;
}

bool ThemeList::loadText(const std::wstring& xml) {
    mThemes.clear();
    bool parsed = false;
    try {
        parsed = mParser.parseString(xml);
    } catch (const ParserException&) {
        parsed = false;
    }
    if (!parsed) {
        mParser.setRootElement(nullptr);
        return false;
    }
    collectThemes();
    return true;
}

void ThemeList::collectThemes() {
    mThemes = mParser.getElementsByTagName(L"Theme");
}

const Element* ThemeList::getTheme(size_t index) const {
    return index < mThemes.size() ? mThemes[index] : nullptr;
}

const Element* ThemeList::getEditorElement(size_t index) const {
    const Element* theme = getTheme(index);
    if (!theme) return nullptr;
    const Element* editor = theme->getElementByTagName(L"TextEditor");
    return editor ? editor : theme;
}

std::wstring ThemeList::getMenuText(size_t index) const {
    const Element* theme = getTheme(index);
    if (!theme) return std::wstring();
    std::wstring text = theme->getAttribute(L"name", L"");
    const std::wstring author = theme->getAttribute(L"author", L"");
    if (!author.empty()) text += L"\t(" + author + L")";
    return text;
}
