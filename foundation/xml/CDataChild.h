// A child element holding one CDATA section, as the sentence-list and word-list files keep
// their texts.
#pragma once

#include <string>

class Element;

// Appends <name><![CDATA[text]]></name> to `parent` and returns the new child.
Element* appendCDataChild(Element* parent, const wchar_t* name, const std::wstring& text);
