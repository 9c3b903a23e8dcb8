// An XML element. Text and CDATA sections are elements too: a text node has no name, a
// CDATA node has no name and the CDATA flag. Lookups that find nothing answer a neutral
// value; nothing here throws.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/xml/ElementAttributes.h"
#include "foundation/xml/Node.h"
#include "foundation/xml/TagRecord.h"

class Element : public Node {
public:
    using AttributeMap = std::map<std::wstring, std::wstring>;
    using Attribute = std::pair<std::wstring, std::wstring>;
    // A name shared by the elements of a parsed document that carry it.
    using SharedName = std::shared_ptr<const std::wstring>;

    explicit Element(const std::wstring& name);
    explicit Element(SharedName name);
    Element();  // a text node (or, after setSDATA, a CDATA node)
    // Takes the tag's name, its attributes (written in name order) and its empty-tag form.
    explicit Element(const TagRecord& tag);
    Element(const Element& other);
    ~Element() override;

    // Copies name, text, attributes, flags and deep copies of the children; this element
    // keeps its own place in its tree.
    virtual void assign(const Element& other);
    // "<name a=\"v\" ...>" (or " />", or a CDATA section); a text node's text as it is.
    virtual std::wstring getStartTag() const;
    // The element and its subtree, indented with tabs, lines ended by "\r\n"; the
    // children of an element that mixes text and other nodes are written inline.
    virtual std::wstring toXML() const;
    Element& operator=(const Element& other);
    // toXML under the name the text-editor and downloader units use.
    std::wstring toXMLString() const { return toXML(); }

    const std::wstring& getName() const;
    void setTagName(const std::wstring& name);
    bool isTextNode() const { return mName == nullptr && !mCData; }
    bool isCData() const { return mCData; }
    bool isEmptyElement() const { return mEmptyElement; }
    void setEmptyElement(bool empty) { mEmptyElement = empty; }
    // An element read as "<name/>" is written so again only while it has no content:
    // children or text added later must not be dropped on saving.
    bool writesAsEmptyTag() const { return mEmptyElement && getFirstChild() == nullptr && mText.empty(); }
    void setCaseSensitiveAttributeNames(bool sensitive) { mCaseSensitive = sensitive; }

    std::vector<Element*> getChildren() const;
    // The first element named `tag` in depth-first pre-order, this one first.
    Element* getElementByTagName(const std::wstring& tag) const;
    // Appends every descendant (not this element) named `tag`, in document order.
    void getElementsByTagName(const std::wstring& tag, std::vector<Element*>& found) const;

    // Replaces all attributes; they are then written in name order.
    void setAttributes(const AttributeMap& attributes);
    // The same for attributes already in ascending name order without repeats (a parsed tag).
    void setSortedAttributes(const Attribute* first, const Attribute* last);
    // A map of all attributes, built on the first request after a change.
    const AttributeMap& getAttributes() const;
    // The names in the order in which they are written.
    std::vector<std::wstring> getAttributeOrder() const;
    AttributeMap::const_iterator findAttribute(const std::wstring& name) const;
    bool hasAttribute(const std::wstring& name) const { return findEntry(name) != nullptr; }
    std::wstring getAttribute(const std::wstring& name, const std::wstring& defaultValue = L"") const;
    int getIntAttribute(const std::wstring& name, int defaultValue) const;
    // A new name is written after the existing ones.
    void setAttribute(const std::wstring& name, const std::wstring& value);
    void setIntAttribute(const std::wstring& name, int value);

    // A CDATA node takes it as its section; a text node stores it; an element gives it to
    // its first text child, or appends a new text node.
    void setText(const std::wstring& text);
    // Makes an unnamed element a CDATA section holding the text ("]]>" escaped).
    void setSDATA(const std::wstring& text);
    // The element's own text, as stored.
    std::wstring getOwnText() const { return std::wstring(mText.data(), mText.size()); }
    // The own text followed by the text of every descendant.
    std::wstring getAllText() const;
    Element* getFirstCDataChild() const;
    // A CDATA node's text, or that of the first CDATA child; empty when none.
    std::wstring getText() const;
    // Deletes the children and empties attributes and text; the name stays.
    void clear();

    // & < > " ' as references, for attribute values.
    static std::wstring escapeXml(const std::wstring& text);
    // & < > as references, for text content.
    static std::wstring escapeText(const std::wstring& text);

private:
    void appendAllText(std::wstring& out) const;
    // Both text children and other children.
    bool hasMixedContent() const;
    // Writes this non-text element and its subtree at its depth; an inlined element (one
    // inside mixed content) and its subtree get no indentation and no line ends.
    void appendXml(std::wstring& out, int depth, bool inlined) const;

    // The attributes live apart from the element: most elements have none.
    ElementAttributes& attributes();
    const ElementAttributes::Entry* findEntry(const std::wstring& name) const;

    // Text lives in the tree's memory too: a document holds many short texts.
    using Text = std::basic_string<wchar_t, std::char_traits<wchar_t>, TreeAllocator<wchar_t>>;

    Text mText;
    SharedName mName;  // null for text and CDATA nodes
    std::unique_ptr<ElementAttributes> mAttributes;
    bool mCaseSensitive = true;
    bool mCData = false;
    bool mEmptyElement = false;
};
