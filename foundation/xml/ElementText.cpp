#include "foundation/xml/ElementText.h"

#include <cstdlib>

namespace {

Element* firstChildNamed(const Element* parent, const std::wstring& tag) {
    if (parent == nullptr) return nullptr;
    for (Element* child : parent->getChildren()) {
        if (child->getName() == tag) return child;
    }
    return nullptr;
}

}  // namespace

std::wstring getChildElementText(const Element* parent, const std::wstring& tag, const std::wstring& defaultText) {
    Element* child = firstChildNamed(parent, tag);
    return child != nullptr ? child->getAllText() : defaultText;
}

std::wstring getElementText(const Element* parent, const std::wstring& tag, const std::wstring& defaultText) {
    Element* child = firstChildNamed(parent, tag);
    return child != nullptr ? child->getOwnText() : defaultText;
}

int getElementInt(const Element* parent, const std::wstring& tag, int defaultValue) {
    Element* child = firstChildNamed(parent, tag);
    return child != nullptr ? _wtoi(child->getAllText().c_str()) : defaultValue;
}
