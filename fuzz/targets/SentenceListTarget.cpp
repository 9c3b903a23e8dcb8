// Sentence-list files as the player opens them: parsed, their groups, word list and id3
// fields read; what was read, written again, must read back the same.
#include <stdexcept>
#include <vector>

#include "foundation/system/ParserException.h"
#include "foundation/xml/XMLParser.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/targets/TextInput.h"
#include "player/lyrics/SentenceListFile.h"
#include "player/lyrics/TimeText.h"

namespace {

std::vector<SentenceListRow> rowsOf(const SentenceListContent& content) {
    std::vector<SentenceListRow> rows;
    for (const SentenceGroup& group : content.groups) {
        // The table shows an end only after the start.
        const bool end = group.end != kUnsetTime && group.start < group.end;
        rows.push_back({toTimeText(group.start), end ? toTimeText(group.end) : std::wstring(), group.sentence,
                        group.translation, group.explanation});
    }
    return rows;
}

void readSentenceListFile(const uint8_t* data, size_t size) {
    SentenceListContent first;
    try {
        XMLParser parser;
        if (!parser.parseString(decodeFuzzInput(data, size)) || !readSentenceList(*parser.getRootElement(), first)) {
            return;
        }
    } catch (const ParserException&) {
        return;  // a syntax error is the parser's ordinary answer
    }
    const std::vector<SentenceListRow> rows = rowsOf(first);
    const std::wstring written = buildSentenceListXml(first.audio, first.wordList, first.id3, rows);
    SentenceListContent second;
    XMLParser parser;
    if (!parser.parseString(written) || !readSentenceList(*parser.getRootElement(), second)) {
        throw std::runtime_error("a written sentence list does not read");
    }
    if (second.audio != first.audio || second.groups.size() != rows.size() ||
        second.id3.getTitle() != first.id3.getTitle() || second.id3.getSourceUrl() != first.id3.getSourceUrl()) {
        throw std::runtime_error("a written sentence list reads back otherwise");
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const SentenceGroup& group = second.groups[i];
        if (toTimeText(group.start) != rows[i].startText || group.sentence != rows[i].sentence ||
            group.translation != rows[i].translation || group.explanation != rows[i].explanation) {
            throw std::runtime_error("a written sentence group reads back otherwise");
        }
    }
}

const std::vector<std::string> kSentenceListTokens = {
    "<?xml version=\"1.0\" encoding=\"UTF-16\"?>", "<SentenceList audio=\"", "<SentenceGroup startTime='",
    "' endTime='", "</SentenceGroup>", "<sentence>", "</sentence>", "<translation>", "<explanation>", "<![CDATA[",
    "]]>", "<WordList>", "<Word level=\"", "<key>", "<value>", "<id3>", "<title>", "<description>", "<year>",
    "&amp;", "&lt;", "00:01:00", "99999:99:99", ":"};

FuzzTargetRegistration sentenceList({"sentence-list", readSentenceListFile, kSentenceListTokens,
                                     {"fuzz/seeds/markup"}});

}  // namespace
