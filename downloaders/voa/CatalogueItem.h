// The items of the lesson catalogue ("voa.xml"): the root's children are categories,
// their children lessons. Each item is a "TreeItem" element whose "path" is the lesson
// file or, for a category, the category key; a label the learner edited is its "name".
#pragma once

#include <string>
#include <vector>

class Element;

// The edited label when there is one, else the file title of the path.
std::wstring getCatalogueItemLabel(const Element& item);

// The element children in order, without the text between them.
std::vector<Element*> getCatalogueChildren(const Element& item);
