// The XML declaration: kept for saving, and its encoding checked against the encoding
// in which the text was read.
#include <cwctype>

#include "foundation/xml/XMLParser.h"

namespace {

// "Shift_JIS", "utf-8", "EUC-JP" and "UTF-16" all reduce to letters and digits.
std::wstring reducedEncodingName(const std::wstring& name) {
    std::wstring reduced;
    for (wchar_t c : name) {
        bool letterOrDigit = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9');
        if (letterOrDigit) reduced += static_cast<wchar_t>(std::towupper(c));
    }
    return reduced;
}

}  // namespace

void XMLParser::handleDeclaration() {
    auto value = [this](const wchar_t* name) {
        const std::wstring* found = findAttribute(name);
        return found != nullptr ? *found : std::wstring();
    };
    std::wstring version = value(L"version");
    std::wstring encoding = value(L"encoding");
    if (version.empty()) fail(L"version attribute is empty", __LINE__, 0);
    if (encoding.empty()) fail(L"encoding attribute is empty", __LINE__, 0);

    std::wstring declaration = L"<?xml version=\"" + version + L"\" encoding=\"" + encoding + L"\"";
    for (size_t i = 0; i < mAttributeCount; ++i) {
        const Element::Attribute& attribute = mAttributes[i];
        if (attribute.first == L"version" || attribute.first == L"encoding") continue;
        declaration += L" " + attribute.first + L"=\"" + attribute.second + L"\"";
    }
    mDeclaration = declaration + L"?>";

    std::wstring reduced = reducedEncodingName(encoding);
    if (reduced == L"EUCJP") mDeclaredEncoding = kEucJp;
    else if (reduced == L"SHIFTJIS") mDeclaredEncoding = kShiftJis;
    else if (reduced == L"UTF8") mDeclaredEncoding = kUtf8;
    else if (reduced == L"UTF16") mDeclaredEncoding = kUtf16;
    else fail(encoding + L": This encoding is not supported", __LINE__, 0);

    if (mInputEncoding != kNone && mInputEncoding != mDeclaredEncoding) {
        fail(declaration + L"\r\n" + std::wstring(50, L'-') + L"\r\n" +
                 L"Something is wrong with the xml encoding.\r\n"
                 L"Please edit the encoding in the xml file.\r\n"
                 L"\r\n" +
                 encoding + L" (xml)   !=   " + getEncodingName(toEncodingId(mInputEncoding, false)) +
                 L" (detected)",
             __LINE__, 4);
    }
}
