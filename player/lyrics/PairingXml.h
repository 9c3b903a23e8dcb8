// Pairs of English and Japanese runs written as the text of a sentence-list or a
// word-list XML file. A trailing run without a partner is dropped.
#pragma once

#include <string>

std::wstring toSentenceListXml(const std::wstring& text);
std::wstring toWordListXml(const std::wstring& text);

// A CDATA section holding the text; a "]]>" inside is split across two sections so that
// the section does not end early and the text reads back unchanged.
std::wstring toCDataSection(const std::wstring& text);
