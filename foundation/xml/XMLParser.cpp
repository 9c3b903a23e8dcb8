#include "foundation/xml/XMLParser.h"

#include <algorithm>
#include <cwctype>

#include "foundation/system/ParserException.h"
#include "foundation/xml/CharacterReferences.h"

namespace {

enum State {
    kText = 0,
    kAfterOpen = 1,
    kTagName = 2,
    kAfterBang = 3,
    kExpectClose = 4,
    kBetweenAttributes = 5,
    kAttributeName = 6,
    kExpectQuote = 7,
    kAttributeValue = 8,
    kComment = 9,
    kCData = 12,
    kDoctype = 15,
};

enum TagKind { kDeclarationTag = 0, kBangTag = 1, kEmptyTag = 2, kStartTag = 3, kEndTag = 4 };

bool isNameStart(wchar_t c) {
    if (c < 128) return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L':' || c == L'_';
    return std::iswalpha(c) != 0;
}

bool isNameChar(wchar_t c) {
    return isNameStart(c) || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.';
}

bool isWhite(wchar_t c) {
    return c < 33;
}

bool hasVisibleChar(const wchar_t* p, const wchar_t* end) {
    for (; p < end; ++p) {
        if (*p > 32) return true;
    }
    return false;
}

bool hasVisibleChar(const std::wstring& text) {
    return hasVisibleChar(text.data(), text.data() + text.size());
}

bool equals(const wchar_t* p, const wchar_t* end, const wchar_t* word, size_t length) {
    return static_cast<size_t>(end - p) == length && std::equal(p, end, word);
}

// The character a named reference between "&" and ";" stands for; only the five
// predefined ones are known, any other gives nothing (0).
wchar_t referencedChar(const wchar_t* p, const wchar_t* end) {
    if (equals(p, end, L"amp", 3)) return L'&';
    if (equals(p, end, L"lt", 2)) return L'<';
    if (equals(p, end, L"gt", 2)) return L'>';
    if (equals(p, end, L"quot", 4)) return L'"';
    if (equals(p, end, L"apos", 4)) return L'\'';
    return 0;
}

// Appends a run of text or of an attribute value with its references resolved. An "&"
// that no ";" closes before the run ends is a plain character.
void appendDecoded(std::wstring& out, const wchar_t* p, const wchar_t* end) {
    while (p < end) {
        const wchar_t* ampersand = std::find(p, end, L'&');
        out.append(p, ampersand);
        if (ampersand == end) return;
        const wchar_t* semicolon = std::find(ampersand + 1, end, L';');
        if (semicolon == end) {
            out.append(ampersand, end);
            return;
        }
        // Numeric references name their character (files of other programs use them for
        // whatever their encoding cannot hold); an unknown name gives nothing.
        if (wchar_t c = referencedChar(ampersand + 1, semicolon)) {
            out += c;
        } else {
            appendNumericReference(out, ampersand + 1, semicolon);
        }
        p = semicolon + 1;
    }
}

// The first occurrence of `word` in [p, end), or end.
const wchar_t* findWord(const wchar_t* p, const wchar_t* end, const wchar_t* word, size_t length) {
    while (static_cast<size_t>(end - p) >= length) {
        const wchar_t* last = end - length + 1;
        p = std::find(p, last, word[0]);
        if (p == last) break;
        if (std::equal(word + 1, word + length, p + 1)) return p;
        ++p;
    }
    return end;
}

}  // namespace

XMLParser::XMLParser() = default;

XMLParser::~XMLParser() {
    delete mRootElement;
}

Element* XMLParser::createElement(const std::wstring& name) {
    if (name.empty()) return new Element();
    auto found = mNames.find(name);
    if (found == mNames.end()) found = mNames.emplace(name, std::make_shared<const std::wstring>(name)).first;
    return new Element(found->second);
}

void XMLParser::setRootElement(Element* root) {
    if (root == mRootElement) return;
    delete mRootElement;
    mRootElement = root;
}

Element* XMLParser::getElementByTagName(const std::wstring& tag) const {
    return mRootElement != nullptr ? mRootElement->getElementByTagName(tag) : nullptr;
}

