#include "downloaders/captions/TimedTextReader.h"

#include "foundation/system/ParserException.h"
#include "foundation/xml/CharacterReferences.h"
#include "foundation/xml/XMLParser.h"

namespace {

// The parser throws on syntax errors; a damaged answer is treated as no document.
bool parseAnswer(XMLParser& parser, const std::wstring& text) {
    try {
        return parser.parseString(text);
    } catch (const ParserException&) {
        return false;
    }
}

}  // namespace

bool readCaptionTracks(const std::wstring& listXml, std::vector<CaptionTrack>& tracks) {
    XMLParser parser;
    if (!parseAnswer(parser, listXml)) return false;
    for (const Element* track : parser.getElementsByTagName(L"track")) {
        tracks.push_back(CaptionTrack{track->getAttribute(L"lang_original"), track->getAttribute(L"name"),
                                      track->getAttribute(L"lang_code")});
    }
    return true;
}

std::wstring readCaptionText(const std::wstring& trackXml) {
    XMLParser parser;
    std::wstring caption;
    if (!parseAnswer(parser, trackXml)) return caption;
    for (const Element* text : parser.getElementsByTagName(L"text")) {
        caption += decodeCharacterReferences(text->getAllText(), true);
        caption += L' ';
    }
    return caption;
}
