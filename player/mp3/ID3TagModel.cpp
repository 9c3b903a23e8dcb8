#include "player/mp3/ID3TagModel.h"

#include "foundation/system/StringUtils.h"
#include "foundation/xml/Element.h"
#include "foundation/xml/ElementText.h"

namespace {

constexpr int kDefaultYear = 2018;

Element* appendChildElement(Element* parent, const wchar_t* name, const std::wstring& text) {
    Element* child = new Element(name);
    parent->appendChild(child);
    appendTextChild(child, text);
    return child;
}

bool isBlank(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c > L' ') return false;
    }
    return true;
}

}  // namespace

void appendTextChild(Element* element, const std::wstring& text) {
    if (element == nullptr || text.empty()) return;
    Element* node = new Element();
    node->setText(text);
    element->appendChild(node);
}

Element* ID3TagModel::toElement() const {
    Element* id3 = new Element(L"id3");
    appendChildElement(id3, L"title", mTitle);
    Element* description = new Element(L"description");
    id3->appendChild(description);
    Element* section = new Element();
    section->setSDATA(mDescription);
    description->appendChild(section);
    appendChildElement(id3, L"officialSite", mOfficialSite);
    appendChildElement(id3, L"sourceUrl", mSourceUrl);
    appendChildElement(id3, L"category", mCategory);
    appendChildElement(id3, L"year", formatString(L"%04d", mYear));
    appendChildElement(id3, L"month", formatString(L"%02d", mMonth));
    appendChildElement(id3, L"day", formatString(L"%02d", mDay));
    return id3;
}

void ID3TagModel::readElement(const Element& id3) {
    mTitle = getChildElementText(&id3, L"title", L"");
    mOfficialSite = getChildElementText(&id3, L"officialSite", L"");
    mSourceUrl = getChildElementText(&id3, L"sourceUrl", L"");
    mCategory = getChildElementText(&id3, L"category", L"");
    const Element* description = id3.getElementByTagName(L"description");
    mDescription = description != nullptr ? description->getAllText() : std::wstring();
    if (isBlank(mDescription)) mDescription.clear();
    mYear = getElementInt(&id3, L"year", kDefaultYear);
    mMonth = getElementInt(&id3, L"month", 1);
    mDay = getElementInt(&id3, L"day", 1);
}
