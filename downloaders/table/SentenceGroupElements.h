// Element builders shared by the table downloaders.
#pragma once

#include <string>

class Element;

// A new "SentenceGroup" (the caller owns it) with "sentence", "translation" and
// "explanation" in this order, each holding its text as one CDATA section, empty ones too.
Element* makeSentenceGroup(const std::wstring& sentence, const std::wstring& translation,
                           const std::wstring& explanation);

// Sets the text of the group's first "image" element found depth-first, appending one
// as its last child when it has none.
bool setImage(Element* group, const std::wstring& text);

// The CDATA text of the first element of that name found depth-first; empty when none.
// `found` tells whether there was such an element.
std::wstring childText(const Element& group, const std::wstring& name, bool& found);
