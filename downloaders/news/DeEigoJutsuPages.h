// Reading the pages of the "News de Eigo-jutsu" series: the article page of a day (its
// description and its "focus" blocks of sentence, translation and explanation) and the
// series' news list (a JSON text with the title, time and category of each day). Plain
// functions on texts: a page that is not as expected throws ParserException with the
// message to log, and no input makes them loop or crash.
#pragma once

#include <functional>
#include <string>

class Element;

// The description of the article's Japanese detail section, cleaned to plain text with
// line breaks. Throws when the page is empty, the section is missing or has no text.
std::wstring readArticleDescription(const std::wstring& page);

struct NewsListEntry {
    std::wstring title;
    std::wstring time;
    std::wstring category;  // the whole category text
};

// The day's entry of the news list; when the day is not listed, the page's own title (up
// to " | ") and no time or category. Throws when neither gives a title, or when a listed
// day has no category. The title is returned as found (markup and references kept).
NewsListEntry readNewsListEntry(const std::wstring& newsList, const std::wstring& page,
                                const std::wstring& dateKey, const std::wstring& newsListUrl);

// The title as stored: character references decoded and every tag removed.
std::wstring cleanTitle(const std::wstring& title);
// The id3 category: the part before the first ": " of the category text, else empty.
std::wstring id3Category(const std::wstring& category);

// The next "focus" block at or after `pos` as a new "SentenceGroup" (the caller owns
// it), with `pos` moved past it; null when no block follows. Throws when a block lacks
// its English end, its Japanese text or its explanation.
Element* parseSentenceGroup(const std::wstring& text, size_t& pos);
// Appends a group to `list` for every "focus" block outside comments and style blocks,
// calling `found` after each; throws when there is none. Answers the number appended.
int appendSentenceGroups(const std::wstring& page, Element& list, const std::function<void()>& found);
