// Reading the English e-news index page of a day: its title, description, date line and
// category, for the id3 element of the day's sentence list. A page that is not as
// expected throws RetrieverException with the message to log; no input makes it loop or
// crash.
#pragma once

#include <string>

struct EnglishNewsIndex {
    bool found = false;        // false: the page is empty or has no main column
    std::wstring title;        // English title - Japanese title, decoded, without tags
    std::wstring dateLine;     // the original-date block without its category spans
    std::wstring category;
    std::wstring description;  // the first paragraph of the main column, with line breaks
};

// The index page's parts. An empty page or one without the main column gives found =
// false and no failure; a main column without a description, date, category or title
// throws.
EnglishNewsIndex readEnglishNewsIndex(const std::wstring& page);
