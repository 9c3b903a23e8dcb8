#include "foundation/xml/Element.h"

#include <cwchar>
#include <cstdlib>

namespace {

Element* asElement(Node* node) {
    return dynamic_cast<Element*>(node);
}

void appendEscaped(std::wstring& out, const std::wstring& text, bool attribute) {
    for (wchar_t c : text) {
        switch (c) {
        case L'&': out += L"&amp;"; break;
        case L'<': out += L"&lt;"; break;
        case L'>': out += L"&gt;"; break;
        case L'"':
            if (attribute) out += L"&quot;"; else out += c;
            break;
        case L'\'':
            if (attribute) out += L"&apos;"; else out += c;
            break;
        default: out += c; break;
        }
    }
}

void appendIndent(std::wstring& out, int depth) {
    out.append(static_cast<size_t>(depth), L'\t');
}

}  // namespace

Element::Element(const std::wstring& name) : mName(name) {}

Element::Element() = default;

Element::Element(const TagRecord& tag) : mName(tag.name), mEmptyElement(tag.emptyElement) {
    setAttributes(tag.attributes);
}

Element::Element(const Element& other) : Node() {
    assign(other);
}

Element::~Element() = default;

Element& Element::operator=(const Element& other) {
    assign(other);
    return *this;
}

void Element::assign(const Element& other) {
    if (&other == this) return;
    // Copy the children first: `other` may lie inside this element's subtree.
    std::vector<Element*> copies;
    for (Node* n = other.getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        if (Element* child = asElement(n)) copies.push_back(new Element(*child));
    }
    mName = other.mName;
    mText = other.mText;
    mAttributes = other.mAttributes;
    mAttributeOrder = other.mAttributeOrder;
    mCaseSensitive = other.mCaseSensitive;
    mCData = other.mCData;
    mEmptyElement = other.mEmptyElement;
    deleteChildren();
    for (Element* copy : copies) appendChild(copy);
}

std::vector<Element*> Element::getChildren() const {
    std::vector<Element*> children;
    for (Node* n = getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        if (Element* child = asElement(n)) children.push_back(child);
    }
    return children;
}

Element* Element::getElementByTagName(const std::wstring& tag) const {
    if (tag.empty()) return nullptr;
    if (mName == tag) return const_cast<Element*>(this);
    for (Node* n = getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        Element* child = asElement(n);
        if (child == nullptr) continue;
        if (Element* found = child->getElementByTagName(tag)) return found;
    }
    return nullptr;
}

void Element::getElementsByTagName(const std::wstring& tag, std::vector<Element*>& found) const {
    if (tag.empty()) return;
    for (Node* n = getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        Element* child = asElement(n);
        if (child == nullptr) continue;
        if (child->mName == tag) found.push_back(child);
        child->getElementsByTagName(tag, found);
    }
}

void Element::setAttributes(const AttributeMap& attributes) {
    mAttributes = attributes;
    mAttributeOrder.clear();
    mAttributeOrder.reserve(mAttributes.size());
    for (const auto& attribute : mAttributes) mAttributeOrder.push_back(attribute.first);
}

Element::AttributeMap::const_iterator Element::findAttribute(const std::wstring& name) const {
    auto found = mAttributes.find(name);
    if (found != mAttributes.end() || mCaseSensitive) return found;
    for (auto it = mAttributes.begin(); it != mAttributes.end(); ++it) {
        if (_wcsicmp(it->first.c_str(), name.c_str()) == 0) return it;
    }
    return mAttributes.end();
}

std::wstring Element::getAttribute(const std::wstring& name, const std::wstring& defaultValue) const {
    auto found = findAttribute(name);
    return found != mAttributes.end() ? found->second : defaultValue;
}

int Element::getIntAttribute(const std::wstring& name, int defaultValue) const {
    auto found = findAttribute(name);
    return found != mAttributes.end() ? _wtoi(found->second.c_str()) : defaultValue;
}

void Element::setAttribute(const std::wstring& name, const std::wstring& value) {
    auto found = mAttributes.find(name);
    if (found == mAttributes.end()) {
        mAttributeOrder.push_back(name);
        mAttributes.emplace(name, value);
    } else {
        found->second = value;
    }
}

