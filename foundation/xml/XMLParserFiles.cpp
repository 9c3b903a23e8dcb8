// Reading an XML file with encoding detection, and saving the tree.
#include "foundation/encoding/TextFile.h"
#include "foundation/system/MessageBoxes.h"
#include "foundation/system/ParserException.h"
#include "foundation/xml/XMLParser.h"

void XMLParser::parseFileIn(const std::wstring& text, EncodingId id) {
    mInputEncoding = fromEncodingId(id);
    if (!parseString(text)) throw ParserException(L"Couldn't retrieve the root element.", __LINE__, 0);
}

bool XMLParser::parseFile(const std::wstring& path) {
    DocumentState previous = takeState();
    std::wstring text;
    EncodingId id = readTextFile(path, text, kEncodingUndefined);
    if (id == -1 || text.empty()) {
        mInputEncoding = kNone;
        return false;
    }

    mFilePath = path;
    try {
        parseFileIn(text, id);
        return true;
    } catch (const ParserException&) {
        // Perhaps the declaration names the encoding the detection missed: read again in it.
    }
    EncodingId declared = toEncodingId(mFailedDeclaredEncoding, false);
    text.clear();
    id = readTextFile(path, text, declared);
    if (id != -1) {
        try {
            mFilePath = path;
            mInputEncoding = fromEncodingId(id);
            if (parseString(text)) return true;
        } catch (const ParserException& e) {
            showMessageW(e.getMessage());
        }
    }
    restoreState(previous);
    // No file is read now: a later parseString must not be checked against an encoding
    // detected in an earlier file.
    mInputEncoding = kNone;
    return false;
}

bool XMLParser::save() {
    return saveAs(mFilePath);
}

bool XMLParser::saveAs(const std::wstring& path) {
    if (mRootElement == nullptr) {
        showMessageA(
            "XMLParser.saveAs() is called, but mRootElement is null so couldn't save xml file.\n"
            "It may be a kind of bag.");
        return false;
    }
    std::wstring text;
    if (mDeclaration.empty()) {
        text = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>";
    } else {
        text = mDeclaration;
        if (mDeclaration.find(L"Shift_JIS") != std::wstring::npos) mDeclaredEncoding = kShiftJis;
        else if (mDeclaration.find(L"UTF-8") != std::wstring::npos) mDeclaredEncoding = kUtf8;
    }
    text += L"\r\n";
    text += mRootElement->toXML();
    return writeTextFile(path, text, toEncodingId(mDeclaredEncoding, true));
}
