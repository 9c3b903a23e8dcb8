#include "foundation/html/HTMLParser.h"

#include <cwctype>

#include "foundation/xml/Element.h"

namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

wchar_t lower(wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); }

bool isBreakTag(const std::wstring& tag) { return tag == L"br" || tag == L"tr" || tag == L"/tr" || tag == L"/div"; }

// Headings ("h1".."h6", and any name holding "h" and a digit) and paragraphs ("p", and
// any name of one or two characters holding "p").
bool startsNewLine(const std::wstring& name) {
    for (size_t i = 0; i + 1 < name.size(); ++i) {
        if (name[i] == L'h' && std::iswdigit(name[i + 1])) return true;
    }
    return name.find(L'p') != std::wstring::npos && name.size() < 3;
}

// Deeply nested lists of a damaged page would otherwise put thousands of tabs in front
// of every line.
const int kMaxIndent = 64;

struct Reference {
    const wchar_t* text;
    const wchar_t* replacement;
};

const Reference kReferences[] = {
    {L"&lt;", L"<"},          {L"&#60;", L"<"},         {L"&gt;", L">"},          {L"&#62;", L">"},
    {L"&amp;", L"&"},         {L"&#38;", L"&"},         {L"&nbsp;", L" "},        {L"&#150;", L" "},
    {L"&quot;", L"\""},       {L"&#34;", L"\""},        {L"&apos;", L"'"},        {L"&#39;", L"'"},
    {L"&rlm;", L"\u200F"},    {L"&#8206;", L"\u200E"},  {L"&copy;", L"\u00A9"},   {L"&lsquo;", L"\u2018"},
    {L"&#8216;", L"\u2018"},  {L"&rsquo;", L"\u2019"},  {L"&#8217;", L"\u2019"},  {L"&ldquo;", L"\u201C"},
    {L"&#8220;", L"\u201C"},  {L"&rdquo;", L"\u201D"},  {L"&#8221;", L"\u201D"},
};

}  // namespace

HTMLParser::HTMLParser() = default;

HTMLParser::~HTMLParser() { reset(); }

void HTMLParser::reset() {
    mPosition = 0;
    mSource.clear();
    mTitle.clear();
    mTagName.clear();
    mPending.clear();
    mText.clear();
    mRubies.clear();
    mAttributes.clear();
    for (auto& entry : mElementsByTag) {
        for (Element* element : entry.second) delete element;
    }
    mElementsByTag.clear();
    mListType.clear();
    mListDepth = 0;
    mListStart = 1;
    mListCount = 0;
    mItemPending = false;
}

std::vector<Element*> HTMLParser::getElementsByTagName(const std::wstring& tag) const {
    auto found = mElementsByTag.find(tag);
    return found == mElementsByTag.end() ? std::vector<Element*>() : found->second;
}

void HTMLParser::parse(const std::wstring& page) {
    reset();
    mSource = page;
    const size_t size = mSource.size();
    while (mPosition < size) {
        const wchar_t c = mSource[mPosition];
        if (isBlank(c)) {
            mPending += L' ';
            while (mPosition < size && isBlank(mSource[mPosition])) ++mPosition;
            continue;
        }
        if (c == L'<') {
            if (mPosition + 1 < size && mSource[mPosition + 1] == L'>') {
                mPosition += 2;
                continue;
            }
            if (mSource.compare(mPosition + 1, 3, L"!--") == 0) {
                size_t end = mSource.find(L"-->", mPosition + 4);
                mPosition = end == std::wstring::npos ? size : end + 3;
                continue;
            }
            ++mPosition;
            retrieveTagAndAttributes();
            handleTag(false);
            continue;
        }
        mPending += c;
        ++mPosition;
    }
    if (!mPending.empty()) flush();
    mTitle = decodeCharacterReferences(mTitle);
    mText = decodeCharacterReferences(mText);
}

