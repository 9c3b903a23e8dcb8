// Word lists as the word list pane reads them from a sentence-list file: every word's
// level, key, value and explanation; each word written again must read back the same.
#include <memory>
#include <stdexcept>
#include <vector>

#include "foundation/system/ParserException.h"
#include "foundation/xml/XMLParser.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "words/WordElement.h"

namespace {

void readWordList(const uint8_t* data, size_t size) {
    XMLParser parser;
    try {
        if (!parser.parseString(decodeFuzzInput(data, size))) return;
    } catch (const ParserException&) {
        return;  // a syntax error is the parser's ordinary answer
    }
    std::vector<Element*> words;
    parser.getRootElement()->getElementsByTagName(L"Word", words);
    for (const Element* word : words) {
        const std::wstring key = readWordKey(*word);
        const std::wstring value = readWordValue(*word);
        const std::wstring explanation = readWordExplanation(*word);
        readWordLevel(*word);
        const std::unique_ptr<Element> written(createWordElement(key, value, explanation));
        XMLParser again;
        if (!again.parseString(written->toXML())) throw std::runtime_error("a written word does not parse");
        const Element& read = *again.getRootElement();
        if (readWordKey(read) != key || readWordValue(read) != value || readWordExplanation(read) != explanation) {
            throw std::runtime_error("a written word reads back otherwise");
        }
    }
}

const std::vector<std::string> kWordListTokens = {
    "<WordList>", "</WordList>", "<Word level=\"", "<Word key='", "</Word>", "<key>", "</key>", "<value>",
    "</value>", "<explanation>", "</explanation>", "<![CDATA[", "]]>", "&amp;", "]]]]><![CDATA[>"};

FuzzTargetRegistration wordList({"word-list", readWordList, kWordListTokens, {"fuzz/seeds/markup"}});

}  // namespace