std::vector<Element*> XMLParser::getElementsByTagName(const std::wstring& tag) const {
    std::vector<Element*> found;
    if (mRootElement == nullptr) return found;
    if (!tag.empty() && mRootElement->getName() == tag) found.push_back(mRootElement);
    mRootElement->getElementsByTagName(tag, found);
    return found;
}

EncodingId XMLParser::toEncodingId(int code, bool withBom) {
    switch (code) {
    case kAnsi: return kEncodingAnsi;
    case kUtf8: return withBom ? kEncodingUtf8Bom : kEncodingUtf8;
    case kEucJp: return kEncodingEucJp;
    case kShiftJis: return kEncodingShiftJis;
    default: return kEncodingUtf16Le;
    }
}

int XMLParser::fromEncodingId(EncodingId id) {
    switch (id) {
    case kEncodingAnsi: return kAnsi;
    case kEncodingUtf8:
    case kEncodingUtf8Bom: return kUtf8;
    case kEncodingUtf16Le: return kUtf16;
    case kEncodingEucJp: return kEucJp;
    case kEncodingShiftJis: return kShiftJis;
    default: return kNone;
    }
}

XMLParser::DocumentState XMLParser::takeState() const {
    return DocumentState{mRootElement, mDeclaredEncoding, mDeclaration, mFilePath, mInputEncoding};
}

void XMLParser::restoreState(const DocumentState& state) {
    mRootElement = state.root;
    mDeclaredEncoding = state.declaredEncoding;
    mDeclaration = state.declaration;
    mFilePath = state.filePath;
    mInputEncoding = state.inputEncoding;
}

bool XMLParser::parseString(const std::wstring& text) {
    DocumentState previous = takeState();
    try {
        run(text);
    } catch (...) {
        mNames.clear();
        mFailedDeclaredEncoding = mDeclaredEncoding;
        delete mRootElement;
        restoreState(previous);
        mCurrent = nullptr;
        mStack.clear();
        throw;
    }
    mNames.clear();
    mCurrent = nullptr;
    mStack.clear();
    if (mRootElement == nullptr) {
        mFailedDeclaredEncoding = mDeclaredEncoding;
        restoreState(previous);
        return false;
    }
    delete previous.root;
    return true;
}

void XMLParser::run(const std::wstring& text) {
    mRootElement = nullptr;
    mCurrent = nullptr;
    mStack.clear();
    mState = kText;
    mTagKind = kDeclarationTag;
    mToken.clear();
    mTagName.clear();
    mAttributeName.clear();
    mAttributeCount = 0;
    const wchar_t* p = text.data();
    const wchar_t* const end = p + text.size();
    while (p < end) {
        switch (mState) {
        case kText: p = scanText(p, end); break;
        case kTagName:
        case kAttributeName:
            p = scanName(p, end);
            if (p < end) processChar(*p++);
            break;
        case kAfterBang: p = scanAfterBang(p, end); break;
        case kAttributeValue: p = scanAttributeValue(p, end); break;
        case kComment: p = skipPast(p, end, L"-->"); break;
        case kCData: p = scanCData(p, end); break;
        case kDoctype: p = skipPast(p, end, L">"); break;
        default: processChar(*p++); break;
        }
    }
}

void XMLParser::fail(const std::wstring& message, int line, int kind) const {
    throw ParserException(message, line, kind);
}

const wchar_t* XMLParser::scanText(const wchar_t* p, const wchar_t* end) {
    const wchar_t* open = std::find(p, end, L'<');
    if (open == end) return end;  // text that no tag follows is never handled
    // Text before the root, and white space alone, make no node.
    if (mCurrent != nullptr && hasVisibleChar(p, open)) {
        mToken.clear();
        appendDecoded(mToken, p, open);
        handleText(mToken, false);
    }
    mAttributeCount = 0;
    mToken.clear();
    mState = kAfterOpen;
    return open + 1;
}

const wchar_t* XMLParser::scanName(const wchar_t* p, const wchar_t* end) {
    const wchar_t* stop = p;
    while (stop < end && isNameChar(*stop)) ++stop;
    mToken.append(p, stop);
    return stop;
}

