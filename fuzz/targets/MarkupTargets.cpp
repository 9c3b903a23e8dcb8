// The XML parser, character-reference decoding and the HTML-to-text converter on
// damaged and crafted mark-up.
#include <stdexcept>

#include "foundation/html/HTMLParser.h"
#include "foundation/system/ParserException.h"
#include "foundation/xml/CharacterReferences.h"
#include "foundation/xml/XMLParser.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"

namespace {

void parseXml(const uint8_t* data, size_t size) {
    XMLParser parser;
    std::wstring written;
    try {
        if (!parser.parseString(decodeFuzzInput(data, size))) return;
        written = parser.getRootElement()->toXML();
    } catch (const ParserException&) {
        return;  // a syntax error is the parser's ordinary answer
    }
    // What was written reads back, and writes the same again: saving is a fixed point.
    if (!parser.parseString(written) || parser.getRootElement()->toXML() != written) {
        throw std::runtime_error("written XML does not read back to itself");
    }
}

void decodeReferences(const uint8_t* data, size_t size) {
    std::wstring text = decodeFuzzInput(data, size);
    decodeCharacterReferences(text, true);
    decodeCharacterReferences(text, false);
    HTMLParser::decodeCharacterReferences(text);
    getNamedEntity(text.substr(0, 16));
}

void parseHtml(const uint8_t* data, size_t size) {
    HTMLParser parser;
    parser.parse(decodeFuzzInput(data, size));
    for (const wchar_t* tag : {L"a", L"title", L"img", L"p"}) parser.getElementsByTagName(tag);
}

const std::vector<std::string> kMarkupTokens = {
    "<?xml version=\"1.0\" encoding=\"UTF-16\"?>", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>", "<!DOCTYPE x>",
    "</", "/>", "=\"", "='", "&amp;", "&lt;", "&#x1F600;", "&#0;", "&#;", "&#65536;", "&#xFFFFFFFF;", "&nbsp;",
    "<a href=\"", "<script>", "</script>", "<pre>", "</pre>", "<ruby><rb>", "<rt>", "</ruby>", "<ol>", "<li>",
    "<dl><dt>", "<dd>", "<table><tr><td>", "<title>", "\\n", "\\u", "\\"};

FuzzTargetRegistration xml({"xml", parseXml, kMarkupTokens, {"foundation/tests/fixtures", "fuzz/seeds/markup"}});
FuzzTargetRegistration references({"references", decodeReferences, kMarkupTokens, {"fuzz/seeds/markup"}});
FuzzTargetRegistration html({"html", parseHtml, kMarkupTokens, {"fuzz/seeds/markup"}});

}  // namespace
