// The sentence-list file kept beside an audio file: the audio file's location, the word
// list, the lesson's id3 fields and the sentence groups, written as UTF-16 XML with its
// declaration. Building and reading the text here; no window is involved.
#pragma once

#include <string>
#include <vector>

#include "foundation/xml/Element.h"
#include "player/lyrics/SentenceGroup.h"
#include "player/mp3/ID3TagModel.h"

// One row as the table shows it: the time cells are written as they stand, and an empty
// End cell writes no end time.
struct SentenceListRow {
    std::wstring startText;
    std::wstring endText;
    std::wstring sentence;
    std::wstring translation;
    std::wstring explanation;
};

// What a sentence-list file holds.
struct SentenceListContent {
    std::wstring audio;  // the root's "audio" attribute, as written
    std::vector<SentenceGroup> groups;
    bool hasWordList = false;
    Element wordList{L"WordList"};
    bool hasId3 = false;
    ID3TagModel id3;  // with hasId3: every field from the "id3" element, the date defaulted
};

// The whole file text: declaration, root with the audio path, word list, id3 element and
// one group per row. Attribute values and id3 texts are escaped; the group texts go in
// CDATA sections, split where a text holds "]]>" so that nothing of it is lost.
std::wstring buildSentenceListXml(const std::wstring& audio, const Element& wordList, const ID3TagModel& id3,
                                  const std::vector<SentenceListRow>& rows);

// Reads a parsed document: every "SentenceGroup" in document order, with its times and
// its first three children (whatever their names) as sentence, translation and
// explanation, each child's whole text whether CDATA, escaped text or both; the root's
// "WordList" child and the first "id3" element (groups inside these two are not read as
// sentences). The root's
// name is not checked. False when the document has no "SentenceGroup"; `content` is then
// left as it was.
bool readSentenceList(const Element& root, SentenceListContent& content);

// The "audio" attribute for an audio file and the sentence-list file that names it: its
// path relative to the list's folder ("b.mp3", "m\b.mp3", "..\m\b.mp3"), or the absolute
// path when there is no relative one.
std::wstring audioPathForSentenceList(const std::wstring& audioPath, const std::wstring& xmlPath);
