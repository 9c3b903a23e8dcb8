// The key a lesson category is filed and published under.
#pragma once

#include <string>

// Blanks and "." become "_", everything else is lower-cased ("Science in the News" ->
// "science_in_the_news"). With no "." left, the key is its own file title.
std::wstring toCategoryKey(const std::wstring& category);
