#include "foundation/xml/Element.h"

#include <cwchar>
#include <cstdlib>

namespace {

Element* asElement(Node* node) {
    return dynamic_cast<Element*>(node);
}

template <class String>
void appendEscaped(std::wstring& out, const String& text, bool attribute) {
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

const std::wstring& noName() {
    static const std::wstring empty;
    return empty;
}

const Element::AttributeMap& noAttributes() {
    static const Element::AttributeMap empty;
    return empty;
}

Element::SharedName shareName(const std::wstring& name) {
    return name.empty() ? nullptr : std::make_shared<const std::wstring>(name);
}

}  // namespace

Element::Element(const std::wstring& name) : mName(shareName(name)) {}

Element::Element(SharedName name) : mName(name != nullptr && !name->empty() ? std::move(name) : nullptr) {}

Element::Element() = default;

Element::Element(const TagRecord& tag) : mName(shareName(tag.name)), mEmptyElement(tag.emptyElement) {
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
    if (other.mAttributes == nullptr) {
        if (mAttributes != nullptr) mAttributes->clear();
    } else if (mAttributes != nullptr) {
        mAttributes->copyFrom(*other.mAttributes);
    } else {
        mAttributes.reset(new ElementAttributes(*other.mAttributes));
    }
    mCaseSensitive = other.mCaseSensitive;
    mCData = other.mCData;
    mEmptyElement = other.mEmptyElement;
    deleteChildren();
    for (Element* copy : copies) appendChild(copy);
}

const std::wstring& Element::getName() const {
    return mName != nullptr ? *mName : noName();
}

void Element::setTagName(const std::wstring& name) {
    mName = shareName(name);
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
    if (getName() == tag) return const_cast<Element*>(this);
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
        if (child->getName() == tag) found.push_back(child);
        child->getElementsByTagName(tag, found);
    }
}

ElementAttributes& Element::attributes() {
    if (mAttributes == nullptr) mAttributes.reset(new ElementAttributes);
    return *mAttributes;
}

const ElementAttributes::Entry* Element::findEntry(const std::wstring& name) const {
    return mAttributes != nullptr ? mAttributes->find(name, mCaseSensitive) : nullptr;
}

void Element::setAttributes(const AttributeMap& attributes) {
    if (attributes.empty() && mAttributes == nullptr) return;
    this->attributes().assign(attributes);
}

void Element::setSortedAttributes(const Attribute* first, const Attribute* last) {
    if (first == last && mAttributes == nullptr) return;
    attributes().assignSorted(first, last);
}

const Element::AttributeMap& Element::getAttributes() const {
    return mAttributes != nullptr ? mAttributes->map() : noAttributes();
}

std::vector<std::wstring> Element::getAttributeOrder() const {
    return mAttributes != nullptr ? mAttributes->order() : std::vector<std::wstring>();
}

Element::AttributeMap::const_iterator Element::findAttribute(const std::wstring& name) const {
    const AttributeMap& values = getAttributes();
    auto found = values.find(name);
    if (found != values.end() || mCaseSensitive) return found;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (_wcsicmp(it->first.c_str(), name.c_str()) == 0) return it;
    }
    return values.end();
}

std::wstring Element::getAttribute(const std::wstring& name, const std::wstring& defaultValue) const {
    const ElementAttributes::Entry* found = findEntry(name);
    return found != nullptr ? std::wstring(found->value) : defaultValue;
}

int Element::getIntAttribute(const std::wstring& name, int defaultValue) const {
    const ElementAttributes::Entry* found = findEntry(name);
    return found != nullptr ? _wtoi(found->value.c_str()) : defaultValue;
}

void Element::setAttribute(const std::wstring& name, const std::wstring& value) {
    attributes().set(name, value);
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
        mText.assign(text.data(), text.size());
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
    node->mText.assign(text.data(), text.size());
    appendChild(node);
}

void Element::setSDATA(const std::wstring& text) {
    if (mName != nullptr) return;
    mText.assign(text.data(), text.size());
    mCData = true;
    // "]]>" would end the section early.
    static const wchar_t kEnd[] = L"]]>";
    static const wchar_t kEscapedEnd[] = L"]]&gt;";
    const size_t endLength = 3;
    const size_t escapedLength = 6;
    for (size_t at = mText.find(kEnd, 0, endLength); at != Text::npos; at = mText.find(kEnd, at + escapedLength, endLength)) {
        mText.replace(at, endLength, kEscapedEnd, escapedLength);
    }
}

void Element::appendAllText(std::wstring& out) const {
    out.append(mText.data(), mText.size());
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
    if (mAttributes != nullptr) mAttributes->clear();
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
    if (isTextNode()) return getOwnText();
    std::wstring tag = L"<" + getName();
    if (mAttributes != nullptr) {
        mAttributes->forEachInOrder([&tag](const ElementAttributes::Entry& attribute) {
            tag += L' ';
            tag.append(attribute.name.data(), attribute.name.size());
            tag += L"=\"";
            appendEscaped(tag, attribute.value, true);
            tag += L'"';
        });
    }
    if (writesAsEmptyTag()) {
        tag += L" />";
    } else if (mCData) {
        tag += L"![CDATA[";
        tag.append(mText.data(), mText.size());
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
    out += getName();
    out += L'>';
}

std::wstring Element::toXML() const {
    if (isTextNode()) {
        std::wstring out;
        out.reserve(mText.size());
        appendEscaped(out, mText, false);
        return out;
    }
    std::wstring out;
    appendXml(out, getDepth(), false);
    return out;
}
