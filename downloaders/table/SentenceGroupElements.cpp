#include "downloaders/table/SentenceGroupElements.h"

#include "foundation/xml/CDataChild.h"
#include "foundation/xml/Element.h"

Element* makeSentenceGroup(const std::wstring& sentence, const std::wstring& translation,
                           const std::wstring& explanation) {
    Element* group = new Element(L"SentenceGroup");
    appendCDataChild(group, L"sentence", sentence);
    appendCDataChild(group, L"translation", translation);
    appendCDataChild(group, L"explanation", explanation);
    return group;
}

bool setImage(Element* group, const std::wstring& text) {
    Element* image = group->getElementByTagName(L"image");
    if (!image) {
        image = new Element(L"image");
        group->appendChild(image);
    }
    image->setText(text);
    return true;
}

std::wstring childText(const Element& group, const std::wstring& name, bool& found) {
    const Element* child = group.getElementByTagName(name);
    found = child != nullptr;
    return child ? child->getText() : std::wstring();
}
