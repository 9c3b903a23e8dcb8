// Reading the text of child elements with a default.
#pragma once

#include <string>

#include "foundation/xml/Element.h"

// All text of the first child element named `tag`, else the default.
std::wstring getChildElementText(const Element* parent, const std::wstring& tag, const std::wstring& defaultText);
// The own text of the first child element named `tag`, else the default.
std::wstring getElementText(const Element* parent, const std::wstring& tag, const std::wstring& defaultText);
// The decimal value of that child's text (0 when it holds no number), else the default.
int getElementInt(const Element* parent, const std::wstring& tag, int defaultValue);
