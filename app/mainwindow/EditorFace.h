// The face of the sentence view and the explanation pane, given to them at start where
// it is installed.
#pragma once

#include <initializer_list>
#include <string>

class FontManager;
class TextEditor;

constexpr wchar_t kEditorFace[] = L"Times New Roman";

// Gives each editor the installed font record of the face, each keeping its own height
// (the font-size field's), and answers true; where the face is not installed the editors
// keep their fonts and the answer is false.
bool useInstalledFace(const FontManager& fonts, const std::wstring& face, std::initializer_list<TextEditor*> editors);
