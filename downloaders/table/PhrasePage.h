// Reads the pages of the phrase site: the phrase links of an index page, and the
// English sentence, translation, explanation and voice stream of a phrase page. Texts
// are taken as the page has them, markup included.
#pragma once

#include <string>
#include <vector>

#include "foundation/text/InnerText.h"

// The "href" of every "a" element that begins with "/english/phrase/" and does not
// contain ".htm", in document order.
std::vector<std::wstring> readPhraseLinks(const std::wstring& html);

struct PhraseText {
    std::wstring text;
    InnerTextResult result = InnerTextResult::NoStart;
    std::wstring endTag;  // shown when it is missing
};

struct PhrasePage {
    bool hasMain = false;  // the phrase block was found; everything else is read from it on
    PhraseText stream;     // the voice stream reference
    PhraseText sentence;
    PhraseText translation;
    PhraseText explanation;
};

PhrasePage readPhrasePage(const std::wstring& page);

// The file name part of a stream reference (after its last "/"); empty when it has no "/".
std::wstring streamName(const std::wstring& stream);
