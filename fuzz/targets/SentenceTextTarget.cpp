// Sentence texts as files and pasted text bring them: time cells parsed, language runs
// cut, lines swapped, kana converted, and the pairs written as XML, which must read back.
#include <cstdlib>
#include <vector>

#include "foundation/xml/XMLParser.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "player/lyrics/KanaConversion.h"
#include "player/lyrics/LanguageText.h"
#include "player/lyrics/PairingXml.h"
#include "player/lyrics/TimeText.h"

namespace {

void convertSentenceText(const uint8_t* data, size_t size) {
    const std::wstring text = decodeFuzzInput(data, size);
    (void)toTimeText(parseTimeText(text));
    (void)isEnglishText(text);
    std::vector<std::wstring> runs;
    splitByLanguage(text, runs);
    (void)swapLanguageLines(text, true);
    (void)swapLanguageLines(text, false);
    (void)toHiragana(toKatakana(text));
    // A written pair list that does not parse would be a file the program cannot open.
    XMLParser parser;
    if (!parser.parseString(toSentenceListXml(text)) || !parser.parseString(toWordListXml(text))) std::abort();
}

const std::vector<std::string> kSentenceTokens = {
    "]]>", "<![CDATA[", "00:01:00", ":", ". ", "\r\n", "\n", "\xE3\x80\x82", "\xE3\x81\x82", "\xE3\x82\xA2",
    "\xE6\x97\xA5", "\xEF\xBC\x9F", "\xE3\x83\xBC", "\xE3\x80\x80", "Mr. ", "?", "!"};

FuzzTargetRegistration sentenceText({"sentence-text", convertSentenceText, kSentenceTokens, {}});

}  // namespace
