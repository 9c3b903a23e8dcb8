// Reading the English e-learning pages of a day: the news page (a block per sentence with
// its translation and explanation), the keyword page (links to one explanation page per
// keyword) and the explanation pages (numbered example lines and their translations).
// Plain functions on texts: a page that is not as expected throws RetrieverException
// with the message to log, and no input makes them loop or crash.
#pragma once

#include <string>
#include <vector>

class Element;

// The next sentence block at or after `pos` as a new "SentenceGroup" (the caller owns
// it), with `pos` moved to its explanation's end; null when no block follows. Throws when
// a block lacks a part.
Element* parseElearningSentenceGroup(const std::wstring& page, size_t& pos);

// Whether the address is an explanation page of the e-learning site ("http://host"): it
// begins with the site's explanation page, so its host is the site's.
bool isExplanationUrl(const std::wstring& url, const std::wstring& site);
// The links of the page (as written, relative) to explanation pages of single keywords
// ("&id=" in them), each address once, in page order.
std::vector<std::wstring> collectExplanationLinks(const std::wstring& page, const std::wstring& site);

// The explanation page of a keyword as a new "SentenceGroup": the numbered first lines of
// its list items as sentences, their second lines as translations, the keyword as the
// explanation. Throws (naming the address) when the explanation or its list is missing.
Element* readExplanationPage(const std::wstring& page, const std::wstring& url);
