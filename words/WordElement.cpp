#include "words/WordElement.h"

#include "foundation/xml/Element.h"

namespace {

const wchar_t kKey[] = L"key";
const wchar_t kValue[] = L"value";
const wchar_t kExplanation[] = L"explanation";

// The first element of the name strictly below the word (the word itself is never one).
Element* findBelow(const Element& word, const wchar_t* name) {
    for (const Element* child : word.getChildren()) {
        if (Element* found = child->getElementByTagName(name)) return found;
    }
    return nullptr;
}

// What a field element holds: its CDATA sections, or its plain text when it has none (a
// list written by hand).
std::wstring fieldText(const Element& field) {
    if (field.getFirstCDataChild() == nullptr) return field.getAllText();
    std::wstring text;
    for (const Element* child : field.getChildren()) {
        if (child->isCData()) text += child->getOwnText();
    }
    return text;
}

Element* newCData(const std::wstring& text) {
    auto* section = new Element();
    section->setSDATA(text);
    return section;
}

// Replaces the field's CDATA sections by the text. A "]]>" inside would end a section
// early: the section closes after its "]]" and the next one starts with the ">", so the
// text reads back unchanged.
void setFieldText(Element& field, const std::wstring& text) {
    for (Element* child : field.getChildren()) {
        if (child->isCData()) field.deleteChild(child);
    }
    size_t from = 0;
    for (size_t at = text.find(L"]]>"); at != std::wstring::npos; at = text.find(L"]]>", from)) {
        field.appendChild(newCData(text.substr(from, at + 2 - from)));
        from = at + 2;
    }
    field.appendChild(newCData(text.substr(from)));
}

}  // namespace

int readWordLevel(const Element& word) { return word.getIntAttribute(L"level", 0); }

std::wstring readWordKey(const Element& word) {
    if (const Element* key = findBelow(word, kKey)) return fieldText(*key);
    return word.getAttribute(kKey);
}

std::wstring readWordValue(const Element& word) {
    if (const Element* value = findBelow(word, kValue)) return fieldText(*value);
    if (word.getFirstCDataChild() != nullptr) return fieldText(word);
    return L"?";
}

std::wstring readWordExplanation(const Element& word) {
    const Element* explanation = findBelow(word, kExplanation);
    return explanation != nullptr ? fieldText(*explanation) : std::wstring();
}

Element* createWordElement(const std::wstring& key, const std::wstring& value, const std::wstring& explanation) {
    auto* word = new Element(L"Word");
    auto* keyElement = new Element(kKey);
    setFieldText(*keyElement, key);
    word->appendChild(keyElement);
    setWordValue(*word, value);
    setWordExplanation(*word, explanation);
    return word;
}

bool setWordValue(Element& word, const std::wstring& text) {
    Element* value = findBelow(word, kValue);
    if (value == nullptr) {
        value = new Element(kValue);
        word.appendChild(value);
    }
    // The older form keeps the value as the word's own section: it goes, the value
    // element takes the text.
    if (Element* own = word.getFirstCDataChild()) word.deleteChild(own);
    setFieldText(*value, text);
    return true;
}

bool setWordExplanation(Element& word, const std::wstring& text) {
    Element* explanation = findBelow(word, kExplanation);
    if (text.empty()) {
        if (explanation != nullptr) word.deleteDescendant(explanation);
        return true;
    }
    if (explanation == nullptr) {
        explanation = new Element(kExplanation);
        word.appendChild(explanation);
    }
    setFieldText(*explanation, text);
    return true;
}