void Element::setIntAttribute(const std::wstring& name, int value) {
    setAttribute(name, std::to_wstring(value));
}

void Element::setText(const std::wstring& text) {
    if (mCData) {
        setSDATA(text);
        return;
    }
    if (isTextNode()) {
        mText = text;
        return;
    }
    for (Node* n = getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        Element* child = asElement(n);
        if (child != nullptr && child->isTextNode()) {
            child->setText(text);
            return;
        }
    }
    Element* node = new Element();
    node->mText = text;
    appendChild(node);
}

void Element::setSDATA(const std::wstring& text) {
    if (!mName.empty()) return;
    mText = text;
    mCData = true;
    // "]]>" would end the section early.
    static const std::wstring kEnd = L"]]>";
    static const std::wstring kEscapedEnd = L"]]&gt;";
    for (size_t at = mText.find(kEnd); at != std::wstring::npos; at = mText.find(kEnd, at + kEscapedEnd.size())) {
        mText.replace(at, kEnd.size(), kEscapedEnd);
    }
}

void Element::appendAllText(std::wstring& out) const {
    out += mText;
    for (Node* n = getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        if (Element* child = asElement(n)) child->appendAllText(out);
    }
}

std::wstring Element::getAllText() const {
    std::wstring text;
    appendAllText(text);
    return text;
}

Element* Element::getFirstCDataChild() const {
    for (Node* n = getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        Element* child = asElement(n);
        if (child != nullptr && child->mCData) return child;
    }
    return nullptr;
}

std::wstring Element::getText() const {
    if (mCData) return getAllText();
    Element* section = getFirstCDataChild();
    return section != nullptr ? section->getAllText() : std::wstring();
}

void Element::clear() {
    deleteChildren();
    mAttributes.clear();
    mAttributeOrder.clear();
    mText.clear();
}

std::wstring Element::escapeXml(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    appendEscaped(out, text, true);
    return out;
}

std::wstring Element::escapeText(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    appendEscaped(out, text, false);
    return out;
}

std::wstring Element::getStartTag() const {
    if (isTextNode()) return mText;
    std::wstring tag = L"<" + mName;
    for (const std::wstring& name : mAttributeOrder) {
        auto found = mAttributes.find(name);
        if (found == mAttributes.end()) continue;
        tag += L' ';
        tag += name;
        tag += L"=\"";
        appendEscaped(tag, found->second, true);
        tag += L'"';
    }
    if (writesAsEmptyTag()) {
        tag += L" />";
    } else if (mCData) {
        tag += L"![CDATA[";
        tag += mText;
        tag += L"]]>";
    } else {
        tag += L'>';
    }
    return tag;
}

bool Element::hasMixedContent() const {
    bool text = false;
    bool other = false;
    for (Node* n = getFirstChild(); n != nullptr; n = n->getNextSibling()) {
        Element* child = asElement(n);
        if (child == nullptr) continue;
        if (child->isTextNode()) text = true;
        else other = true;
    }
    return text && other;
}

void Element::appendXml(std::wstring& out, int depth, bool inlined) const {
    if (!inlined) appendIndent(out, depth);
    out += getStartTag();
    if (writesAsEmptyTag() || mCData) return;
    if (getFirstChild() == nullptr) {
        appendEscaped(out, getAllText(), false);
    } else {
        // Around the children of mixed content every character is text: tabs and line
        // ends written there would be read back into the text, and grow at each save.
        const bool inlineChildren = inlined || hasMixedContent();
        Element* first = asElement(getFirstChild());
        const bool childLines = !inlineChildren && (first == nullptr || !first->isTextNode());
        if (childLines) out += L"\r\n";
        for (Node* n = getFirstChild(); n != nullptr; n = n->getNextSibling()) {
            Element* child = asElement(n);
            if (child == nullptr) continue;
            if (child->isTextNode()) {
                appendEscaped(out, child->mText, false);
            } else {
                child->appendXml(out, depth + 1, inlineChildren);
                if (!inlineChildren) out += L"\r\n";
            }
        }
        if (childLines) appendIndent(out, depth);
    }
    out += L"</";
    out += mName;
    out += L'>';
}

std::wstring Element::toXML() const {
    if (isTextNode()) return escapeText(mText);
    std::wstring out;
    appendXml(out, getDepth(), false);
    return out;
}
