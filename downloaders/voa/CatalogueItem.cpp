#include "downloaders/voa/CatalogueItem.h"

#include "foundation/xml/Element.h"
#include "toolkit/widgets/XmlTreePane.h"

std::wstring getCatalogueItemLabel(const Element& item) {
    const std::wstring name = item.getAttribute(L"name");
    return name.empty() ? getFileTitle(item.getAttribute(L"path")) : name;
}

std::vector<Element*> getCatalogueChildren(const Element& item) {
    std::vector<Element*> children;
    for (Element* child : item.getChildren()) {
        if (!child->isTextNode() && !child->isCData()) children.push_back(child);
    }
    return children;
}