const wchar_t* XMLParser::scanAfterBang(const wchar_t* p, const wchar_t* end) {
    auto startsWith = [p, end](const wchar_t* word, size_t length) {
        return static_cast<size_t>(end - p) >= length && std::equal(word, word + length, p);
    };
    if (startsWith(L"--", 2)) {
        mState = kComment;
        return p + 2;
    }
    if (startsWith(L"[CDATA[", 7)) {
        mState = kCData;
        return p + 7;
    }
    if (startsWith(L"DOCTYPE", 7)) {
        mState = kDoctype;
        return p + 7;
    }
    return end;  // any other "<!" construct never ends: it takes the rest of the input
}

const wchar_t* XMLParser::scanAttributeValue(const wchar_t* p, const wchar_t* end) {
    const wchar_t* close = std::find(p, end, mQuote);
    if (close == end) return end;
    if (mAttributeCount == mAttributes.size()) mAttributes.emplace_back();
    Element::Attribute& attribute = mAttributes[mAttributeCount++];
    attribute.first.swap(mAttributeName);
    attribute.second.clear();
    appendDecoded(attribute.second, p, close);
    mToken.clear();
    mState = kBetweenAttributes;
    return close + 1;
}

const wchar_t* XMLParser::skipPast(const wchar_t* p, const wchar_t* end, const wchar_t* terminator) {
    size_t length = std::char_traits<wchar_t>::length(terminator);
    const wchar_t* found = findWord(p, end, terminator, length);
    if (found == end) return end;
    mToken.clear();
    mState = kText;
    return found + length;
}

const wchar_t* XMLParser::scanCData(const wchar_t* p, const wchar_t* end) {
    const wchar_t* close = findWord(p, end, L"]]>", 3);
    if (close == end) return end;
    if (close != p) {  // an empty section makes no node
        mToken.assign(p, close);
        handleText(mToken, true);
    }
    mToken.clear();
    mState = kText;
    return close + 3;
}

void XMLParser::processChar(wchar_t c) {
    switch (mState) {
    case kAfterOpen:
        if (isNameStart(c)) {
            mToken.assign(1, c);
            mTagKind = kStartTag;
            mState = kTagName;
        } else if (c == L'/') {
            mTagKind = kEndTag;
            mState = kTagName;
        } else if (c == L'?') {
            mTagKind = kDeclarationTag;
            mState = kTagName;
        } else if (c == L'!') {
            mTagKind = kBangTag;
            mState = kAfterBang;
        } else {
            fail(L"", __LINE__, 2);
        }
        break;
    case kTagName:
        if (isNameChar(c)) {
            mToken += c;
            break;
        }
        mTagName.swap(mToken);
        mToken.clear();
        if (c == L'>') {
            handleTag();
            mState = kText;
        } else if (c == L'/') {
            if (mTagKind != kStartTag) fail(L"", __LINE__, 2);
            mTagKind = kEmptyTag;
            mState = kExpectClose;
        } else if (isWhite(c)) {
            mState = kBetweenAttributes;
        } else {
            fail(L"", __LINE__, 2);
        }
        break;
    case kExpectClose:
        if (c != L'>') fail(L"", __LINE__, 2);
        handleTag();
        mState = kText;
        break;
    case kBetweenAttributes:
        if (isNameStart(c)) {
            mToken.assign(1, c);
            mState = kAttributeName;
        } else if (c == L'>') {
            handleTag();
            mState = kText;
        } else if (c == L'?') {
            if (mTagKind != kDeclarationTag) fail(L"? is an invalid character.", __LINE__, 2);
            mState = kExpectClose;
        } else if (c == L'/') {
            if (mTagKind != kStartTag) fail(L"/ is an invalid character.", __LINE__, 2);
            mTagKind = kEmptyTag;
            mState = kExpectClose;
        } else if (!isWhite(c)) {
            fail(std::wstring(1, c) + L" is an invalid character.", __LINE__, 2);
        }
        break;
    case kAttributeName:
        if (isNameChar(c)) {
            mToken += c;
        } else if (c == L'=') {
            mAttributeName.swap(mToken);
            mToken.clear();
            mState = kExpectQuote;
        } else {
            fail(L"", __LINE__, 2);
        }
        break;
    case kExpectQuote:
        if (c != L'\'' && c != L'"') fail(L"", __LINE__, 2);
        mQuote = c;
        mState = kAttributeValue;
        break;
    default:
        break;
    }
}

