// The word list of a news lesson: the words a page marks with data-word, data-jp and
// data-type attributes, as the "WordList" element of a sentence list.
#pragma once

#include <string>

class Element;

// A new "Word" element (the caller owns it) with the children "key" and "value", each
// holding its text as one CDATA section.
Element* createWordElement(const std::wstring& word, const std::wstring& value);
// A new "WordList" element with a "Word" per data-word attribute in page order, valued
// "[" + type + "] " + Japanese text as the page has them; without children when the page
// marks no word. Null for an empty page.
Element* readWordList(const std::wstring& page);
