// Parses a file or a text into an Element tree that the parser owns, and writes the tree
// back with an XML declaration. A state machine made for the program's own files, which
// takes runs of text, CDATA, comments, names and values in one step: elements, attributes in either quote, text, CDATA sections,
// comments, a skipped DOCTYPE and the XML declaration, whose encoding is checked against
// the encoding the file was read in. Syntax errors throw ParserException.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/encoding/EncodingId.h"
#include "foundation/xml/Element.h"

class XMLParser {
public:
    // The parser's own encoding codes.
    enum Encoding { kNone = 0, kAnsi = 1, kUtf8 = 2, kUtf16 = 3, kEucJp = 4, kShiftJis = 5 };

    XMLParser();
    virtual ~XMLParser();
    XMLParser(const XMLParser&) = delete;
    XMLParser& operator=(const XMLParser&) = delete;

    // Every element, text node (empty name) and CDATA node (empty name) comes from here.
    virtual Element* createElement(const std::wstring& name);
    // True when the text gave a root element, which then replaces the previous tree.
    // A text without root, or one that throws, leaves the parser as it was.
    virtual bool parseString(const std::wstring& text);
    // Reads with encoding detection and parses, retrying once in the declared encoding;
    // shows the second failure's message. Never throws. On failure the previous
    // document stays, and no input encoding is left for later parseString calls to check.
    bool parseFile(const std::wstring& path);

    Element* getRootElement() const { return mRootElement; }
    void setRootElement(Element* root);
    Element* getElementByTagName(const std::wstring& tag) const;
    // The root (when it matches) and every matching descendant, in document order.
    std::vector<Element*> getElementsByTagName(const std::wstring& tag) const;

    const std::wstring& getDeclaration() const { return mDeclaration; }
    const std::wstring& getFilePath() const { return mFilePath; }
    void setFilePath(const std::wstring& path) { mFilePath = path; }
    bool save();
    // Writes the declaration and the tree in the declared encoding (UTF-16 by default).
    bool saveAs(const std::wstring& path);

    static EncodingId toEncodingId(int code, bool withBom);
    static int fromEncodingId(EncodingId id);

    // Deeper nesting is refused: the tree is walked recursively.
    static const size_t kMaxDepth = 4096;

private:
    struct DocumentState {
        Element* root;
        int declaredEncoding;
        std::wstring declaration;
        std::wstring filePath;
        int inputEncoding;
    };
    DocumentState takeState() const;
    void restoreState(const DocumentState& state);
    // Runs the state machine over the text; the new root (or null) is left in mRootElement.
    void run(const std::wstring& text);
    // parseString after reading the file in `id`; throws on syntax errors and on no root.
    void parseFileIn(const std::wstring& text, EncodingId id);

    // One character of a tag's inside (after "<" up to ">").
    void processChar(wchar_t c);
    // The scanners take the run of characters their state consumes and return where
    // they stopped.
    const wchar_t* scanText(const wchar_t* p, const wchar_t* end);
    const wchar_t* scanName(const wchar_t* p, const wchar_t* end);
    const wchar_t* scanAfterBang(const wchar_t* p, const wchar_t* end);
    const wchar_t* scanAttributeValue(const wchar_t* p, const wchar_t* end);
    const wchar_t* skipPast(const wchar_t* p, const wchar_t* end, const wchar_t* terminator);
    const wchar_t* scanCData(const wchar_t* p, const wchar_t* end);
    void handleText(const std::wstring& text, bool cdata);
    // Sorts the tag's attributes by name; of a repeated name the last value stays.
    void sortAttributes();
    const std::wstring* findAttribute(const wchar_t* name) const;
    void handleTag();
    void handleDeclaration();
    void startElement();
    void endElement();
    [[noreturn]] void fail(const std::wstring& message, int line, int kind) const;

    Element* mRootElement = nullptr;
    Element* mCurrent = nullptr;
    std::vector<Element*> mStack;
    int mState = 0;
    int mTagKind = 0;
    int mDeclaredEncoding = kNone;
    int mFailedDeclaredEncoding = kNone;  // the declared code seen by the last failed parse
    int mInputEncoding = kNone;
    std::wstring mDeclaration;
    std::wstring mToken;
    std::wstring mTagName;
    std::wstring mAttributeName;
    wchar_t mQuote = L'"';
    // The tag's attributes: the first mAttributeCount entries; the others keep their
    // strings' room for later tags.
    std::vector<Element::Attribute> mAttributes;
    size_t mAttributeCount = 0;
    // One shared copy of each element name of the document being parsed.
    std::unordered_map<std::wstring, Element::SharedName> mNames;
    std::wstring mFilePath;
};
