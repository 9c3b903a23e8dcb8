// Reading the pages of the SNS English news lessons: the summary page of a day (title,
// date line, description and marked words), the sentence page (sentence, translation and
// explanation per lesson sentence) and the keyword page (a key sentence with numbered
// example lines per block). Plain functions on texts: a page that is not as expected
// throws ParserException with the message to log, and no input makes them loop or crash.
#pragma once

#include <string>

class Element;

struct SnsSummary {
    std::wstring title;        // English title - Japanese title, decoded, without tags
    std::wstring dateLine;     // the page's date line as it stands
    std::wstring description;  // the summary paragraph with its line breaks
};

// The summary page's title, date line and description. Throws when the page is empty or
// a part is missing.
SnsSummary readSnsSummary(const std::wstring& page);

// The next lesson sentence at or after `pos` as a new "SentenceGroup" (the caller owns
// it), with `pos` moved to its explanation's end; null when no sentence follows. Throws
// when a sentence lacks its audio script, its translation or its explanation.
Element* parseSnsSentenceGroup(const std::wstring& page, size_t& pos);

// The keyword page as the block reader expects it: tabs as blanks, runs of four and then
// of three blanks removed.
std::wstring cleanKeywordPage(const std::wstring& page);
// The next keyword block at or after `pos` as a new "SentenceGroup": its numbered example
// lines and their translations, the key sentence as the explanation; `pos` moved to the
// block's end. Null when no block follows; throws when a block is cut short.
Element* parseSnsKeywordGroup(const std::wstring& page, size_t& pos);
