// The "SentenceGroup" element of a downloaded sentence list.
#pragma once

#include <string>

class Element;

// A new "SentenceGroup" (the caller owns it) with "sentence", "translation" and
// "explanation", each one CDATA section. Each text loses its CR LF pairs (the page's own
// line breaks), has its character references decoded and its "<br />" turned into CR LF;
// a sentence or translation without a line break then gets one at its end.
Element* buildSentenceGroup(const std::wstring& sentence, const std::wstring& translation,
                            const std::wstring& explanation);