void XMLParser::handleText(const std::wstring& text, bool cdata) {
    if (mCurrent == nullptr) return;  // text before the root
    if (cdata) {
        Element* section = createElement(std::wstring());
        section->setSDATA(text);
        mCurrent->appendChild(section);
    } else if (hasVisibleChar(text)) {
        Element* node = createElement(std::wstring());
        node->setText(text);
        mCurrent->appendChild(node);
    }
}

void XMLParser::sortAttributes() {
    if (mAttributeCount < 2) return;
    auto byName = [](const Element::Attribute& a, const Element::Attribute& b) { return a.first < b.first; };
    auto first = mAttributes.begin();
    auto last = first + static_cast<std::ptrdiff_t>(mAttributeCount);
    if (mAttributeCount <= 8) {
        // A few attributes: a stable insertion sort that needs no buffer.
        for (auto i = first + 1; i != last; ++i) {
            for (auto j = i; j != first && byName(*j, *(j - 1)); --j) std::swap(*j, *(j - 1));
        }
    } else {
        std::stable_sort(first, last, byName);
    }
    size_t kept = 0;
    for (size_t i = 0; i < mAttributeCount; ++i) {
        if (i + 1 < mAttributeCount && mAttributes[i].first == mAttributes[i + 1].first) continue;
        if (kept != i) std::swap(mAttributes[kept], mAttributes[i]);
        ++kept;
    }
    mAttributeCount = kept;
}

const std::wstring* XMLParser::findAttribute(const wchar_t* name) const {
    for (size_t i = 0; i < mAttributeCount; ++i) {
        if (mAttributes[i].first == name) return &mAttributes[i].second;
    }
    return nullptr;
}

void XMLParser::handleTag() {
    sortAttributes();
    switch (mTagKind) {
    case kDeclarationTag:
        if (mTagName == L"xml") handleDeclaration();
        break;
    case kStartTag:
        startElement();
        break;
    case kEmptyTag:
        startElement();
        endElement();
        break;
    case kEndTag:
        endElement();
        break;
    default:
        break;
    }
}

void XMLParser::startElement() {
    if (mStack.size() >= kMaxDepth) fail(L"The elements are nested too deeply.", __LINE__, 0);
    Element* element = createElement(mTagName);
    element->setSortedAttributes(mAttributes.data(), mAttributes.data() + mAttributeCount);
    if (mCurrent != nullptr) {
        mCurrent->appendChild(element);
    } else if (mRootElement == nullptr) {
        mRootElement = element;
    } else {
        // A second top-level element after the root's end goes below the root.
        mRootElement->appendChild(element);
    }
    mCurrent = element;
    mStack.push_back(element);
}

void XMLParser::endElement() {
    if (mCurrent == nullptr) fail(L"\u8981\u7D20", __LINE__, 0);  // "element"
    if (mCurrent->getName() != mTagName) {
        // "Tags don't match. An end tag is needed:"
        fail(L"\u30BF\u30B0\u306E\u5BFE\u5FDC\u304C\u9593\u9055\u3063\u3066\u3044\u307E\u3059\u3002"
             L"\u7D42\u4E86\u30BF\u30B0\u304C\u5FC5\u8981\u3067\u3059:\r\n" +
                 mCurrent->getName() + L" -> " + mTagName,
             __LINE__, 0);
    }
    mCurrent->setEmptyElement(mTagKind == kEmptyTag);
    if (!mStack.empty()) mStack.pop_back();
    // The root stays current after its own end tag: later content goes below it.
    // The parser hangs its elements only below elements.
    if (mCurrent != mRootElement) mCurrent = static_cast<Element*>(mCurrent->getParent());
}
