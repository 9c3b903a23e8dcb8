#include "foundation/xml/CDataChild.h"

#include "foundation/xml/Element.h"

Element* appendCDataChild(Element* parent, const wchar_t* name, const std::wstring& text) {
    Element* child = new Element(name);
    parent->appendChild(child);
    Element* data = new Element();
    child->appendChild(data);
    data->setSDATA(text);
    return child;
}
