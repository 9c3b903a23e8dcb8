// The catalogue published as HTML fragments for the lessons web page.
#pragma once

#include <string>

class Element;

// The lessons category by category, each category under its label. Every lesson file is
// also copied into outputFolder + label + "\" (a copy already there stays), ready to be
// uploaded. Folder and copy failures are ignored.
std::wstring createCategoryListing(const Element& root, const std::wstring& outputFolder);

// The page head, then every lesson in one block, the latest day of the month first;
// lessons of one day come in reverse catalogue order.
std::wstring createOrderedListing(const Element& root, const std::wstring& pageHead);
