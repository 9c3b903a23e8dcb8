#include "foundation/xml/XMLParser.h"

#include <cwctype>

#include "foundation/system/ParserException.h"

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
    kCommentDash = 10,
    kCommentDashDash = 11,
    kCData = 12,
    kCDataBracket = 13,
    kCDataBrackets = 14,
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

bool hasVisibleChar(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c > 32) return true;
    }
    return false;
}

}  // namespace

XMLParser::XMLParser() = default;

XMLParser::~XMLParser() {
    delete mRootElement;
}

Element* XMLParser::createElement(const std::wstring& name) {
    return new Element(name);
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
        mFailedDeclaredEncoding = mDeclaredEncoding;
        delete mRootElement;
        restoreState(previous);
        mCurrent = nullptr;
        mStack.clear();
        throw;
    }
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
    mReference.clear();
    mInReference = false;
    mAttributes.clear();
    for (wchar_t c : text) processChar(c);
}

void XMLParser::fail(const std::wstring& message, int line, int kind) const {
    throw ParserException(message, line, kind);
}

void XMLParser::collectReference(wchar_t c) {
    if (!mInReference) {
        if (c == L'&') {
            mInReference = true;
            mReference.assign(1, c);
        } else {
            mToken += c;
        }
        return;
    }
    if (c != L';') {
        mReference += c;
        return;
    }
    // Only the five predefined references are known; any other gives nothing.
    mInReference = false;
    if (mReference == L"&amp") mToken += L'&';
    else if (mReference == L"&lt") mToken += L'<';
    else if (mReference == L"&gt") mToken += L'>';
    else if (mReference == L"&quot") mToken += L'"';
    else if (mReference == L"&apos") mToken += L'\'';
    mReference.clear();
}

void XMLParser::flushReference() {
    // An "&" that no ";" closes before the text or value ends is a plain character.
    if (!mInReference) return;
    mToken += mReference;
    mReference.clear();
    mInReference = false;
}

void XMLParser::processChar(wchar_t c) {
    switch (mState) {
    case kText:
        if (c == L'<') {
            flushReference();
            if (!mToken.empty()) handleText(mToken, false);
            mAttributes.clear();
            mToken.clear();
            mState = kAfterOpen;
        } else {
            collectReference(c);
        }
        break;
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
    case kAfterBang:
        mToken += c;
        if (mToken == L"--") mState = kComment;
        else if (mToken == L"[CDATA[") mState = kCData;
        else if (mToken == L"DOCTYPE") mState = kDoctype;
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
    case kAttributeValue:
        if (c == mQuote) {
            flushReference();
            mAttributes[mAttributeName] = mToken;
            mToken.clear();
            mState = kBetweenAttributes;
        } else {
            collectReference(c);
        }
        break;
    case kComment:
        if (c == L'-') mState = kCommentDash;
        break;
    case kCommentDash:
        mState = c == L'-' ? kCommentDashDash : kComment;
        break;
    case kCommentDashDash:
        if (c == L'>') {
            mToken.clear();
            mState = kText;
        } else if (c != L'-') {
            mState = kComment;
        }
        break;
    case kCData:
        mToken += c;
        if (c == L']') mState = kCDataBracket;
        break;
    case kCDataBracket:
        mToken += c;
        mState = c == L']' ? kCDataBrackets : kCData;
        break;
    case kCDataBrackets:
        if (c == L'>') {
            // The token is "[CDATA[" + content + "]]".
            if (mToken.size() > 9) handleText(mToken.substr(7, mToken.size() - 9), true);
            mToken.clear();
            mState = kText;
        } else {
            mToken += c;
            if (c != L']') mState = kCData;
        }
        break;
    case kDoctype:
        if (c == L'>') {
            mToken.clear();
            mState = kText;
        }
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

void XMLParser::handleTag() {
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
    element->setAttributes(mAttributes);
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
    if (mCurrent != mRootElement) mCurrent = dynamic_cast<Element*>(mCurrent->getParent());
}