void HTMLParser::retrieveTagAndAttributes() {
    const size_t size = mSource.size();
    mTagName.clear();
    mAttributes.clear();
    mEmptyTag = false;
    while (mPosition < size) {
        wchar_t c = mSource[mPosition];
        if (c == L' ' || c == L'\r' || c == L'\n' || c == L'>') break;
        // "<br/>" is the tag "br" closing itself, not a tag named "br/".
        if (c == L'/' && !mTagName.empty() && mPosition + 1 < size && mSource[mPosition + 1] == L'>') break;
        mTagName += lower(c);
        ++mPosition;
    }
    while (mPosition < size) {
        while (mPosition < size && isBlank(mSource[mPosition])) ++mPosition;
        if (mPosition >= size) return;
        if (mSource[mPosition] == L'>') {
            ++mPosition;
            return;
        }
        if (mSource[mPosition] == L'/') {
            mEmptyTag = true;
            ++mPosition;
            if (mPosition < size && mSource[mPosition] == L'>') ++mPosition;
            return;
        }
        std::wstring name;
        while (mPosition < size && mSource[mPosition] != L'=' && mSource[mPosition] != L'>') {
            if (!isBlank(mSource[mPosition])) name += lower(mSource[mPosition]);
            ++mPosition;
        }
        if (mPosition >= size || mSource[mPosition] == L'>') {
            if (!name.empty()) mAttributes[name] = std::wstring();
            if (mPosition < size) ++mPosition;
            return;
        }
        ++mPosition;  // "="
        while (mPosition < size && isBlank(mSource[mPosition])) ++mPosition;
        if (mPosition >= size) return;
        if (mSource[mPosition] == L'>') {
            mAttributes[name] = std::wstring();
            ++mPosition;
            return;
        }
        std::wstring value;
        const wchar_t quote = mSource[mPosition];
        if (quote == L'"' || quote == L'\'') {
            size_t end = mSource.find(quote, mPosition + 1);
            if (end != std::wstring::npos) {
                value = mSource.substr(mPosition + 1, end - mPosition - 1);
                mPosition = end + 1;
                mAttributes[name] = value;
                continue;
            }
            ++mPosition;  // unterminated: runs like an unquoted value
        }
        while (mPosition < size && mSource[mPosition] != L' ' && mSource[mPosition] != L'>') {
            value += mSource[mPosition++];
        }
        mAttributes[name] = value;
        if (mPosition < size && mSource[mPosition] == L'>') {
            ++mPosition;
            return;
        }
    }
}

bool HTMLParser::handleListItem(bool endTag, const std::wstring& name) {
    if (name == L"dt") {
        mItemPending = false;
        if (endTag) newLine();
        return true;
    }
    if (name != L"li" && name != L"dd") return false;
    flush();
    if (mTagName == L"/dd") newLine();
    if (endTag) {
        newLine();
        mItemPending = false;
    } else {
        mItemPending = true;
        if (name != L"dd") newLine();
        ++mListCount;
    }
    return true;
}

// Moves past the end tag (compared without case); false, and nothing moved, when the
// page has none.
bool HTMLParser::skipToEndTag(const std::wstring& endTag) {
    const std::wstring wanted = L"<" + endTag;
    const size_t size = mSource.size();
    for (size_t i = mPosition; i + wanted.size() <= size; ++i) {
        if (mSource[i] != L'<') continue;
        size_t k = 1;
        while (k < wanted.size() && lower(mSource[i + k]) == wanted[k]) ++k;
        if (k < wanted.size()) continue;
        size_t close = mSource.find(L'>', i + wanted.size());
        mPosition = close == std::wstring::npos ? size : close + 1;
        return true;
    }
    return false;
}

void HTMLParser::collectPre() {
    flush();
    newLine();
    const size_t size = mSource.size();
    while (mPosition < size) {
        if (mSource[mPosition] == L'<') {
            ++mPosition;
            retrieveTagAndAttributes();
            if (mTagName == L"/pre") break;
            handleTag(true);
            continue;
        }
        mPending += mSource[mPosition++];
    }
    treatAsClosedBy(L"/pre");
    flush();
    newLine();
    newLine();
}

void HTMLParser::collectLinkText() {
    emit(0);
    const size_t size = mSource.size();
    while (mPosition < size) {
        if (mSource[mPosition] == L'<') {
            ++mPosition;
            retrieveTagAndAttributes();
            if (mTagName == L"/a") return;
            continue;  // tags inside the link are dropped
        }
        mPending += mSource[mPosition++];
    }
    treatAsClosedBy(L"/a");
}

void HTMLParser::treatAsClosedBy(const wchar_t* endTag) {
    mTagName = endTag;
    mAttributes.clear();
    mEmptyTag = false;
}

