// The themes of the two large text editors, read from an XML file: every "Theme" element
// (the root included) in document order is one theme, numbered from 0. A model without
// windows; ThemeMenu shows and applies it.
#pragma once

#include <string>
#include <vector>

#include "foundation/xml/XMLParser.h"

class Element;

class ThemeList {
public:
    // The list the main window reads at start, relative to the run folder.
    static const wchar_t* const kPath;

    // Reads the file; a missing or broken file leaves no themes (false).
    bool load(const std::wstring& path);
    // The same from a text; a syntax error leaves no themes (false).
    bool loadText(const std::wstring& xml);

    size_t size() const { return mThemes.size(); }
    // Theme number index, or null when there is none of that number.
    const Element* getTheme(size_t index) const;
    // The attributes the editors take: the first "TextEditor" element at or below the
    // theme, else the theme itself; null when there is no such theme.
    const Element* getEditorElement(size_t index) const;
    // "name", and "\t(author)" after it when the theme names an author.
    std::wstring getMenuText(size_t index) const;

private:
    void collectThemes();

    XMLParser mParser;
    std::vector<Element*> mThemes;
};
