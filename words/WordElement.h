// One "Word" element of a word list: reading its level, key, value and explanation in
// the current form (child elements holding CDATA) or the older one (the key as an
// attribute, the value as the word's own CDATA text), and writing the current form.
#pragma once

#include <string>

class Element;

// The integer attribute "level"; 0 when it is absent.
int readWordLevel(const Element& word);
// The text of the first "key" element below the word, else its attribute "key", else "".
std::wstring readWordKey(const Element& word);
// The text of the first "value" element below the word, else the word's own CDATA text,
// else "?" (so that a word without a meaning still shows that one is missing).
std::wstring readWordValue(const Element& word);
// The text of the first "explanation" element below the word, else "".
std::wstring readWordExplanation(const Element& word);

// A new "Word" element, owned by the caller: "key", "value" and, for a non-empty
// explanation, "explanation", each holding one CDATA section.
Element* createWordElement(const std::wstring& key, const std::wstring& value, const std::wstring& explanation);
// Puts the text into the word's "value" element, made when missing; a CDATA section the
// word holds itself (the older form) goes, as the text replaces it. Returns true.
bool setWordValue(Element& word, const std::wstring& text);
// Puts the text into the word's "explanation" element; an empty text deletes the element.
// Returns true.
bool setWordExplanation(Element& word, const std::wstring& text);