void HTMLParser::collectRuby() {
    enum { None, Base, Reading } part = None;
    std::wstring base;
    std::wstring reading;
    const size_t size = mSource.size();
    while (mPosition < size) {
        const wchar_t c = mSource[mPosition];
        if (c == L'<') {
            ++mPosition;
            retrieveTagAndAttributes();
            if (mTagName == L"/ruby") break;
            if (mTagName == L"rb") part = Base;
            else if (mTagName == L"rt") part = Reading;
            else part = None;
            continue;
        }
        ++mPosition;
        if (c == L'\r' || c == L'\n') continue;
        if (part == Base) base += c;
        else if (part == Reading) reading += c;
    }
    treatAsClosedBy(L"/ruby");
    mRubies[base] = reading;
    mPending += base;
}

void HTMLParser::handleList(bool endTag) {
    if (!endTag) {
        ++mListDepth;
    } else {
        newLine();
        if (mListDepth > 0) --mListDepth;
        mListStart = 1;
        mItemPending = false;
    }
    mListCount = 0;
    mListType = mTagName;
}

void HTMLParser::handleTag(bool insidePre) {
    bool endTag = !mTagName.empty() && mTagName[0] == L'/';
    std::wstring name = endTag ? mTagName.substr(1) : mTagName;

    handleListItem(endTag, name);

    if (!endTag && (name == L"script" || name == L"style") && skipToEndTag(L"/" + name)) {
        // skipped whole
    } else if (!endTag && name == L"pre" && !insidePre) {
        collectPre();
    } else if (!endTag && name == L"a") {
        collectLinkText();
    } else {
        if (!endTag && (mTagName == L"th" || mTagName == L"td")) mPending += L"\t ";
        if (!endTag && mTagName == L"tr") mPending += L"\r\n";
        if (name == L"ul" || name == L"ol" || name == L"menu" || name == L"dl" || name == L"dir") {
            handleList(endTag);
        } else if (!endTag && name == L"ruby") {
            collectRuby();
        }
    }

    // The handlers above may have read further tags: go on with the last one read.
    endTag = !mTagName.empty() && mTagName[0] == L'/';
    name = endTag ? mTagName.substr(1) : mTagName;
    if (isBreakTag(mTagName) && mPending.size() > 1) flush();
    if (mTagName == L"br" || mTagName == L"/div") {
        newLine();
    } else if (startsNewLine(name)) {
        flush();
        newLine();
    }
    if (!endTag) emit(0);
    mAttributes.clear();
}

void HTMLParser::newLine() { mText += L"\r\n"; }

void HTMLParser::emit(int kind) {
    if (kind == 10) {
        flush();
        return;
    }
    if (kind != 0) return;
    TagRecord tag;
    tag.name = mTagName;
    tag.attributes = mAttributes;
    tag.emptyElement = mEmptyTag;
    mElementsByTag[mTagName].push_back(new Element(tag));
    if (mTagName == L"title") {
        size_t end = mSource.find(L'<', mPosition);
        mTitle = mSource.substr(mPosition, end == std::wstring::npos ? std::wstring::npos : end - mPosition);
    }
}

void HTMLParser::flush() {
    if (mPending.size() < 2) {
        mPending.clear();
        return;
    }
    if (mListDepth > 0) {
        if (mItemPending) {
            std::wstring marker;
            if (mListType == L"ol") marker = std::to_wstring(mListStart + mListCount - 1) + L". ";
            else if (mListType != L"dl") marker = L"# ";
            mPending = marker + mPending;
            newLine();
            mItemPending = false;
        }
        if (mTagName == L"/dt") newLine();
        if (mTagName != L"dd") {
            mPending.insert(0, static_cast<size_t>(mListDepth < kMaxIndent ? mListDepth : kMaxIndent), L'\t');
        } else {
            mPending += L'.';
        }
    }
    mText += mPending;
    mPending.clear();
}

std::wstring HTMLParser::decodeCharacterReferences(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        size_t amp = text.find(L'&', i);
        if (amp == std::wstring::npos) break;
        size_t semicolon = text.find(L';', amp);
        if (semicolon == std::wstring::npos) break;
        out.append(text, i, amp - i);
        const size_t length = semicolon - amp + 1;
        const wchar_t* replacement = nullptr;
        for (const Reference& reference : kReferences) {
            if (text.compare(amp, length, reference.text) == 0) {
                replacement = reference.replacement;
                break;
            }
        }
        if (replacement) {
            out += replacement;
            i = semicolon + 1;
        } else {
            out += L'&';
            i = amp + 1;
        }
    }
    out.append(text, i, std::wstring::npos);
    return out;
}
